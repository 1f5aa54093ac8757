// Building property records: a skin load builds one per window, control, style, font and
// colour, so their constructors run by the thousand. Also the store's id lookups.
#include "BenchHarness.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/SkinStore.h"
#include "skin/model/TreeProperties.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace Vexel;

namespace {

template <class Record>
void BuildMany(const char* name, int count)
{
    std::vector<std::unique_ptr<Record>> records;
    records.reserve(static_cast<std::size_t>(count));
    bench::Measure(name, 5, count, [&] {
        records.clear();
        for (int i = 0; i < count; ++i)
            records.push_back(std::make_unique<Record>());
    });
}

} // namespace

int main()
{
    BuildMany<BTNPROPERTIES>("build a push-button record (x10000)", 10000);
    BuildMany<LSTCTRLPROPERTIES>("build a list-control record (x2000)", 2000);

    SkinStore store;
    for (int i = 0; i < 300; ++i) {
        const std::wstring name = L"IDC_CONTROL_" + std::to_wstring(i);
        store.AddID(name.c_str(), 1000 + i);
    }
    int found = 0;
    bench::Measure("GetIDByName over 300 ids (last one)", 5, 10000, [&] {
        for (int i = 0; i < 10000; ++i)
            found += store.GetIDByName(L"IDC_CONTROL_299") > 0;
    });
    std::printf("found %d\n", found);
    return 0;
}

#include "skin/model/ResourceH.h"

#include "skin/model/SkinStore.h"
#include "skin/model/TextHelpers.h"

#include <algorithm>
#include <cwchar>

namespace Vexel {

namespace {

// The system's standard dialog ids: controls may use them, but they are never numbered.
const wchar_t* const kReservedNames[] = {
    L"IDC_STATIC", L"IDOK", L"IDCANCEL", L"IDABORT", L"IDRETRY", L"IDIGNORE",
    L"IDYES", L"IDNO", L"IDCLOSE", L"IDHELP", L"IDTRYAGAIN", L"IDCONTINUE",
};

constexpr int kFirstID = 1000;
constexpr int kNumberColumn = 39;  // characters before the number

bool IsReserved(LPCWSTR name)
{
    return std::any_of(std::begin(kReservedNames), std::end(kReservedNames),
                       [name](const wchar_t* reserved) { return wcscmp(name, reserved) == 0; });
}

void AppendAnsi(std::string& out, const CString& text)
{
    if (text.IsEmpty())
        return;
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, text.GetLength(), nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return;
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(bytes));
    WideCharToMultiByte(CP_ACP, 0, text, text.GetLength(), &out[at], bytes, nullptr, nullptr);
}

} // namespace

int BuildIDList(const SkinStore& store, ResourceIDList& list)
{
    list.clear();
    int nextId = kFirstID;
    for (const auto& window : store.windows) {
        AddUniqueID(VariantToString(window->GetVar(CtrlVar::ID)), nextId, list);
        for (const CTRLPROPERTIES* control : window->Controls()) {
            if (control)
                AddUniqueID(VariantToString(control->GetVar(CtrlVar::ID)), nextId, list);
        }
    }
    return 1;
}

int AddUniqueID(LPCWSTR name, int& nextId, ResourceIDList& list)
{
    if (!name || !*name || IsReserved(name))
        return 0;
    const bool known = std::any_of(list.begin(), list.end(),
                                   [name](const ResourceID& entry) { return entry.name == name; });
    if (known)
        return 0;
    list.push_back({CString(name), nextId++});
    return 1;
}

int FormatDefineLines(const ResourceIDList& list, std::string& lines)
{
    for (const ResourceID& entry : list) {
        const std::size_t start = lines.size();
        lines += "#define ";
        AppendAnsi(lines, entry.name);
        const std::size_t length = lines.size() - start;
        lines.append(length < kNumberColumn ? kNumberColumn - length : 1, ' ');
        lines += std::to_string(entry.id);
        lines += "\r\n";
    }
    return 1;
}

} // namespace Vexel

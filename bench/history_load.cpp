// The history page loading 10,000 stored rows (LoadHistory: the table read, one record and
// one list row each) against a plain tree view of the system taking as many rows with the same
// texts (number and history text in one label); and the list emptied again as sign-out does,
// beside the plain tree's own delete-all. Medians of interleaved rounds; goal: the load at
// most 1.2 x its floor.
#include "bench/PageBench.h"

#include "skin/ui/controls/TreeList.h"
#include "windows/history/HistoryList.h"
#include "windows/history/HistoryWnd.h"

#include <cstdlib>

namespace {

int kRows = 10000;   // a first argument changes it, for a quick look
constexpr int kRounds = 7;

std::string HistoryText(int i)
{
    const std::string n = std::to_string(i);
    return "2024-05-" + n + " 10:00:00 AM 00:01:" + n;
}

std::string Number(int i)
{
    return "sip:peer" + std::to_string(i) + "@example.org";
}

bool StoreRows()
{
    if (!g_database.Exec("begin transaction"))
        return false;
    for (int i = 0; i < kRows; ++i) {
        const std::string sql = "insert into History(History, Number, CallType) values('" + HistoryText(i) + "', '" +
                                Number(i) + "', " + std::to_string(1 + i % 4) + ")";
        if (!g_database.Exec(sql))
            return false;
    }
    return g_database.Exec("commit transaction");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        kRows = std::atoi(argv[1]);
    const bench::PageBench setUp(L"lumeo_bench_history", &StoreRows);
    if (!setUp.Ready())
        return 1;
    const double sqliteSeconds =
        setUp.SqliteSeconds({"select History, Number, CallType from History order by rowid desc"}, kRounds);

    CHistoryWnd page;
    if (!page.Create(0, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, 1, 1) || !page.GetList()) {
        std::printf("could not make the history page\n");
        return 1;
    }
    Vexel::CTreeList& list = *page.GetList()->GetTreeList();
    RECT area{};
    list.GetClientRect(&area);
    const bench::PlainTree plain(SIZE{area.right - area.left, area.bottom - area.top}, TVS_FULLROWSELECT);

    std::vector<CString> texts;
    for (int i = kRows - 1; i >= 0; --i)
        texts.push_back(AnsiToWide(Number(i) + "  " + HistoryText(i)));
    // The floor holds the rows' texts; beside it, for a closer look, the same rows without text
    // (as the page's own rows, which it draws itself).
    const auto plainFillWith = [&](bool withTexts) {
        plain.HoldRedraw(true);
        LPARAM data = 0;
        for (const CString& text : texts)
            plain.Insert(TVI_ROOT, withTexts ? text.GetString() : L"", ++data);
        plain.HoldRedraw(false);
    };
    const auto plainFill = [&] { plainFillWith(true); };
    const std::vector<double> medians = bench::InterleavedMedians(
        kRounds, {
                     {"plain fill, empty texts", [&] { plain.DeleteAll(); }, [&] { plainFillWith(false); }},
                     {"plain fill", [&] { plain.DeleteAll(); }, plainFill},
                     {"page load", [&] { page.DeleteAllItems(false); }, [&] { page.LoadHistory(); }},
                     {"plain delete-all", [&] { if (plain.Count() == 0) plainFill(); }, [&] { plain.DeleteAll(); }},
                     {"page emptied", [&] { if (list.GetCount() == 0) page.LoadHistory(); },
                      [&] { page.DeleteAllItems(false); }},
                 });

    page.LoadHistory();
    const UINT shown = list.GetCount();
    std::printf("%d stored rows, %d interleaved rounds (medians)\n", kRows, kRounds);
    std::printf("%-36s %9.2f ms\n", "SQLite alone", sqliteSeconds * 1e3);
    std::printf("%-36s %u rows\n", "shown", shown);
    bench::PrintAgainstFloor("history page load", medians[2], medians[1], 1.2);
    bench::PrintAgainstFloor("  against rows without text", medians[2], medians[0], 0);
    bench::PrintAgainstFloor("sign-out emptying", medians[4], medians[3], 0);
    page.DestroyWindow();
    return static_cast<int>(shown) == kRows ? 0 : 1;
}

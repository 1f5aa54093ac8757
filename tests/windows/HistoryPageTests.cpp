// The history page inside the main window, against table History: the image of each call
// type, new rows on top, the stored rows shown again newest first after a sign-out and a
// new registration (which leave the table alone), texts with quotes, a history text stored
// twice, delete and delete all through menu 227 (and a database that refuses them), a right
// click below the last row, call back by double click, and GDI objects that do not grow
// with the rows.
#include "framework/WndDC.h"
#include "tests/support/GdiCount.h"
#include "tests/windows/MainFrameTestSupport.h"

#include "core/TavikSQL.h"
#include "resources/ProgramIds.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/controls/TreeList.h"
#include "windows/SkinScrollBars.h"
#include "windows/history/HistoryList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using testing::ElementsAre;
using testing::HasSubstr;

namespace windows_test {
namespace {

using Stored = std::tuple<std::string, std::string, int>;   // History, Number, CallType
using Shown = std::pair<std::wstring, std::wstring>;         // number, history

int CollectRow(void* argument, int, char** values, char**)
{
    static_cast<std::vector<Stored>*>(argument)->emplace_back(values[0] ? values[0] : "", values[1] ? values[1] : "",
                                                              values[2] ? std::atoi(values[2]) : -1);
    return 0;
}

// A memory canvas the rows are drawn on, as the tree part would paint them.
class Canvas {
public:
    static constexpr COLORREF kFill = RGB(1, 2, 3);
    Canvas(int w, int h)
    {
        CClientDC screen(nullptr);
        m_dc.CreateCompatibleDC(&screen);
        m_bitmap.CreateCompatibleBitmap(&screen, w, h);
        m_previous = m_dc.SelectObject(&m_bitmap);
        const RECT all{0, 0, w, h};
        m_dc.FillSolidRect(&all, kFill);
    }
    ~Canvas() { m_dc.SelectObject(m_previous); }
    CDC* Cdc() { return &m_dc; }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
};

class HistoryPage : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        CreateFrame(false);
        frame->History()->passOn = true;
        page = frame->History();
        list = page->GetList();
        ASSERT_NE(list, nullptr);
        tree = list->GetTreeList();
    }
    void TearDown() override
    {
        if (frame && frame->HasEngine())
            frame->SignOut(false);
        MainFrameTest::TearDown();
    }

    static std::vector<Stored> StoredRows()
    {
        std::vector<Stored> rows;
        EXPECT_TRUE(g_database.Exec("select History, Number, CallType from History order by rowid", &CollectRow, &rows));
        return rows;
    }
    // Rows straight into the table, as an earlier session of the program left them.
    static void Store(int count, int first = 0)
    {
        ASSERT_TRUE(g_database.Exec("begin transaction"));
        for (int i = first; i < first + count; ++i) {
            const std::string n = std::to_string(i);
            ASSERT_TRUE(g_database.Exec("insert into History(History, Number, CallType) values('call " + n + "', '" +
                                        n + "', 1)"));
        }
        ASSERT_TRUE(g_database.Exec("commit transaction"));
    }
    std::vector<Shown> ShownRows()
    {
        std::vector<Shown> rows;
        for (HTREEITEM item = tree->GetRootItem(); item; item = tree->GetNextSiblingItem(item)) {
            const HistoryItem* const record = list->GetRecord(item);
            EXPECT_NE(record, nullptr);
            if (record)
                rows.emplace_back(record->number.Str(), record->history.Str());
        }
        return rows;
    }
    HTREEITEM Row(int index) const
    {
        HTREEITEM item = tree->GetRootItem();
        while (item && index-- > 0)
            item = tree->GetNextSiblingItem(item);
        return item;
    }
    HTREEITEM RowOf(const wchar_t* number)
    {
        for (HTREEITEM item = tree->GetRootItem(); item; item = tree->GetNextSiblingItem(item)) {
            const HistoryItem* const record = list->GetRecord(item);
            if (record && record->number == number)
                return item;
        }
        ADD_FAILURE() << "no row for that number";
        return nullptr;
    }
    POINT InRow(HTREEITEM item) const
    {
        RECT row{};
        tree->GetItemRect(item, &row, FALSE);
        return POINT{row.left + 60, (row.top + row.bottom) / 2};
    }
    // A right click at `point` of the tree part, answered with `command` when a menu opens.
    void RightClick(POINT point, UINT command = 0)
    {
        tree->ClientToScreen(&point);
        ASSERT_TRUE(::SetCursorPos(point.x, point.y));
        s_menuAnswer = command;
        NMHDR click{tree->GetSafeHwnd(), Vexel::CTreeListCtrl::kTreeId, static_cast<UINT>(NM_RCLICK)};
        EXPECT_EQ(0, list->SendMessage(WM_NOTIFY, click.idFrom, reinterpret_cast<LPARAM>(&click)));
        PumpPending();
        s_menuAnswer = 0;
    }
    void Choose(HTREEITEM item, UINT command) { RightClick(InRow(item), command); }
    // Signed in as the first registration success after a sign-in leaves it.
    void SignInAndRegister()
    {
        ASSERT_TRUE(frame->SignIn());
        Deliver(NewEvent(1));
        ASSERT_EQ(1, frame->IsSignedIn());
    }

    RecordingHistory* page = nullptr;
    CHistoryList* list = nullptr;
    Vexel::CTreeList* tree = nullptr;
};

TEST_F(HistoryPage, EachRowDrawsTheImageOfItsCallTypeAndItsBackground)
{
    // An unanswered call (3 in, 4 out) shows the other's image; unknown types show as 1.
    const struct {
        int callType;
        const wchar_t* file;
    } kTypes[] = {{1, L"Calllog1.bmp"}, {2, L"Calllog2.bmp"}, {3, L"Calllog4.bmp"},
                  {4, L"Calllog3.bmp"}, {0, L"Calllog1.bmp"}, {9, L"Calllog1.bmp"}};
    for (const auto& type : kTypes)
        page->AddHistory("call of type " + std::to_string(type.callType), "100", type.callType);
    ASSERT_EQ(ShownRows().size(), 6u);
    Canvas canvas(400, 400);
    for (int i = 0; i < 6; ++i) {
        const int type = kTypes[5 - i].callType;   // the last added is on top
        const HTREEITEM item = Row(i);
        RECT row{};
        tree->GetItemRect(item, &row, FALSE);
        ASSERT_EQ(tree->DrawItem(canvas.Cdc(), item), 1) << "the list draws its rows itself";

        CBitmap expected;
        Vexel::HandBitmap(expected, Vexel::LoadBitmapFromFile(Vexel::GetSkinFolder() + kTypes[5 - i].file));
        ASSERT_TRUE(expected.GetSafeHandle()) << type;
        CDC source;
        source.CreateCompatibleDC(canvas.Cdc());
        const Vexel::SelectedObject held(source, expected);
        int wrong = 0;
        for (int y = 0; y < 28; ++y) {
            for (int x = 0; x < 28; ++x)
                wrong += canvas.At(row.left + x, row.top + y) != ::GetPixel(source, x, y);
        }
        EXPECT_EQ(wrong, 0) << "call type " << type;
        // The background leaves a pixel of the tree above each row.
        EXPECT_EQ(canvas.At(row.right - 2, row.top), Canvas::kFill) << type;
        EXPECT_EQ(canvas.At(row.right - 2, row.top + 1), RGB(255, 255, 255)) << type;
    }
    tree->SelectItem(Row(2));
    RECT row{};
    tree->GetItemRect(Row(2), &row, FALSE);
    ASSERT_EQ(tree->DrawItem(canvas.Cdc(), Row(2)), 1);
    EXPECT_EQ(canvas.At(row.right - 2, row.top + 1), list->m_selectedBkColor);
    EXPECT_EQ(list->m_selectedBkColor, RGB(0xE3, 0xFF, 0xFF));
}

TEST_F(HistoryPage, NewRowsGoOnTopAndAreStoredAsTheyCame)
{
    page->AddHistory("2024-05-01 10:00:00 AM 00:01:00", "sip:bob@example", 1);
    page->AddHistory("2024-05-01 11:00:00 AM 00:00:00", "200", 4);
    EXPECT_THAT(ShownRows(), ElementsAre(Shown{L"200", L"2024-05-01 11:00:00 AM 00:00:00"},
                                         Shown{L"sip:bob@example", L"2024-05-01 10:00:00 AM 00:01:00"}));
    EXPECT_THAT(StoredRows(), ElementsAre(Stored{"2024-05-01 10:00:00 AM 00:01:00", "sip:bob@example", 1},
                                          Stored{"2024-05-01 11:00:00 AM 00:00:00", "200", 4}));
}

TEST_F(HistoryPage, SignOutEmptiesTheListAloneAndTheNextRegistrationShowsEveryStoredRowNewestFirst)
{
    UseAccount();
    SignInAndRegister();
    page->AddHistory("first", "1", 1);
    page->AddHistory("second", "2", 2);
    Store(1, 3);   // stored by an earlier session, not listed yet
    const std::vector<Stored> stored = StoredRows();
    ASSERT_EQ(stored.size(), 3u);

    frame->SignOut(false);
    EXPECT_TRUE(ShownRows().empty());
    EXPECT_EQ(StoredRows(), stored);

    UseAccount();
    SignInAndRegister();
    EXPECT_THAT(ShownRows(), ElementsAre(Shown{L"3", L"call 3"}, Shown{L"2", L"second"}, Shown{L"1", L"first"}));
    EXPECT_EQ(StoredRows(), stored);

    // Later registrations do not load again.
    Deliver(NewEvent(1));
    EXPECT_EQ(ShownRows().size(), 3u);
}

TEST_F(HistoryPage, TextsWithQuotesAreStoredShownAndDeletedAsTheyAre)
{
    const std::string history = "2024-05-01 10:00:00 AM 00:01:00 O'Brien's";
    const std::string number = "sip:o'brien@example";
    page->AddHistory(history, number, 2);
    EXPECT_THAT(StoredRows(), ElementsAre(Stored{history, number, 2}));
    EXPECT_THAT(ShownRows(), ElementsAre(Shown{L"sip:o'brien@example", L"2024-05-01 10:00:00 AM 00:01:00 O'Brien's"}));
    Choose(Row(0), ID_HISTORY_DELETE);
    EXPECT_TRUE(ShownRows().empty());
    EXPECT_TRUE(StoredRows().empty());
}

TEST_F(HistoryPage, AHistoryTextStoredAlreadyIsNotShownTwiceAndItsRowDeletesBoth)
{
    page->AddHistory("same text", "100", 1);
    page->AddHistory("same text", "200", 2);
    EXPECT_THAT(ShownRows(), ElementsAre(Shown{L"100", L"same text"}));
    EXPECT_THAT(StoredRows(), ElementsAre(Stored{"same text", "100", 1}));
    Choose(Row(0), ID_HISTORY_DELETE);
    EXPECT_TRUE(ShownRows().empty());
    EXPECT_TRUE(StoredRows().empty());
}

TEST_F(HistoryPage, DeleteTakesTheClickedRowAndDeleteAllExactlyTheListedOnes)
{
    page->AddHistory("a", "1", 1);
    page->AddHistory("b", "2", 1);
    page->AddHistory("c", "3", 1);
    Choose(Row(1), ID_HISTORY_DELETE);
    EXPECT_THAT(ShownRows(), ElementsAre(Shown{L"3", L"c"}, Shown{L"1", L"a"}));
    EXPECT_THAT(StoredRows(), ElementsAre(Stored{"a", "1", 1}, Stored{"c", "3", 1}));

    Store(1, 7);   // in the table but not in the list
    Choose(Row(0), ID_HISTORY_DELETEALL);
    EXPECT_TRUE(ShownRows().empty());
    EXPECT_THAT(StoredRows(), ElementsAre(Stored{"call 7", "7", 1}));

    // On an empty list it does nothing.
    EXPECT_TRUE(list->DeleteAll(true));
    EXPECT_THAT(StoredRows(), ElementsAre(Stored{"call 7", "7", 1}));
}

TEST_F(HistoryPage, ADeleteTheDatabaseRefusesLeavesListAndTableAsTheyWere)
{
    page->AddHistory("a", "1", 1);
    page->AddHistory("b", "2", 1);
    ASSERT_TRUE(g_database.Exec("create trigger keep before delete on History when old.History = 'a' "
                                "begin select raise(abort, 'kept'); end"));
    for (const UINT command : {static_cast<UINT>(ID_HISTORY_DELETEALL), static_cast<UINT>(ID_HISTORY_DELETE)}) {
        Choose(Row(1), command);
        EXPECT_THAT(ShownRows(), ElementsAre(Shown{L"2", L"b"}, Shown{L"1", L"a"})) << command;
        EXPECT_EQ(StoredRows().size(), 2u) << command;
    }
    // The refusal left no transaction open: the next delete goes through.
    Choose(Row(0), ID_HISTORY_DELETE);
    EXPECT_THAT(ShownRows(), ElementsAre(Shown{L"1", L"a"}));
    EXPECT_THAT(StoredRows(), ElementsAre(Stored{"a", "1", 1}));
}

TEST_F(HistoryPage, ARightClickOnARowOpensMenu227LocalisedAndBelowTheLastRowNothing)
{
    page->AddHistory("a", "1", 1);
    page->AddHistory("b", "2", 1);
    tree->SelectItem(Row(1));
    RECT last{};
    tree->GetItemRect(Row(1), &last, FALSE);
    RightClick(POINT{last.left + 60, last.bottom + 10});
    EXPECT_TRUE(s_menus.empty());
    EXPECT_EQ(tree->GetSelectedItem(), Row(1));

    RightClick(InRow(Row(0)));
    EXPECT_THAT(s_menus, ElementsAre(IDM_HISTORY));
    EXPECT_EQ(s_firstItemDrawn, L"MENU_HISTORY/11000");
    EXPECT_EQ(tree->GetSelectedItem(), Row(0)) << "the clicked row is selected";
    EXPECT_EQ(ShownRows().size(), 2u) << "a menu closed without a choice changes nothing";
}

TEST_F(HistoryPage, ADoubleClickOrCallCallsTheRowsNumberBack)
{
    page->AddHistory("a", "sip:bob@example", 1);
    page->AddHistory("b", "300", 2);
    UseAccount();
    SignInAndRegister();
    EngineControl_ClearJournal();
    const POINT second = InRow(RowOf(L"sip:bob@example"));
    tree->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(second.x, second.y));
    PumpPending();
    std::vector<std::string> calls = JournalOf("Tavik_call");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_THAT(calls[0], HasSubstr("\"sip:bob@example\""));

    // Call in the row's menu does the same for the clicked row (the line free again).
    frame->Calls()->HangUpAllLines();
    Choose(RowOf(L"300"), ID_HISTORY_CALL);
    calls = JournalOf("Tavik_call");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_THAT(calls[1], HasSubstr("\"300\""));

    // A double click below the rows calls nobody.
    frame->Calls()->HangUpAllLines();
    RECT last{};
    tree->GetItemRect(Row(static_cast<int>(tree->GetCount()) - 1), &last, FALSE);
    tree->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(last.left + 60, last.bottom + 10));
    PumpPending();
    EXPECT_EQ(JournalOf("Tavik_call").size(), 2u);
}

TEST_F(HistoryPage, GdiObjectsDoNotGrowWithTheRows)
{
    Canvas canvas(400, 400);
    const auto loadAndDraw = [&] {
        page->LoadHistory();
        for (HTREEITEM item = tree->GetFirstVisibleItem(); item; item = tree->GetNextVisibleItem(item))
            tree->DrawItem(canvas.Cdc(), item);
    };
    Store(10);
    loadAndDraw();
    const int few = lumeo_test::LiveGdiObjects();
    Store(1000, 10);
    loadAndDraw();
    EXPECT_EQ(ShownRows().size(), 1010u);
    EXPECT_EQ(lumeo_test::LiveGdiObjects(), few);
    page->DeleteAllItems(false);
    EXPECT_EQ(lumeo_test::LiveGdiObjects(), few);
}

// A bar that shows its drawing to the test.
class DrawnBar : public Vexel::CScrollBarEx {
public:
    void DrawInto(CDC* dc, const RECT& rect) { DrawVertScrollBar(dc, rect); }
};

// Every skin bar (the history page's, the contacts page's) is dressed alike: its arrows are the
// track image's own first rows, cut at the arrow length the bar draws them at.
TEST_F(HistoryPage, ASkinBarsArrowIsTheTrackImagesOwnEnd)
{
    CBitmap image;
    Vexel::HandBitmap(image, Vexel::LoadBitmapFromFile(Vexel::GetSkinFolder() + kVertScrollBarFiles.track[0]));
    SIZE size{};
    ASSERT_EQ(0, Vexel::GetBitmapSize(image, size));
    DrawnBar bar;
    const RECT area{0, 0, size.cx, 200};
    ASSERT_TRUE(bar.Create(WS_CHILD | SBS_VERT, area, page, 4001));
    DressSkinScrollBar(&bar, kVertScrollBarFiles, Vexel::GetSkinFolder());
    SCROLLINFO range{sizeof(SCROLLINFO), SIF_ALL, 0, 100, 10, 0, 0};
    bar.SetScrollInfo(range);   // a thumb: the bar is active, its normal look drawn
    Canvas canvas(size.cx, 200);
    bar.DrawInto(canvas.Cdc(), area);

    Vexel::BitmapDC file(*canvas.Cdc(), image);
    int differing = 0;
    for (int y = 0; y < kScrollArrowLength; ++y) {
        for (int x = 0; x < size.cx; ++x)
            differing += canvas.At(x, y) != ::GetPixel(file, x, y) ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);
    bar.DestroyWindow();
}

} // namespace
} // namespace windows_test

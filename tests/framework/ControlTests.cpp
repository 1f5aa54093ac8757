// The control classes: each makes its system control, gets the notifications that control
// sends its parent handed back (in their wide forms where there are two), and reads back
// what was set through its members.
#include "tests/framework/WindowTestSupport.h"

#include "framework/Button.h"
#include "framework/CommonControls.h"
#include "framework/ComboBox.h"
#include "framework/DateTimeCtrl.h"
#include "framework/Edit.h"
#include "framework/HeaderCtrl.h"
#include "framework/HotKeyCtrl.h"
#include "framework/IPAddressCtrl.h"
#include "framework/ListCtrl.h"
#include "framework/ProgressCtrl.h"
#include "framework/RichEditCtrl.h"
#include "framework/SliderCtrl.h"
#include "framework/SpinButtonCtrl.h"
#include "framework/Static.h"
#include "framework/ToolTipCtrl.h"
#include "framework/TreeCtrl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A notification as the control saw it come back: the message the parent got and its code.
struct Reflected {
    UINT message;
    int code;
    bool operator==(const Reflected& other) const { return message == other.message && code == other.code; }
};

std::vector<Reflected> g_reflected;

int CodeOf(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return HIWORD(wParam);
    case WM_NOTIFY:
        return static_cast<int>(reinterpret_cast<const NMHDR*>(lParam)->code);
    case WM_HSCROLL:
    case WM_VSCROLL:
        return LOWORD(wParam);
    default:
        return 0;
    }
}

// A control that notes every message handed back to it and then lets it go on as usual.
template <class Control>
class Noting : public Control {
protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        g_reflected.push_back({message, CodeOf(message, wParam, lParam)});
        return Control::OnChildNotify(message, wParam, lParam, result);
    }
};

bool Saw(UINT message, int code)
{
    return std::find(g_reflected.begin(), g_reflected.end(), Reflected{message, code}) != g_reflected.end();
}

std::wstring ClassOf(HWND hwnd)
{
    wchar_t name[64] = L"";
    GetClassNameW(hwnd, name, 64);
    return name;
}

constexpr UINT kId = 40;
const CRect kRect(10, 10, 210, 110);

// One control class: how to make it, what to do so that it notifies, what it must then
// have sent, and what it must read back.
struct ControlCase {
    const char* name;
    const wchar_t* systemClass;
    std::function<std::unique_ptr<CWnd>(CWnd& parent)> make;
    std::function<void(CWnd& control)> provoke;
    std::vector<Reflected> expected;
    std::function<void(CWnd& control)> readBack;
};

template <class Control, class Make>
std::function<std::unique_ptr<CWnd>(CWnd&)> Maker(Make make)
{
    return [make](CWnd& parent) -> std::unique_ptr<CWnd> {
        auto control = std::make_unique<Noting<Control>>();
        if (!make(*control, parent))
            return nullptr;
        return control;
    };
}

template <class Control, class Body>
std::function<void(CWnd&)> On(Body body)
{
    return [body](CWnd& control) { body(static_cast<Control&>(control)); };
}

std::vector<ControlCase> Cases()
{
    constexpr DWORD kShown = WS_VISIBLE;
    return {
        {"button", L"Button",
         Maker<CButton>([](CButton& c, CWnd& p) { return c.Create(L"Check", kShown | BS_AUTOCHECKBOX, kRect, &p, kId); }),
         On<CButton>([](CButton& c) { c.Click(); }),
         {{WM_COMMAND, BN_CLICKED}},
         On<CButton>([](CButton& c) {
             EXPECT_EQ(c.GetCheck(), BST_CHECKED);   // the click checked it
             c.SetCheck(BST_UNCHECKED);
             EXPECT_EQ(c.GetCheck(), BST_UNCHECKED);
             EXPECT_EQ(c.GetButtonStyle(), static_cast<UINT>(BS_AUTOCHECKBOX));
         })},
        {"static", L"Static",
         Maker<CStatic>([](CStatic& c, CWnd& p) { return c.Create(nullptr, kShown | SS_ICON | SS_NOTIFY, kRect, &p, kId); }),
         On<CStatic>([](CStatic& c) { c.EnableWindow(FALSE); }),
         {{WM_COMMAND, STN_DISABLE}},
         On<CStatic>([](CStatic& c) {
             const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
             c.SetIcon(icon);
             EXPECT_EQ(c.GetIcon(), icon);
         })},
        {"edit", L"Edit",
         Maker<CEdit>([](CEdit& c, CWnd& p) { return c.Create(kShown | ES_AUTOHSCROLL, kRect, &p, kId); }),
         On<CEdit>([](CEdit& c) { c.SetWindowText(L"hello"); }),
         {{WM_COMMAND, EN_CHANGE}},
         On<CEdit>([](CEdit& c) {
             c.SetLimitText(40);
             EXPECT_EQ(c.GetLimitText(), 40u);
             c.SetSel(1, 3);
             int start = -1, end = -1;
             c.GetSel(start, end);
             EXPECT_EQ(start, 1);
             EXPECT_EQ(end, 3);
             c.ReplaceSel(L"EL");
             CString text;
             c.GetWindowText(text);
             EXPECT_EQ(text, L"hELlo");
         })},
        {"combo box", L"ComboBox",
         Maker<CComboBox>([](CComboBox& c, CWnd& p) { return c.Create(kShown | CBS_DROPDOWNLIST, kRect, &p, kId); }),
         On<CComboBox>([](CComboBox& c) {
             c.ShowDropDown(TRUE);
             c.ShowDropDown(FALSE);
         }),
         {{WM_COMMAND, CBN_DROPDOWN}, {WM_COMMAND, CBN_CLOSEUP}},
         On<CComboBox>([](CComboBox& c) {
             c.AddString(L"one");
             c.AddString(L"two");
             c.SetItemData(1, 77);
             EXPECT_EQ(c.SetCurSel(1), 1);
             EXPECT_EQ(c.GetCurSel(), 1);
             CString text;
             EXPECT_EQ(c.GetLBText(1, text), 3);
             EXPECT_EQ(text, L"two");
             EXPECT_EQ(c.GetLBText(5, text), CB_ERR);
             EXPECT_TRUE(text.IsEmpty());
             EXPECT_EQ(c.GetItemData(1), 77u);
             EXPECT_EQ(c.FindStringExact(-1, L"ONE"), 0);
             EXPECT_EQ(c.GetEditWindow(), nullptr);   // a drop-down list has no edit child
         })},
        {"tree", WC_TREEVIEWW,
         Maker<CTreeCtrl>([](CTreeCtrl& c, CWnd& p) { return c.Create(kShown | TVS_HASBUTTONS, kRect, &p, kId); }),
         On<CTreeCtrl>([](CTreeCtrl& c) {
             const HTREEITEM root = c.InsertItem(L"root");
             c.SelectItem(c.InsertItem(L"leaf", root));
         }),
         {{WM_NOTIFY, static_cast<int>(TVN_SELCHANGINGW)}, {WM_NOTIFY, static_cast<int>(TVN_SELCHANGEDW)}},
         On<CTreeCtrl>([](CTreeCtrl& c) {
             const HTREEITEM root = c.GetRootItem();
             const HTREEITEM leaf = c.GetChildItem(root);
             ASSERT_NE(leaf, nullptr);
             EXPECT_EQ(c.GetSelectedItem(), leaf);
             EXPECT_EQ(c.GetParentItem(leaf), root);
             EXPECT_EQ(c.GetItemText(leaf), L"leaf");
             EXPECT_TRUE(c.SetItemText(leaf, L"renamed"));
             EXPECT_EQ(c.GetItemText(leaf), L"renamed");
             EXPECT_TRUE(c.SetItemData(leaf, 1234));
             EXPECT_EQ(c.GetItemData(leaf), 1234u);
             EXPECT_TRUE(c.ItemHasChildren(root));
             EXPECT_EQ(c.GetCount(), 2u);
             c.SetBkColor(RGB(1, 2, 3));
             EXPECT_EQ(c.GetBkColor(), RGB(1, 2, 3));
             CRect row;
             EXPECT_TRUE(c.GetItemRect(root, &row, FALSE));
             EXPECT_EQ(c.HitTest(row.CenterPoint()), root);
         })},
        {"list view", WC_LISTVIEWW,
         Maker<CListCtrl>([](CListCtrl& c, CWnd& p) { return c.Create(kShown | LVS_REPORT, kRect, &p, kId); }),
         On<CListCtrl>([](CListCtrl& c) {
             c.InsertColumn(0, L"Name", LVCFMT_LEFT, 80);
             c.InsertColumn(1, L"Number", LVCFMT_LEFT, 80);
             c.InsertItem(0, LPSTR_TEXTCALLBACKW);
             c.GetItemText(0, 0);   // asks its parent for the text
             c.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
         }),
         {{WM_NOTIFY, static_cast<int>(LVN_GETDISPINFOW)}, {WM_NOTIFY, static_cast<int>(LVN_ITEMCHANGED)}},
         On<CListCtrl>([](CListCtrl& c) {
             EXPECT_EQ(c.InsertItem(1, L"second"), 1);
             EXPECT_TRUE(c.SetItemText(1, 1, L"555"));
             EXPECT_EQ(c.GetItemText(1, 0), L"second");
             EXPECT_EQ(c.GetItemText(1, 1), L"555");
             EXPECT_TRUE(c.SetItemData(1, 99));
             EXPECT_EQ(c.GetItemData(1), 99u);
             EXPECT_EQ(c.GetItemCount(), 2);
             EXPECT_EQ(c.GetItemState(0, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
             EXPECT_EQ(c.GetNextItem(-1, LVNI_SELECTED), 0);
             EXPECT_EQ(c.GetColumnWidth(1), 80);
             EXPECT_NE(c.GetHeaderWindow(), nullptr);
             c.SetExtendedStyle(LVS_EX_FULLROWSELECT);
             EXPECT_EQ(c.GetExtendedStyle() & LVS_EX_FULLROWSELECT, static_cast<DWORD>(LVS_EX_FULLROWSELECT));
             CRect bounds;
             ASSERT_TRUE(c.GetItemRect(1, &bounds, LVIR_BOUNDS));
             EXPECT_EQ(c.HitTest(CPoint(bounds.left + 2, bounds.CenterPoint().y)), 1);
         })},
        {"header", WC_HEADERW,
         Maker<CHeaderCtrl>([](CHeaderCtrl& c, CWnd& p) { return c.Create(kShown | HDS_BUTTONS, kRect, &p, kId); }),
         On<CHeaderCtrl>([](CHeaderCtrl& c) {
             HDITEMW item{};
             item.mask = HDI_TEXT | HDI_WIDTH;
             item.pszText = const_cast<LPWSTR>(L"Column");
             item.cxy = 50;
             c.InsertItem(0, &item);
             item.mask = HDI_WIDTH;
             item.cxy = 70;
             c.SetItem(0, &item);
         }),
         {{WM_NOTIFY, static_cast<int>(HDN_ITEMCHANGINGW)}, {WM_NOTIFY, static_cast<int>(HDN_ITEMCHANGEDW)}},
         On<CHeaderCtrl>([](CHeaderCtrl& c) {
             EXPECT_EQ(c.GetItemCount(), 1);
             HDITEMW item{};
             item.mask = HDI_WIDTH;
             ASSERT_TRUE(c.GetItem(0, &item));
             EXPECT_EQ(item.cxy, 70);
             CRect rect;
             ASSERT_TRUE(c.GetItemRect(0, &rect));
             EXPECT_EQ(rect.Width(), 70);
         })},
        {"slider", TRACKBAR_CLASSW,
         Maker<CSliderCtrl>([](CSliderCtrl& c, CWnd& p) {
             if (!c.Create(kShown | TBS_HORZ, kRect, &p, kId))
                 return false;
             c.SetRange(0, 10);
             c.SetPos(3);
             return true;
         }),
         On<CSliderCtrl>([](CSliderCtrl& c) { c.SendMessage(WM_KEYDOWN, VK_RIGHT, 0); }),
         {{WM_HSCROLL, TB_LINEDOWN}},
         On<CSliderCtrl>([](CSliderCtrl& c) {
             EXPECT_EQ(c.GetRangeMin(), 0);
             EXPECT_EQ(c.GetRangeMax(), 10);
             EXPECT_EQ(c.GetPos(), 4);   // the key moved it one line
             c.SetPos(20);
             EXPECT_EQ(c.GetPos(), 10);
         })},
        {"progress bar", PROGRESS_CLASSW,
         Maker<CProgressCtrl>([](CProgressCtrl& c, CWnd& p) { return c.Create(kShown, kRect, &p, kId); }),
         nullptr,
         {},   // a progress bar tells its parent nothing
         On<CProgressCtrl>([](CProgressCtrl& c) {
             c.SetRange32(0, 200);
             c.SetPos(50);
             EXPECT_EQ(c.OffsetPos(10), 50);
             EXPECT_EQ(c.GetPos(), 60);
             int lower = -1, upper = -1;
             c.GetRange(lower, upper);
             EXPECT_EQ(lower, 0);
             EXPECT_EQ(upper, 200);
         })},
        {"spin button", UPDOWN_CLASSW,
         Maker<CSpinButtonCtrl>([](CSpinButtonCtrl& c, CWnd& p) {
             if (!c.Create(kShown | UDS_ARROWKEYS, kRect, &p, kId))
                 return false;
             c.SetRange32(0, 10);
             c.SetPos32(5);
             return true;
         }),
         On<CSpinButtonCtrl>([](CSpinButtonCtrl& c) { c.SendMessage(WM_KEYDOWN, VK_UP, 0); }),
         {{WM_NOTIFY, static_cast<int>(UDN_DELTAPOS)}, {WM_VSCROLL, SB_THUMBPOSITION}},
         On<CSpinButtonCtrl>([](CSpinButtonCtrl& c) {
             EXPECT_EQ(c.GetPos32(), 6);
             int lower = -1, upper = -1;
             c.GetRange32(lower, upper);
             EXPECT_EQ(lower, 0);
             EXPECT_EQ(upper, 10);
             EXPECT_EQ(c.SetBase(16), 10);
             EXPECT_EQ(c.GetBase(), 16);
         })},
        {"hot-key box", HOTKEY_CLASSW,
         Maker<CHotKeyCtrl>([](CHotKeyCtrl& c, CWnd& p) { return c.Create(kShown, kRect, &p, kId); }),
         On<CHotKeyCtrl>([](CHotKeyCtrl& c) { c.SendMessage(WM_KEYDOWN, 'B', 0); }),
         {{WM_COMMAND, EN_CHANGE}},
         On<CHotKeyCtrl>([](CHotKeyCtrl& c) {
             c.SetHotKey('K', HOTKEYF_CONTROL);
             WORD key = 0, modifiers = 0;
             c.GetHotKey(key, modifiers);
             EXPECT_EQ(key, 'K');
             EXPECT_EQ(modifiers, HOTKEYF_CONTROL);
         })},
        {"IP address box", WC_IPADDRESSW,
         Maker<CIPAddressCtrl>([](CIPAddressCtrl& c, CWnd& p) { return c.Create(kShown, kRect, &p, kId); }),
         On<CIPAddressCtrl>([](CIPAddressCtrl& c) { c.SetAddress(10, 0, 0, 1); }),
         {{WM_COMMAND, EN_CHANGE}},
         On<CIPAddressCtrl>([](CIPAddressCtrl& c) {
             DWORD address = 0;
             EXPECT_EQ(c.GetAddress(address), 4);
             EXPECT_EQ(address, static_cast<DWORD>(MAKEIPADDRESS(10, 0, 0, 1)));
             c.ClearAddress();
             EXPECT_TRUE(c.IsBlank());
         })},
        {"date-time picker", DATETIMEPICK_CLASSW,
         Maker<CDateTimeCtrl>([](CDateTimeCtrl& c, CWnd& p) { return c.Create(kShown, kRect, &p, kId); }),
         On<CDateTimeCtrl>([](CDateTimeCtrl& c) { c.SendMessage(WM_SETFOCUS); }),
         {{WM_NOTIFY, static_cast<int>(NM_SETFOCUS)}},
         On<CDateTimeCtrl>([](CDateTimeCtrl& c) {
             SYSTEMTIME set{};
             set.wYear = 2024;
             set.wMonth = 5;
             set.wDay = 6;
             set.wDayOfWeek = 1;
             set.wHour = 7;
             set.wMinute = 8;
             ASSERT_TRUE(c.SetTime(&set));
             SYSTEMTIME got{};
             EXPECT_EQ(c.GetTime(&got), static_cast<DWORD>(GDT_VALID));
             EXPECT_EQ(got.wYear, 2024);
             EXPECT_EQ(got.wMonth, 5);
             EXPECT_EQ(got.wDay, 6);
             EXPECT_EQ(got.wHour, 7);
             EXPECT_EQ(got.wMinute, 8);
         })},
        {"rich edit", RICHEDIT_CLASSW,
         Maker<CRichEditCtrl>([](CRichEditCtrl& c, CWnd& p) {
             if (!c.Create(kShown | ES_MULTILINE, kRect, &p, kId))
                 return false;
             c.SetEventMask(ENM_SELCHANGE);
             return true;
         }),
         On<CRichEditCtrl>([](CRichEditCtrl& c) {
             c.SetWindowText(L"hello rich");
             c.SetSel(1, 3);
         }),
         {{WM_NOTIFY, static_cast<int>(EN_SELCHANGE)}},
         On<CRichEditCtrl>([](CRichEditCtrl& c) {
             EXPECT_EQ(c.GetEventMask(), static_cast<DWORD>(ENM_SELCHANGE));
             long start = -1, end = -1;
             c.GetSel(start, end);
             EXPECT_EQ(start, 1);
             EXPECT_EQ(end, 3);
             EXPECT_EQ(c.GetTextLength(), 10);
             c.ReplaceSel(L"EL");
             CString text;
             c.GetWindowText(text);
             EXPECT_EQ(text, L"hELlo rich");
         })},
    };
}

class ControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Make(L"controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        g_reflected.clear();
    }
    wndtest::Frame parent;
};

TEST_F(ControlTest, EachClassMakesItsControlGetsItsNotificationsBackAndReadsBackWhatItSet)
{
    for (const ControlCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        g_reflected.clear();
        const std::unique_ptr<CWnd> control = c.make(parent);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassOf(control->m_hWnd), c.systemClass);
        EXPECT_EQ(CWnd::FromHandlePermanent(control->m_hWnd), control.get());
        EXPECT_EQ(control->GetDlgCtrlID(), static_cast<int>(kId));
        EXPECT_TRUE(control->GetStyle() & WS_CHILD);
        if (c.provoke)
            c.provoke(*control);
        wndtest::PumpPending();
        for (const Reflected& expected : c.expected)
            EXPECT_TRUE(Saw(expected.message, expected.code))
                << "message " << expected.message << " code " << expected.code << " not handed back";
        c.readBack(*control);
        control->DestroyWindow();
    }
}

// The edit child of a drop-down combo can be an object of its own; its notifications come
// back to it, and the combo still tells its parent about the edit.
class ComboParent : public wndtest::Frame {
public:
    int editChanges = 0;

protected:
    void OnEditChange() { ++editChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ComboParent, wndtest::Frame)
    ON_CONTROL(CBN_EDITCHANGE, kId, &ComboParent::OnEditChange)
END_MESSAGE_MAP()

TEST(ComboBox, ItsEditChildHasNotificationsOfItsOwnAndTheComboStillReportsThem)
{
    ComboParent parent;
    ASSERT_TRUE(parent.Make(L"combo", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN, CRect(5, 5, 150, 200), &parent, kId));
    const HWND editWindow = combo.GetEditWindow();
    ASSERT_NE(editWindow, nullptr);
    EXPECT_EQ(GetParent(editWindow), combo.m_hWnd);

    Noting<CEdit> edit;
    ASSERT_TRUE(edit.SubclassWindow(editWindow));
    g_reflected.clear();
    // As typed: the edit's own change notice goes to the combo (not a programmatic
    // WM_SETTEXT, which the combo does not report).
    SendMessageW(editWindow, WM_CHAR, 'x', 0);
    EXPECT_TRUE(Saw(WM_COMMAND, EN_CHANGE));
    EXPECT_EQ(parent.editChanges, 1);
    CString text;
    combo.GetWindowText(text);
    EXPECT_EQ(text, L"x");
    edit.UnsubclassWindow();
}

TEST(RichEdit, TheLibraryIsLoadedOnceAndStays)
{
    EXPECT_TRUE(AfxInitRichEdit2());
    const HMODULE loaded = GetModuleHandleW(L"riched20.dll");
    EXPECT_NE(loaded, nullptr);
    EXPECT_TRUE(AfxInitRichEdit2());
    EXPECT_EQ(GetModuleHandleW(L"riched20.dll"), loaded);
}

} // namespace

// The skinned rich edit: text and colours go in and come back as the rich edit keeps them,
// and a skinned scroll bar that notifies it scrolls it.
#include "ControlParent.h"

#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinRichEditCtrl.h"

#include <gtest/gtest.h>

#include <string>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kEditId = 70;
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kPaper = RGB(250, 240, 200);

class SkinRichEditTest : public ::testing::Test {
protected:
    void Make(DWORD style = 0)
    {
        ASSERT_TRUE(edit.CreateEx(WS_EX_TRANSPARENT, WS_VISIBLE | style, RECT{10, 10, 210, 90}, &parent, kEditId));
    }

    ControlParent parent{50, 50, 300, 200};
    CSkinRichEditCtrl edit;
};

TEST_F(SkinRichEditTest, TextAndColoursComeBackAsSet)
{
    Make(ES_MULTILINE);
    edit.SetWindowText(L"Hello rich world");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, L"Hello rich world");

    edit.SetBackgroundColor(FALSE, kPaper);
    EXPECT_EQ(edit.SetBackgroundColor(FALSE, kPaper), kPaper) << "the previous colour comes back";

    edit.SetSel(6, 10);
    CHARFORMAT2W format{};
    format.dwMask = CFM_COLOR;
    format.crTextColor = kRed;
    ASSERT_TRUE(edit.SetSelectionCharFormat(format));
    CHARFORMAT2W read{};
    edit.SetSel(7, 8);
    const DWORD same = edit.GetSelectionCharFormat(read);
    EXPECT_TRUE(same & CFM_COLOR);
    EXPECT_EQ(read.crTextColor, kRed);
    EXPECT_FALSE(read.dwEffects & CFE_AUTOCOLOR);
}

TEST_F(SkinRichEditTest, ASkinnedScrollBarScrollsIt)
{
    Make(ES_MULTILINE | ES_AUTOVSCROLL);
    std::wstring lines;
    for (int i = 0; i < 40; ++i)
        lines += L"line " + std::to_wstring(i) + L"\r\n";
    edit.SetWindowText(lines.c_str());
    ASSERT_EQ(edit.SendMessage(EM_GETFIRSTVISIBLELINE), 0);

    CScrollBarEx bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_VERT, RECT{210, 10, 227, 90}, &parent, 71));
    bar.m_pNotifyWnd = &edit;
    const RECT down = bar.GetPartRects().rightDown;
    const LPARAM at = MAKELPARAM((down.left + down.right) / 2, (down.top + down.bottom) / 2);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    bar.SendMessage(WM_LBUTTONUP, 0, at);
    EXPECT_GT(edit.SendMessage(EM_GETFIRSTVISIBLELINE), 0);
}

} // namespace
} // namespace skin_ui_test

// The skinned edit: which state image lies behind the text (a read-only edit shows the
// disabled one, and its own drawing is keyed out on the button-face colour), the text
// margins, a single-line edit's text in the middle of its box with the band above it
// painted from the same image, the width it gives up at the right, the hover image
// switching once each way, applying a record, and its factory in a skinned window.
#include "ControlParent.h"
#include "ControlTestSupport.h"
#include "GdiCount.h"
#include "UIWndTestSupport.h"

#include "skin/model/EditProperties.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/controls/SkinEdit.h"
#include "skin/ui/factories/ControlKinds.h"

#include "tests/support/EditLine.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kEditWidth = 60;
constexpr int kEditHeight = 20;
constexpr COLORREF kStateColors[CSkinEdit::kStates] = {RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200),
                                                       RGB(90, 90, 90)};

class SkinEditTest : public ::testing::Test {
protected:
    // An edit at (10, 10) of the host with one solid image per state.
    bool Make(CSkinEdit& edit, DWORD style)
    {
        if (!edit.Create(style | WS_VISIBLE, RECT{10, 10, 10 + kEditWidth, 10 + kEditHeight}, &host, 101))
            return false;
        edit.SetImages(Solid(kStateColors[0], kEditWidth, kEditHeight),
                       Solid(kStateColors[1], kEditWidth, kEditHeight),
                       Solid(kStateColors[2], kEditWidth, kEditHeight),
                       Solid(kStateColors[3], kEditWidth, kEditHeight));
        return true;
    }

    HBRUSH TextBrush(const CSkinEdit& edit)
    {
        Canvas canvas(4, 4);
        return reinterpret_cast<HBRUSH>(
            host.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(canvas.Dc()), reinterpret_cast<LPARAM>(edit.m_hWnd)));
    }

    WindowSkin skin;
    ControlParent host{0, 0, 200, 100};
};

TEST_F(SkinEditTest, ShowsTheImageOfItsState)
{
    struct Case {
        const char* what;
        DWORD style;
        std::function<void(CSkinEdit&)> act;
        CSkinEdit::State state;
    };
    const Case cases[] = {
        {"untouched", 0, [](CSkinEdit&) {}, CSkinEdit::kNormal},
        {"under the mouse", 0, [](CSkinEdit& e) { e.SendMessage(WM_MOUSEMOVE, 0, At(5, 5)); }, CSkinEdit::kHover},
        {"focused, also under the mouse", 0,
         [](CSkinEdit& e) {
             e.SendMessage(WM_MOUSEMOVE, 0, At(5, 5));
             e.SetFocus();
         },
         CSkinEdit::kFocus},
        {"disabled while focused", 0,
         [](CSkinEdit& e) {
             e.SetFocus();
             e.EnableWindow(FALSE);
         },
         CSkinEdit::kDisabled},
        {"read-only", ES_READONLY, [](CSkinEdit&) {}, CSkinEdit::kDisabled},
        {"read-only, focused", ES_READONLY, [](CSkinEdit& e) { e.SetFocus(); }, CSkinEdit::kDisabled},
    };
    for (const Case& c : cases) {
        CSkinEdit edit;
        ASSERT_TRUE(Make(edit, c.style)) << c.what;
        c.act(edit);
        EXPECT_EQ(edit.CurrentState(), c.state) << c.what;
        // Far from the caret; the edit holds no text, so its whole client is its background.
        EXPECT_EQ(WindowPixel(edit, 45, 12), kStateColors[c.state]) << c.what;
        edit.DestroyWindow();
    }
}

// A framed edit paints itself: the state image, with the edit's own drawing laid over it
// less the pixels of the colour it fills with. A read-only edit is keyed on the
// button-face colour, so text in that colour leaves the disabled image untouched; a
// writable one is keyed on the window colour, so the same text shows.
TEST_F(SkinEditTest, AReadOnlyFramedEditKeysItsDrawingOutOnTheButtonFaceColour)
{
    const COLORREF buttonFace = ::GetSysColor(COLOR_BTNFACE);
    skin.AddColor(L"IDR_COLOR_FACE", buttonFace);
    EDTPROPERTIES record;
    SetText(record, CtrlVar::ColorResN, L"IDR_COLOR_FACE");
    const auto image = [](int x, int y) { return RGB(20 + x, 60 + y, 160); };

    for (const bool readOnly : {true, false}) {
        CSkinEdit edit;
        ASSERT_TRUE(edit.Create(WS_BORDER | WS_VISIBLE | (readOnly ? ES_READONLY : 0),
                                RECT{10, 10, 10 + kEditWidth, 10 + kEditHeight}, &host, 102));
        ASSERT_EQ(edit.ApplyProperties(&record), 0);
        EXPECT_EQ(edit.GetTextColor(), buttonFace);
        // One image for every state: the key alone decides what shows.
        edit.SetImages(MakeBitmap(kEditWidth, kEditHeight, image), MakeBitmap(kEditWidth, kEditHeight, image),
                       MakeBitmap(kEditWidth, kEditHeight, image), MakeBitmap(kEditWidth, kEditHeight, image));
        LOGFONTW plain = DefaultSkinFont();
        plain.lfHeight = -14;
        plain.lfQuality = NONANTIALIASED_QUALITY;   // every glyph pixel in the text colour
        edit.SetTextFont(::CreateFontIndirectW(&plain));
        edit.SetWindowText(L"MMMMMM");
        edit.Invalidate();

        CRect client;
        edit.GetClientRect(&client);
        int differing = 0;
        for (int y = 0; y < client.Height(); ++y) {
            for (int x = 0; x < client.Width(); ++x)
                differing += WindowPixel(edit, x, y) != image(x, y) ? 1 : 0;
        }
        if (readOnly)
            EXPECT_EQ(differing, 0) << "the read-only edit's text is keyed out";
        else
            EXPECT_GT(differing, 0) << "the writable edit's text shows";
        edit.DestroyWindow();
    }
}

TEST_F(SkinEditTest, MarginsGoWhereTheAlignmentPutsThem)
{
    // Single-line: the offset is one margin; ES_RIGHT makes it the right one.
    for (const bool right : {false, true}) {
        CSkinEdit edit;
        ASSERT_TRUE(Make(edit, right ? ES_RIGHT : 0));
        EXPECT_EQ(edit.SetTextMargins(7, 4), 0);
        const DWORD margins = static_cast<DWORD>(edit.SendMessage(EM_GETMARGINS));
        EXPECT_EQ(LOWORD(margins), right ? 0 : 7) << right;
        EXPECT_EQ(HIWORD(margins), right ? 7 : 0) << right;
        edit.DestroyWindow();
    }
    // Multi-line: the formatting rectangle moves by the offsets from where no offsets put
    // it, and applying them again changes nothing.
    for (const bool right : {false, true}) {
        CSkinEdit edit;
        ASSERT_TRUE(Make(edit, ES_MULTILINE | (right ? ES_RIGHT : 0)));
        edit.SetTextMargins(0, 0);
        CRect plain;
        edit.GetRect(&plain);
        edit.SetTextMargins(7, 4);
        edit.SetTextMargins(7, 4);
        CRect format;
        edit.GetRect(&format);
        EXPECT_EQ(format.top, plain.top + 4) << right;
        EXPECT_EQ(format.left, plain.left + (right ? 0 : 7)) << right;
        EXPECT_EQ(format.right, plain.right - (right ? 7 : 0)) << right;
        edit.DestroyWindow();
    }
}

// A font of a known height, so that the room left in the box is known.
HFONT FontOfHeight(int height)
{
    LOGFONTW font = DefaultSkinFont();
    font.lfHeight = height;
    return ::CreateFontIndirectW(&font);
}

TEST_F(SkinEditTest, ASingleLineEditsTextSitsInTheMiddleOfItsBoxMovedByTheVerticalOffset)
{
    struct Case {
        const char* what;
        DWORD style;
        int boxHeight;
        int vertical;
        int expectedAboveMinusBelow;   // with `tolerance`, or the band when it is fixed
        bool centred;
    };
    // With no offset the room splits evenly (an odd pixel goes below); an offset moves the
    // line that far down, but never out of the box.
    const Case cases[] = {
        {"no offset", 0, 28, 0, 0, true},
        {"right-aligned", ES_RIGHT, 28, 0, 0, true},
        {"three lower", 0, 28, 3, 6, true},
        {"two higher", 0, 28, -2, -4, true},
        {"an offset past the bottom", 0, 28, 100, 0, true},
        {"an offset past the top", 0, 28, -100, 0, true},
        {"a box lower than the line", 0, 8, 0, 0, false},
        {"multi-line", ES_MULTILINE, 28, 0, 0, false},
        {"framed", WS_BORDER, 28, 0, 0, false},
    };
    for (const Case& c : cases) {
        CSkinEdit edit;
        ASSERT_TRUE(edit.Create(c.style | WS_VISIBLE, RECT{10, 10, 10 + kEditWidth, 10 + c.boxHeight}, &host, 105))
            << c.what;
        edit.SetTextFont(FontOfHeight(-13));
        edit.SetTextMargins(4, c.vertical);
        edit.SetWindowText(L"Mg");
        lumeo_test::EditLine line;
        ASSERT_TRUE(lumeo_test::LineOfEdit(edit, &line)) << c.what;
        if (!c.centred) {
            EXPECT_EQ(edit.GetTextInset(), 0) << c.what;
            if (!(c.style & WS_BORDER)) {
                CRect client;
                edit.GetClientRect(&client);
                EXPECT_EQ(client.Height(), c.boxHeight) << c.what << ": no band above the client area";
            }
        } else if (c.vertical >= 100) {
            EXPECT_EQ(line.SpaceBelow(), 0) << c.what;
        } else if (c.vertical <= -100) {
            EXPECT_EQ(line.SpaceAbove(), 0) << c.what;
        } else {
            EXPECT_GT(edit.GetTextInset(), 0) << c.what;
            EXPECT_NEAR(line.SpaceAbove() - line.SpaceBelow(), c.expectedAboveMinusBelow, 1) << c.what;
            EXPECT_EQ(line.SpaceAbove(), edit.GetTextInset()) << c.what << ": the line starts right below the band";
        }
        edit.DestroyWindow();
    }
}

// The band above the client area and the client area show one picture: each row of the
// box shows that row of the image, whatever its state, and a click on the band is a
// click on the text.
TEST_F(SkinEditTest, TheBandAboveACentredLineShowsTheStateImageAndTakesClicks)
{
    const auto image = [](int x, int y) { return RGB(40 + x, 10 + 8 * y, 90); };
    const auto hoverImage = [](int x, int y) { return RGB(140 + x, 10 + 8 * y, 30); };
    CSkinEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, RECT{10, 10, 10 + kEditWidth, 10 + 28}, &host, 106));
    edit.SetImages(MakeBitmap(kEditWidth, 28, image), MakeBitmap(kEditWidth, 28, hoverImage), nullptr, nullptr);
    edit.SetResizePoint(POINT{2, 2});
    edit.SetTextFont(FontOfHeight(-13));
    edit.SetTextMargins(4, 0);
    const int band = edit.GetTextInset();
    ASSERT_GT(band, 0);
    for (int y = 0; y < 28; ++y)
        EXPECT_EQ(WholeWindowPixel(edit, 50, y), image(50, y)) << "row " << y;

    edit.SendMessage(WM_MOUSEMOVE, 0, At(50, 5));
    for (const int y : {0, band - 1, band, 27})
        EXPECT_EQ(WholeWindowPixel(edit, 50, y), hoverImage(50, y)) << "hover, row " << y;

    CRect window;
    edit.GetWindowRect(&window);
    EXPECT_EQ(edit.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(window.left + 20, window.top + 1)), HTCLIENT);
}

TEST_F(SkinEditTest, TheRightReserveNarrowsTheEditInPlace)
{
    CSkinEdit edit;
    ASSERT_TRUE(Make(edit, 0));
    edit.SetRightReserve(12);
    EXPECT_EQ(edit.GetRightReserve(), 12);
    const RECT rect = ChildRect(host, edit);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 10);
    EXPECT_EQ(rect.right - rect.left, kEditWidth - 12);
    EXPECT_EQ(rect.bottom - rect.top, kEditHeight);
    // The state image follows the new size.
    EXPECT_EQ(WindowPixel(edit, kEditWidth - 14, 12), kStateColors[CSkinEdit::kNormal]);
}

TEST_F(SkinEditTest, TheHoverImageSwitchesOnceEachWay)
{
    CSkinEdit edit;
    ASSERT_TRUE(Make(edit, 0));
    const HBRUSH normal = TextBrush(edit);
    ASSERT_NE(normal, nullptr);

    edit.SendMessage(WM_MOUSEMOVE, 0, At(5, 5));
    const HBRUSH hover = TextBrush(edit);
    EXPECT_NE(hover, normal);
    edit.SendMessage(WM_MOUSEMOVE, 0, At(6, 5));
    EXPECT_EQ(TextBrush(edit), hover) << "a further move rebuilds nothing";
    EXPECT_EQ(WindowPixel(edit, 45, 12), kStateColors[CSkinEdit::kHover]);

    edit.SendMessage(WM_MOUSELEAVE);
    EXPECT_NE(TextBrush(edit), hover);
    EXPECT_EQ(WindowPixel(edit, 45, 12), kStateColors[CSkinEdit::kNormal]);
}

TEST_F(SkinEditTest, ImagesStretchAroundTheParentsPointUntilTheEditHasItsOwn)
{
    // A 20 x 10 image stretched to 60 x 20: with the host's point (30, 15) the edit at
    // (10, 10) repeats its column 20, which lies beyond the image, so the last one; with
    // its own point (4, 4) it repeats column 4.
    CSkinEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, RECT{10, 10, 10 + kEditWidth, 10 + kEditHeight}, &host, 103));
    host.resizePoint = POINT{30, 15};
    edit.SetImages(MakeBitmap(20, 10, &Tag), nullptr, nullptr, nullptr);
    EXPECT_EQ(WindowPixel(edit, 40, 2), Tag(19, 2));
    edit.SetResizePoint(POINT{4, 4});
    EXPECT_EQ(WindowPixel(edit, 40, 2), Tag(4, 2));
    EXPECT_EQ(WindowPixel(edit, 59, 2), Tag(19, 2));
}

TEST_F(SkinEditTest, ApplyingARecord)
{
    skin.AddColor(L"IDR_COLOR_TEXT", RGB(1, 2, 3));
    skin.AddFont(L"IDR_FONT_TEXT", -15, L"Tahoma");
    EDTPROPERTIES record;
    SetText(record, CtrlVar::FontResN, L"IDR_FONT_TEXT");
    SetText(record, CtrlVar::ColorResN, L"IDR_COLOR_TEXT");
    SetText(record, EdtVar::Tag, L"number");
    SetNumber(record, EdtVar::TextHorOffset, 5);
    SetSwitch(record, CtrlVar::IsSpecifyImages, true);
    SetSwitch(record, CtrlVar::IsCombineImages, true);
    SetPoint(record, CtrlVar::ResizingPoint, POINT{2, 2});
    // Four states side by side in one strip.
    skin.SetImage(record, CtrlVar::BkCombine, L"edit.bmp", 4 * kEditWidth, kEditHeight,
                  [](int x, int) { return kStateColors[x / kEditWidth]; });

    CSkinEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, RECT{10, 10, 10 + kEditWidth, 10 + kEditHeight}, &host, 104));
    ASSERT_EQ(edit.ApplyProperties(&record), 0);
    EXPECT_EQ(edit.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(edit.GetTag(), L"number");
    EXPECT_EQ(LOWORD(edit.SendMessage(EM_GETMARGINS)), 5);
    LOGFONTW font{};
    ASSERT_TRUE(::GetObjectW(edit.GetFont(), sizeof font, &font));
    EXPECT_EQ(font.lfHeight, -15);
    EXPECT_EQ(WindowPixel(edit, 45, 12), kStateColors[CSkinEdit::kNormal]);
    edit.SendMessage(WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_EQ(WindowPixel(edit, 45, 12), kStateColors[CSkinEdit::kHover]);

    // A skin without the files keeps the images the edit has.
    SetText(record, CtrlVar::BkCombine, L"missing.bmp");
    ASSERT_EQ(edit.ApplyProperties(&record), 0);
    EXPECT_EQ(WindowPixel(edit, 45, 12), kStateColors[CSkinEdit::kHover]);

    // The result convention; a refused record changes nothing.
    EDTPROPERTIES other;
    SetText(other, CtrlVar::Type, L"STATIC");
    SetText(other, EdtVar::Tag, L"other");
    CSkinEdit windowless;
    EXPECT_EQ(windowless.ApplyProperties(&record), -1);
    EXPECT_EQ(edit.ApplyProperties(nullptr), -2);
    EXPECT_EQ(edit.ApplyProperties(&other), -3);
    EXPECT_EQ(edit.GetTag(), L"number");
    EXPECT_EQ(edit.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -2);
    EXPECT_EQ(windowless.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -1);
}

// --- The factory -------------------------------------------------------------------

constexpr int kEditWindowId = 3910;

class EditFactoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinControlKinds();
        window = &skin.AddWindow(L"IDW_EDITS", kEditWindowId);
        skin.SetImage(*window, CtrlVar::BackgroundNormal, L"bk.bmp", 200, 100, &Tag);
    }

    const ChildControlRecord& Child(const TestUIWnd& wnd, size_t index)
    {
        return wnd.GetChildControls().at(index);
    }

    WindowSkin skin;
    UIWNDPROPERTIES* window = nullptr;
};

TEST_F(EditFactoryTest, TheRecordsSwitchesBecomeTheEditsStyle)
{
    struct Case {
        int variable;
        DWORD bit;
    };
    const Case cases[] = {
        {EdtVar::Border, WS_BORDER},          {EdtVar::IsHScroll, WS_HSCROLL},
        {EdtVar::IsVScroll, WS_VSCROLL},      {EdtVar::IsWantReturn, ES_WANTRETURN},
        {EdtVar::IsAutoHScroll, ES_AUTOHSCROLL}, {EdtVar::IsAutoVScroll, ES_AUTOVSCROLL},
        {EdtVar::IsLowerCase, ES_LOWERCASE},  {EdtVar::IsNumber, ES_NUMBER},
        {EdtVar::IsPassword, ES_PASSWORD},    {EdtVar::IsReadOnly, ES_READONLY},
        {EdtVar::IsMultiline, ES_MULTILINE},  {CtrlVar::IsDisabled, WS_DISABLED},
    };
    int number = 1910;
    for (const Case& c : cases) {
        EDTPROPERTIES& record =
            skin.AddControl<EDTPROPERTIES>(*window, (L"IDC_EDT_" + std::to_wstring(number)).c_str(), number,
                                           {10, 10, 70, 30});
        SetSwitch(record, c.variable, true);
        ++number;
    }
    EDTPROPERTIES& centred = skin.AddControl<EDTPROPERTIES>(*window, L"IDC_EDT_CENTRED", 1990, {10, 40, 70, 60});
    SetEnum(centred, EdtVar::TextHorAlign, ValueKind::TextHorAlignMode, 3);
    EDTPROPERTIES& right = skin.AddControl<EDTPROPERTIES>(*window, L"IDC_EDT_RIGHT", 1991, {10, 70, 70, 90});
    SetEnum(right, EdtVar::TextHorAlign, ValueKind::TextHorAlignMode, 2);

    TestUIWnd wnd(kEditWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));
    ASSERT_EQ(wnd.GetChildControls().size(), std::size(cases) + 2);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const CWnd* edit = Child(wnd, i).window;
        ASSERT_NE(edit, nullptr) << i;
        EXPECT_TRUE(edit->IsKindOf(RUNTIME_CLASS(CSkinEdit))) << i;
        EXPECT_EQ(edit->GetDlgCtrlID(), 1910 + static_cast<int>(i)) << i;
        // Wine's edit trades WS_BORDER for a frame of its own drawing: the frame is what
        // the edit remembers from its creation.
        if (cases[i].bit != WS_BORDER) {
            EXPECT_EQ(edit->GetStyle() & cases[i].bit, cases[i].bit) << i;
        }
    }
    EXPECT_EQ(Child(wnd, std::size(cases)).window->GetStyle() & (ES_CENTER | ES_RIGHT), static_cast<DWORD>(ES_CENTER));
    EXPECT_EQ(Child(wnd, std::size(cases) + 1).window->GetStyle() & (ES_CENTER | ES_RIGHT), static_cast<DWORD>(ES_RIGHT));
    wnd.DestroyWindow();
}

TEST_F(EditFactoryTest, WithoutImagesOfItsOwnTheEditShowsTheWindowUnderIt)
{
    EDTPROPERTIES& record = skin.AddControl<EDTPROPERTIES>(*window, L"IDC_EDT_PLAIN", 1920, {30, 40, 90, 60});
    SetSwitch(record, CtrlVar::IsVisible, true);
    TestUIWnd wnd(kEditWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
    const CWnd* edit = Child(wnd, 0).window;
    ASSERT_NE(edit, nullptr);
    // The state images are the part of the window's background under the edit, the band
    // above its centred line included.
    for (const POINT at : {POINT{50, 10}, POINT{59, 0}, POINT{40, 19}})
        EXPECT_EQ(WholeWindowPixel(*edit, at.x, at.y), Tag(30 + at.x, 40 + at.y)) << at.x << "," << at.y;
    wnd.DestroyWindow();
}

TEST_F(EditFactoryTest, TheWindowReleasesEverythingTheEditHeld)
{
    skin.AddFont(L"IDR_FONT_EDIT", -13, L"Tahoma");
    EDTPROPERTIES& own = skin.AddControl<EDTPROPERTIES>(*window, L"IDC_EDT_OWN", 1930, {10, 10, 70, 30});
    SetSwitch(own, CtrlVar::IsSpecifyImages, true);
    SetText(own, CtrlVar::FontResN, L"IDR_FONT_EDIT");
    skin.SetImage(own, CtrlVar::BackgroundNormal, L"n.bmp", kEditWidth, kEditHeight, &Tag);
    skin.SetImage(own, CtrlVar::BackgroundDisabled, L"d.bmp", kEditWidth, kEditHeight, &Tag);
    skin.AddControl<EDTPROPERTIES>(*window, L"IDC_EDT_PARTS", 1931, {10, 40, 70, 60});

    const int before = LiveGdiObjects();
    {
        TestUIWnd wnd(kEditWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        ASSERT_EQ(wnd.GetChildControls().size(), 2u);
        wnd.DestroyWindow();
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace
} // namespace skin_ui_test

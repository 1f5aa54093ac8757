// Every helper gives back the GDI objects it makes, on its ordinary path and on its
// refusals, and leaves the caller's DC as it found it.
#include "FakeSystem.h"
#include "GdiCount.h"
#include "Pixels.h"
#include "TestSkin.h"
#include "TestWindow.h"

#include "skin/model/ButtonProperties.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/GradientBitmap.h"
#include "skin/ui/MaskRegion.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/WindowRegions.h"

#include <gtest/gtest.h>

#include <functional>

using namespace skin_ui_test;
using namespace Vexel;

namespace {

TEST(LiveGdiObjects, CountsWhatIsMadeAndFreed)
{
    ::DeleteObject(MakeBitmap(2, 2, Tag));   // the screen DC's one-time objects
    const int before = LiveGdiObjects();
    {
        CBitmap a, b;
        a.Attach(MakeBitmap(2, 2, Tag));
        b.Attach(MakeBitmap(2, 2, Tag));
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        EXPECT_EQ(before + 3, LiveGdiObjects());
    }
    EXPECT_EQ(before, LiveGdiObjects());
}

// What the caller's DC holds, so a helper can be seen to leave it alone.
struct DcState {
    HGDIOBJ bitmap, brush, pen, font;
    POINT brushOrigin;

    explicit DcState(HDC dc)
        : bitmap(::GetCurrentObject(dc, OBJ_BITMAP)), brush(::GetCurrentObject(dc, OBJ_BRUSH)),
          pen(::GetCurrentObject(dc, OBJ_PEN)), font(::GetCurrentObject(dc, OBJ_FONT))
    {
        ::GetBrushOrgEx(dc, &brushOrigin);
    }
    bool operator==(const DcState& o) const
    {
        return bitmap == o.bitmap && brush == o.brush && pen == o.pen && font == o.font
            && brushOrigin.x == o.brushOrigin.x && brushOrigin.y == o.brushOrigin.y;
    }
};

// A bitmap that is selected into no DC can be selected into a new one.
bool IsFree(HBITMAP bitmap)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(dc, bitmap);
    if (!previous)
        return false;
    ::SelectObject(dc, previous);
    return true;
}

COLORREF MaskShape(int x, int y)
{
    return (x == 2 && y >= 1 && y <= 3) || (x == 5 && y >= 3) ? RGB(255, 0, 255) : RGB(40, 40, 40);
}

class GdiHandlesTest : public testing::Test {
protected:
    GdiHandlesTest() : parent(100, 80, true), control(parent, 10, 20, 7, 5), bordered(parent, 30, 20, 9, 7, WS_BORDER)
    {
        image.Attach(MakeBitmap(4, 3, Tag));
        mask.Attach(MakeBitmap(8, 6, MaskShape));
        parent.SetResizePoint(POINT{12, 21});
        for (int i = 0; i < 4; ++i)
            WriteBmp(skin.Path(L"s" + std::to_wstring(i) + L".bmp"), 3, 2, Tag);
        WriteBmp(skin.Path(L"strip.bmp"), 40, 4, Tag);
        WriteBmp(skin.Path(L"mask.bmp"), 8, 6, MaskShape);
        skin.AddFont(L"IDR_FONT_1", -20, L"Arial");
        ::UpdateWindow(parent);
    }

    // Runs `use` once to let one-time allocations settle, then ten times more: the
    // process must hold as many GDI objects as before, the canvas DC must be as it was
    // and the fixture bitmaps selected nowhere.
    void ExpectBalanced(const char* name, const std::function<void()>& use)
    {
        const DcState dcBefore(canvas.Dc());
        use();
        const int before = LiveGdiObjects();
        for (int i = 0; i < 10; ++i)
            use();
        EXPECT_EQ(before, LiveGdiObjects()) << name;
        EXPECT_TRUE(DcState(canvas.Dc()) == dcBefore) << name;
        EXPECT_TRUE(IsFree(image)) << name;
        EXPECT_TRUE(IsFree(mask)) << name;
    }

    TestSkin skin;
    TestWindow parent;
    TestWindow control;
    TestWindow bordered;
    CBitmap image;
    CBitmap mask;
    Canvas canvas{40, 30};
};

TEST_F(GdiHandlesTest, Drawing)
{
    const HDC dc = canvas.Dc();
    ExpectBalanced("DrawBitmap", [&] { DrawBitmap(dc, 1, 1, 4, 3, image, 0, 0, SRCCOPY); });
    ExpectBalanced("DrawBitmapCentered", [&] { DrawBitmapCentered(RECT{0, 0, 20, 20}, dc, image); });
    ExpectBalanced("StretchBitmapToRect", [&] { StretchBitmapToRect(image, dc, RECT{0, 0, 20, 20}); });
    ExpectBalanced("DrawBitmapKeyWhite", [&] { DrawBitmapKeyWhite(dc, 0, 0, 4, 3, image, 0, 4, 3); });
    ExpectBalanced("DrawTransparentBitmap", [&] {
        BitmapDC source(dc, image);
        DrawTransparentBitmap(dc, 0, 0, 4, 3, source, 0, 0, 4, 3, Tag(1, 1));
        DrawTransparentBitmap(dc, 0, 0, 9, 7, source, 0, 0, 4, 3, Tag(1, 1));
        DrawTransparentBitmap(dc, 0, 0, 0, 7, source, 0, 0, 4, 3, Tag(1, 1));
    });
    ExpectBalanced("TileBlt", [&] {
        BitmapDC source(dc, image);
        TileBlt(dc, 3, 2, 30, 20, source, 1, 1, 2, 2);
        TileBlt(dc, 3, 2, 30, 20, source, -1, 1, 2, 2);
        TileBlt(dc, 3, 2, 0, 20, source, 1, 1, 2, 2);
    });
    ExpectBalanced("DrawResizedBitmap", [&] {
        DrawResizedBitmap(dc, 0, 0, 30, 20, image, 1, 2, 1);   // nine parts
        DrawResizedBitmap(dc, 0, 0, 30, 3, image, 1, 2, 1);    // three across
        DrawResizedBitmap(dc, 0, 0, 4, 20, image, 1, 2, 1);    // three down
        DrawResizedBitmap(dc, 0, 0, 2, 2, image, 1, 2, 1);     // a 1:1 copy
    });
    ExpectBalanced("DrawResizedBitmapEx", [&] {
        DrawResizedBitmapEx(dc, 0, 0, 30, 20, image, 1, 2, 1, 1);
        DrawResizedBitmapEx(dc, 0, 0, 30, 20, image, 1, 1, -1, 40);
    });
}

TEST_F(GdiHandlesTest, WindowImages)
{
    ExpectBalanced("DrawForegroundImage", [&] {
        DrawForegroundImage(control, canvas.Cdc(), 1, 1, image, kAlignCenter, kAlignFar, Tag(0, 0));
    });
    ExpectBalanced("DrawResizedBackground", [&] {
        DrawResizedBackground(control, canvas.Cdc(), image, TRUE, 0, 0);
        DrawResizedBackground(bordered, canvas.Cdc(), image, FALSE, 2, 1);
        DrawResizedBackground(parent, canvas.Cdc(), image, FALSE, 2, 1);   // no parent: -4
    });
    ExpectBalanced("DrawFrameFromBitmap", [&] { DrawFrameFromBitmap(control, image); });
    ExpectBalanced("DrawFrameFromResizedBitmap", [&] {
        DrawFrameFromResizedBitmap(control, image, TRUE, 0, 0);
        DrawFrameFromResizedBitmap(parent, image, FALSE, 0, 0);   // no parent: -4
    });
}

TEST_F(GdiHandlesTest, NewBitmaps)
{
    ExpectBalanced("CopyBitmap", [&] {
        CBitmap out;
        CopyBitmap(&out, image);
        CopyBitmap(&out, nullptr);
    });
    ExpectBalanced("CropBitmap", [&] {
        CBitmap a, b;
        CropBitmapXYWH(1, 1, 2, 2, image, &a);
        CropTwoBitmaps(RECT{0, 0, 2, 2}, image, nullptr, &a, &b);
    });
    ExpectBalanced("CreateStretchedBitmap", [&] {
        CBitmap out;
        CreateStretchedBitmap(image, &out, 9, 7);
        CreateStretchedBitmap(out, &out, 3, 3);   // replacing its own source
    });
    ExpectBalanced("CreateResizedBitmap", [&] {
        CBitmap out;
        CreateResizedBitmap(image, &out, 2, 1, 30, 20, 1, 1);
    });
    ExpectBalanced("CreateGradientBitmap", [&] {
        CBitmap out;
        out.Attach(CreateGradientBitmap(RGB(1, 2, 3), canvas.Dc(), RGB(200, 100, 0), 30, 20, kGradientVertical));
    });
    ExpectBalanced("LoadBitmapFromFile", [&] {
        CBitmap out;
        out.Attach(LoadBitmapFromFile(skin.Path(L"s0.bmp").c_str()));
        out.Attach(LoadBitmapFromFile(skin.Path(L"absent.bmp").c_str()));
    });
}

TEST_F(GdiHandlesTest, StateImagesAndScaling)
{
    CTRLPROPERTIES separate;
    const int files[] = {CtrlVar::BackgroundNormal, CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected,
                         CtrlVar::BackgroundDisabled};
    for (int i = 0; i < 4; ++i)
        separate.GetVar(files[i]).SetString((L"s" + std::to_wstring(i) + L".bmp").c_str());
    separate.GetVar(CtrlVar::BackgroundSelected).SetString(L"absent.bmp");
    CTRLPROPERTIES strip;
    strip.GetVar(CtrlVar::IsCombineImages).SetBool(true);
    strip.GetVar(CtrlVar::BkCombine).SetString(L"strip.bmp");
    CTRLPROPERTIES missingStrip;
    missingStrip.GetVar(CtrlVar::IsCombineImages).SetBool(true);
    missingStrip.GetVar(CtrlVar::BkCombine).SetString(L"absent.bmp");

    const auto loadAll = [&] {
        CBitmap s[4];
        LoadFourStateImages(&separate, &s[0], &s[1], &s[2], &s[3]);
        LoadFourStateImages(&strip, &s[0], nullptr, &s[2], &s[3]);
        LoadFourStateImages(&missingStrip, &s[0], &s[1], &s[2], &s[3]);
    };
    ExpectBalanced("state images", loadAll);

    FakeSystem system;
    system.screenDpi = SIZE{120, 120};
    skin.SetDesignDpi(96, 96);
    ExpectBalanced("state images scaled as they load", loadAll);
    ExpectBalanced("ScaleBitmapToDpi", [&] {
        CBitmap out;
        ScaleBitmapToDpi(image, &out);
        ScaleBitmapToDpiInPlace(out);
    });
}

TEST_F(GdiHandlesTest, Regions)
{
    TestWindow shaped(8, 6);
    ExpectBalanced("SetWindowRegionFromBitmap", [&] { SetWindowRegionFromBitmap(shaped, mask, RGB(255, 0, 255)); });
    ExpectBalanced("SetWindowRegionFromFile", [&] {
        SetWindowRegionFromFile(shaped, skin.Path(L"mask.bmp").c_str(), RGB(255, 0, 255));
        SetWindowRegionFromFile(shaped, skin.Path(L"absent.bmp").c_str(), RGB(255, 0, 255));
    });
}

TEST_F(GdiHandlesTest, Fonts)
{
    CHKPROPERTIES check;
    check.GetVar(CtrlVar::FontResN).SetString(L"IDR_FONT_1");
    check.GetVar(CtrlVar::FontResH).SetString(L"IDR_FONT_404");
    check.GetVar(CtrlVar::IsSSameNFont).SetBool(true);
    ExpectBalanced("state fonts", [&] {
        CFont f[8];
        CreateFourStateFonts(&check, &f[0], &f[1], &f[2], &f[3]);
        CreateEightStateFonts(&check, &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6], &f[7]);
        CreateFontFromID(nullptr, &DefaultSkinFont(), &f[0], FALSE);   // -3: the slot emptied
        CopyFont(&f[1], &f[2]);
    });
}

} // namespace

#include "framework/Gdi.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

// A handle's object type, 0 once GDI has freed it.
DWORD TypeOf(HGDIOBJ object)
{
    return object ? ::GetObjectType(object) : 0;
}

} // namespace

TEST(GdiObjects, EachWrapperFreesWhatItHolds)
{
    HGDIOBJ pen, brush, font, bitmap, region;
    {
        CPen p(PS_SOLID, 1, RGB(1, 2, 3));
        CBrush b(RGB(4, 5, 6));
        CFont f;
        LOGFONTW lf = {};
        lf.lfHeight = -12;
        wcscpy(lf.lfFaceName, L"Tahoma");
        ASSERT_TRUE(f.CreateFontIndirect(&lf));
        CBitmap bm;
        ASSERT_TRUE(bm.CreateBitmap(4, 4, 1, 32, nullptr));
        CRgn r;
        ASSERT_TRUE(r.CreateRectRgn(0, 0, 10, 10));
        pen = p;
        brush = b;
        font = f;
        bitmap = bm;
        region = r;
        EXPECT_EQ(static_cast<UINT>(OBJ_PEN), p.GetObjectType());
        EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), TypeOf(brush));
        EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), TypeOf(font));
        EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), TypeOf(bitmap));
        EXPECT_EQ(static_cast<DWORD>(OBJ_REGION), TypeOf(region));
    }
    EXPECT_EQ(0u, TypeOf(pen));
    EXPECT_EQ(0u, TypeOf(brush));
    EXPECT_EQ(0u, TypeOf(font));
    EXPECT_EQ(0u, TypeOf(bitmap));
    EXPECT_EQ(0u, TypeOf(region));
}

TEST(GdiObjects, CreatingAgainReplacesAndDetachHandsOver)
{
    CBrush brush(RGB(1, 1, 1));
    const HGDIOBJ first = brush;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(2, 2, 2)));
    EXPECT_NE(first, brush.GetSafeHandle());
    EXPECT_EQ(0u, TypeOf(first));                    // the replaced brush is gone

    HGDIOBJ kept = brush.Detach();
    EXPECT_EQ(nullptr, brush.GetSafeHandle());
    EXPECT_FALSE(brush.DeleteObject());              // nothing held
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), TypeOf(kept));
    {
        CBrush adopter;
        EXPECT_TRUE(adopter.Attach(kept));
        EXPECT_TRUE(adopter.Attach(kept));          // the same handle again: still held
        EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), TypeOf(kept));
        EXPECT_FALSE(adopter.Attach(nullptr));
    }
    EXPECT_EQ(0u, TypeOf(kept));

    CFont font;
    EXPECT_FALSE(font.CreateFontIndirect(nullptr));
    LOGFONTW out = {};
    EXPECT_EQ(0, font.GetLogFont(&out));             // no font held
    ASSERT_TRUE(font.CreateFont(-16, 0, 900, 900, 700, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, L"Arial"));
    ASSERT_NE(0, font.GetLogFont(&out));
    EXPECT_EQ(-16, out.lfHeight);
    EXPECT_EQ(700, out.lfWeight);
    EXPECT_EQ(900, out.lfEscapement);
    EXPECT_STREQ(L"Arial", out.lfFaceName);
}

TEST(GdiObjects, RegionsCombineOffsetAndAnswerTheirBox)
{
    CRgn a, b, sum;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(5, 5, 20, 20));
    EXPECT_EQ(ERROR, sum.CombineRgn(&a, &b, RGN_OR));   // the target must exist first
    ASSERT_TRUE(sum.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(COMPLEXREGION, sum.CombineRgn(&a, &b, RGN_OR));
    CRect box;
    EXPECT_EQ(COMPLEXREGION, sum.GetRgnBox(&box));
    EXPECT_EQ(CRect(0, 0, 20, 20), box);
    EXPECT_TRUE(sum.PtInRegion(15, 15));
    EXPECT_FALSE(sum.PtInRegion(15, 2));

    CRgn copy;
    copy.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(COMPLEXREGION, copy.CopyRgn(&sum));
    EXPECT_TRUE(copy.EqualRgn(&sum));
    copy.OffsetRgn(CPoint(100, 0));
    EXPECT_FALSE(copy.EqualRgn(&sum));
    EXPECT_TRUE(copy.PtInRegion(CPoint(115, 15)));
    EXPECT_EQ(SIMPLEREGION, copy.CombineRgn(&a, &b, RGN_AND));
    copy.GetRgnBox(&box);
    EXPECT_EQ(CRect(5, 5, 10, 10), box);

    const POINT triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    CRgn poly;
    ASSERT_TRUE(poly.CreatePolygonRgn(triangle, 3, WINDING));
    EXPECT_TRUE(poly.PtInRegion(2, 2));
    EXPECT_FALSE(poly.PtInRegion(9, 9));
    EXPECT_FALSE(poly.CreatePolygonRgn(nullptr, 0, WINDING));
}

TEST(DeviceContexts, MemoryDCDrawsIntoASelectedBitmapAndRestores)
{
    HDC dcHandle;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        dcHandle = dc;
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 8, 8));
        // A memory DC compatible with the screen starts as 1x1 monochrome; take a
        // colour bitmap compatible with the screen instead.
        CDC screen;
        screen.Attach(::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 8, 8));
        BITMAP info = {};
        ASSERT_NE(0, bitmap.GetBitmap(&info));
        EXPECT_EQ(8, info.bmWidth);

        const HBITMAP original = dc.SelectObject(&bitmap);
        ASSERT_NE(nullptr, original);
        dc.FillSolidRect(0, 0, 8, 8, RGB(255, 0, 0));
        dc.FillSolidRect(CRect(2, 2, 4, 4), RGB(0, 0, 255));
        EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(0, 0));
        EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(CPoint(3, 3)));
        EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(4, 4));   // right and bottom edges are outside

        CBrush green(RGB(0, 255, 0));
        dc.FillRect(CRect(6, 6, 8, 8), &green);
        EXPECT_EQ(RGB(0, 255, 0), dc.GetPixel(7, 7));

        const int saved = dc.SaveDC();
        EXPECT_NE(0, saved);
        dc.SetTextColor(RGB(9, 9, 9));
        dc.SetBkMode(TRANSPARENT);
        EXPECT_TRUE(dc.RestoreDC(saved));
        EXPECT_EQ(OPAQUE, dc.GetBkMode());

        CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
        const HPEN oldPen = dc.SelectObject(&pen);
        dc.MoveTo(0, 5);
        dc.LineTo(8, 5);
        EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(3, 5));
        dc.SelectObject(oldPen);

        // Copy to a second memory bitmap.
        CDC copyDC;
        copyDC.CreateCompatibleDC(&dc);
        CBitmap copy;
        copy.CreateCompatibleBitmap(&screen, 8, 8);
        const HBITMAP copyOriginal = copyDC.SelectObject(&copy);
        EXPECT_TRUE(copyDC.BitBlt(0, 0, 8, 8, &dc, 0, 0, SRCCOPY));
        EXPECT_EQ(RGB(0, 0, 255), copyDC.GetPixel(2, 2));
        copyDC.SelectObject(copyOriginal);

        CRect clip;
        dc.IntersectClipRect(1, 1, 3, 3);
        dc.GetClipBox(&clip);
        EXPECT_EQ(CRect(1, 1, 3, 3), clip);

        // Put the bitmap back out before the DC and bitmap go (bitmap first by scope).
        EXPECT_EQ(static_cast<HBITMAP>(bitmap), dc.SelectObject(static_cast<HGDIOBJ>(original)));
    }
    EXPECT_EQ(0u, TypeOf(dcHandle));
}

TEST(DeviceContexts, FromHandleWrapsWithoutOwning)
{
    const HDC raw = ::CreateCompatibleDC(nullptr);
    ASSERT_NE(nullptr, raw);
    CDC* wrapper = CDC::FromHandle(raw);
    ASSERT_NE(nullptr, wrapper);
    EXPECT_EQ(raw, wrapper->GetSafeHdc());
    EXPECT_EQ(wrapper, CDC::FromHandle(raw));         // one wrapper per handle and thread
    EXPECT_EQ(nullptr, CDC::FromHandle(nullptr));
    CDC::DeleteTempMap();
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), TypeOf(raw));   // still alive: it was never ours

    // Each thread has its own wrappers; releasing them leaves the DC alone.
    CDC* const mine = CDC::FromHandle(raw);
    CDC* theirs = nullptr;
    std::thread worker([raw, &theirs] {
        theirs = CDC::FromHandle(raw);
        CDC::DeleteTempMap();
    });
    worker.join();
    EXPECT_NE(nullptr, theirs);
    EXPECT_NE(mine, theirs);
    EXPECT_EQ(mine, CDC::FromHandle(raw));            // the other thread's cleanup kept ours
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), TypeOf(raw));
    CDC::DeleteTempMap();

    {
        CDC owner;
        EXPECT_TRUE(owner.Attach(raw));
        EXPECT_FALSE(owner.Attach(nullptr));
    }
    EXPECT_EQ(0u, TypeOf(raw));

    CDC detached;
    detached.CreateCompatibleDC(nullptr);
    const HDC handle = detached.Detach();
    EXPECT_FALSE(detached.DeleteDC());
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), TypeOf(handle));
    ::DeleteDC(handle);
}

TEST(DeviceContexts, TextMeasuresGrowWithTheText)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CFont font;
    ASSERT_TRUE(font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    const HFONT old = dc.SelectObject(&font);
    const CSize empty = dc.GetTextExtent(CString());
    const CSize one = dc.GetTextExtent(CString(L"W"));
    const CSize three = dc.GetTextExtent(L"WWW", 3);
    EXPECT_EQ(0, empty.cx);
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(three.cx, one.cx);
    CRect calc(0, 0, 0, 0);
    dc.DrawText(CString(L"WWW"), &calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(three.cx, calc.Width());
    dc.SelectObject(old);
}

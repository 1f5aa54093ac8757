#pragma once
// Owning wrappers of GDI objects and device contexts. Each object deletes what it holds
// when it goes; Detach hands a handle out without deleting it. Selecting an object into a
// CDC answers the handle it replaced, so callers put it back with SelectObject(handle).
#include "framework/Geometry.h"
#include "framework/Object.h"
#include "framework/String.h"

#include <windows.h>

class CBitmap;
class CDC;

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }

    // Takes ownership of `object`; what was held before is deleted (unless it is the
    // same handle). FALSE for a null handle.
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    // Deletes the held object; FALSE when there is none or GDI refuses.
    BOOL DeleteObject();

    int GetObject(int size, void* out) const;
    UINT GetObjectType() const;  // OBJ_BITMAP, OBJ_FONT ... or 0 when none

    HGDIOBJ m_hObject = nullptr;

protected:
    // Holds a freshly created object in place of the current one; FALSE for null.
    BOOL Replace(HGDIOBJ created);
};

class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    BOOL CreatePen(int style, int width, COLORREF color);
};

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreatePatternBrush(const CBitmap* bitmap);
};

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    BOOL CreateFontIndirect(const LOGFONTW* font);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, LPCWSTR faceName);
    // Bytes copied into `font`; 0 when there is no font.
    int GetLogFont(LOGFONTW* font) const;
};

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    BOOL CreateCompatibleBitmap(const CDC* dc, int width, int height);
    // A bitmap resource of the resource module (AfxGetResourceModule).
    BOOL LoadBitmap(UINT id);
    BOOL LoadBitmap(LPCWSTR name);
    int GetBitmap(BITMAP* out) const;
};

class CRgn : public CGdiObject {
    DECLARE_DYNAMIC(CRgn)
public:
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(LPCRECT rect);
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode);
    // Sets this region to a combination of two others; this region must exist already.
    // Answers the region type (NULLREGION, SIMPLEREGION, COMPLEXREGION) or ERROR.
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    int CopyRgn(const CRgn* source);
    int OffsetRgn(int dx, int dy);
    int OffsetRgn(POINT delta) { return OffsetRgn(delta.x, delta.y); }
    void SetRectRgn(int left, int top, int right, int bottom);
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    int GetRgnBox(LPRECT box) const;
    BOOL EqualRgn(const CRgn* other) const;
};

class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    CDC() = default;
    // Deletes the held DC (DeleteDC). Classes holding a DC that must be released another
    // way (paint, client and window DCs) detach it in their own destructors.
    ~CDC() override;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    BOOL Attach(HDC dc);   // takes ownership; FALSE for null
    HDC Detach();
    BOOL DeleteDC();

    // A wrapper, not owning, for a DC that belongs to someone else: the same wrapper for
    // the same DC on the same thread until that thread calls DeleteTempMap (the message
    // loop does so when idle, a thread when it ends). Null for a null handle.
    static CDC* FromHandle(HDC dc);
    static void DeleteTempMap();

    // A memory DC compatible with `dc` (the screen when null).
    BOOL CreateCompatibleDC(const CDC* dc);

    // --- state
    int SaveDC();
    BOOL RestoreDC(int savedDC);
    int GetDeviceCaps(int index) const;

    HPEN SelectObject(CPen* pen);
    HBRUSH SelectObject(CBrush* brush);
    HFONT SelectObject(CFont* font);
    HBITMAP SelectObject(CBitmap* bitmap);
    int SelectObject(CRgn* region);          // as SelectClipRgn
    HGDIOBJ SelectObject(HGDIOBJ object);    // to put back a handle answered above
    HGDIOBJ SelectStockObject(int index);

    // --- clipping
    int SelectClipRgn(CRgn* region);         // null removes the clipping region
    int SelectClipRgn(CRgn* region, int mode);
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rect);
    int ExcludeClipRect(int left, int top, int right, int bottom);
    int ExcludeClipRect(LPCRECT rect);
    int GetClipBox(LPRECT rect) const;

    // --- colours and text
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int DrawText(LPCWSTR text, int count, LPRECT rect, UINT format);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    BOOL TextOut(int x, int y, LPCWSTR text, int count);
    BOOL TextOut(int x, int y, const CString& text);
    CSize GetTextExtent(LPCWSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const;
    BOOL GetTextMetrics(TEXTMETRICW* metrics) const;

    // --- copying pixels
    BOOL BitBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, DWORD rop);
    BOOL TransparentBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, int srcWidth,
                        int srcHeight, UINT transparentColor);
    BOOL AlphaBlend(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, BLENDFUNCTION blend);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    int SetStretchBltMode(int mode);

    // --- filling and lines
    void FillRect(LPCRECT rect, CBrush* brush);
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    void FrameRect(LPCRECT rect, CBrush* brush);
    BOOL FillRgn(CRgn* region, CBrush* brush);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect);
    CPoint MoveTo(int x, int y);   // the previous current position
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    BOOL Polygon(const POINT* points, int count);
    BOOL Polyline(const POINT* points, int count);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
    BOOL DrawFrameControl(LPRECT rect, UINT type, UINT state);
    void DrawFocusRect(LPCRECT rect);
    BOOL DrawIcon(int x, int y, HICON icon);

    // --- coordinates
    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const;
    CPoint OffsetViewportOrg(int dx, int dy);

    HDC m_hDC = nullptr;
};

// A CDC over a DC that belongs to someone else (a message's or a caller's): it is neither
// deleted nor released here.
class BorrowedDC : public CDC {
public:
    explicit BorrowedDC(HDC dc) { Attach(dc); }
    ~BorrowedDC() override { Detach(); }
    BorrowedDC(const BorrowedDC&) = delete;
    BorrowedDC& operator=(const BorrowedDC&) = delete;
};

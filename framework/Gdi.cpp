#include "framework/Gdi.h"

#include "framework/ResourceModule.h"

#include <map>
#include <memory>
#include <mutex>
#include <utility>

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

HDC HandleOf(const CDC* dc)
{
    return dc ? dc->m_hDC : nullptr;
}

template <class H>
H HandleOf(const CGdiObject* object)
{
    return object ? static_cast<H>(object->m_hObject) : nullptr;
}

} // namespace

// ---------------------------------------------------------------- CGdiObject

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (!object)
        return FALSE;
    if (object != m_hObject) {
        DeleteObject();
        m_hObject = object;
    }
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ const object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::Replace(HGDIOBJ created)
{
    return Attach(created);   // refuses null, keeping what is held
}

int CGdiObject::GetObject(int size, void* out) const
{
    return m_hObject ? ::GetObjectW(m_hObject, size, out) : 0;
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject ? static_cast<UINT>(::GetObjectType(m_hObject)) : 0;
}

// ---------------------------------------------------------------- pens, brushes, fonts

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    return Replace(::CreatePen(style, width, color));
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return Replace(::CreateSolidBrush(color));
}

BOOL CBrush::CreatePatternBrush(const CBitmap* bitmap)
{
    const HBITMAP pattern = HandleOf<HBITMAP>(bitmap);
    return pattern ? Replace(::CreatePatternBrush(pattern)) : FALSE;
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* font)
{
    return font ? Replace(::CreateFontIndirectW(font)) : FALSE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCWSTR faceName)
{
    return Replace(::CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                 charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
}

int CFont::GetLogFont(LOGFONTW* font) const
{
    return font ? GetObject(sizeof(LOGFONTW), font) : 0;
}

// ---------------------------------------------------------------- bitmaps

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    return Replace(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateCompatibleBitmap(const CDC* dc, int width, int height)
{
    const HDC target = HandleOf(dc);
    return target ? Replace(::CreateCompatibleBitmap(target, width, height)) : FALSE;
}

BOOL CBitmap::LoadBitmap(UINT id)
{
    return LoadBitmap(MAKEINTRESOURCEW(id));
}

BOOL CBitmap::LoadBitmap(LPCWSTR name)
{
    return Replace(::LoadBitmapW(AfxGetResourceModule(), name));
}

int CBitmap::GetBitmap(BITMAP* out) const
{
    return out ? GetObject(sizeof(BITMAP), out) : 0;
}

// ---------------------------------------------------------------- regions

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    return Replace(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect)
{
    return rect ? Replace(::CreateRectRgnIndirect(rect)) : FALSE;
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    return points && count > 0 ? Replace(::CreatePolygonRgn(points, count, fillMode)) : FALSE;
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode)
{
    if (!m_hObject || !a)
        return ERROR;
    // RGN_COPY reads only the first source.
    const HRGN second = mode == RGN_COPY ? nullptr : HandleOf<HRGN>(b);
    if (mode != RGN_COPY && !second)
        return ERROR;
    return ::CombineRgn(*this, *a, second, mode);
}

int CRgn::CopyRgn(const CRgn* source)
{
    return CombineRgn(source, nullptr, RGN_COPY);
}

int CRgn::OffsetRgn(int dx, int dy)
{
    return m_hObject ? ::OffsetRgn(*this, dx, dy) : ERROR;
}

void CRgn::SetRectRgn(int left, int top, int right, int bottom)
{
    if (m_hObject)
        ::SetRectRgn(*this, left, top, right, bottom);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return m_hObject ? ::PtInRegion(*this, x, y) : FALSE;
}

int CRgn::GetRgnBox(LPRECT box) const
{
    return m_hObject && box ? ::GetRgnBox(*this, box) : ERROR;
}

BOOL CRgn::EqualRgn(const CRgn* other) const
{
    return m_hObject && other && other->m_hObject ? ::EqualRgn(*this, *other) : FALSE;
}

// ---------------------------------------------------------------- CDC

namespace {

// Wrappers handed out by CDC::FromHandle, one per (thread, DC). They do not own their DC.
// Kept in one locked map rather than in thread-local storage: objects with destructors in
// thread-local storage are not reliably destroyed at thread exit with this runtime.
class TempDC : public CDC {
public:
    explicit TempDC(HDC dc) { m_hDC = dc; }
    ~TempDC() override { m_hDC = nullptr; }
};

struct TempDCMap {
    std::mutex lock;
    std::map<std::pair<DWORD, HDC>, std::unique_ptr<TempDC>> wrappers;
};

TempDCMap& TempDCs()
{
    static TempDCMap map;
    return map;
}

} // namespace

CDC::~CDC()
{
    DeleteDC();
}

BOOL CDC::Attach(HDC dc)
{
    if (!dc)
        return FALSE;
    if (dc != m_hDC) {
        DeleteDC();
        m_hDC = dc;
    }
    return TRUE;
}

HDC CDC::Detach()
{
    HDC const dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC dc)
{
    if (!dc)
        return nullptr;
    TempDCMap& map = TempDCs();
    const std::lock_guard<std::mutex> hold(map.lock);
    std::unique_ptr<TempDC>& slot = map.wrappers[{::GetCurrentThreadId(), dc}];
    if (!slot)
        slot = std::make_unique<TempDC>(dc);
    return slot.get();
}

void CDC::DeleteTempMap()
{
    TempDCMap& map = TempDCs();
    const DWORD thread = ::GetCurrentThreadId();
    const std::lock_guard<std::mutex> hold(map.lock);
    auto first = map.wrappers.lower_bound({thread, nullptr});
    auto last = first;
    while (last != map.wrappers.end() && last->first.first == thread)
        ++last;
    map.wrappers.erase(first, last);
}

BOOL CDC::CreateCompatibleDC(const CDC* dc)
{
    return Attach(::CreateCompatibleDC(HandleOf(dc)));
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int savedDC) { return ::RestoreDC(m_hDC, savedDC); }
int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

HPEN CDC::SelectObject(CPen* pen)
{
    return static_cast<HPEN>(SelectObject(static_cast<HGDIOBJ>(HandleOf<HPEN>(pen))));
}

HBRUSH CDC::SelectObject(CBrush* brush)
{
    return static_cast<HBRUSH>(SelectObject(static_cast<HGDIOBJ>(HandleOf<HBRUSH>(brush))));
}

HFONT CDC::SelectObject(CFont* font)
{
    return static_cast<HFONT>(SelectObject(static_cast<HGDIOBJ>(HandleOf<HFONT>(font))));
}

HBITMAP CDC::SelectObject(CBitmap* bitmap)
{
    return static_cast<HBITMAP>(SelectObject(static_cast<HGDIOBJ>(HandleOf<HBITMAP>(bitmap))));
}

int CDC::SelectObject(CRgn* region)
{
    return SelectClipRgn(region);
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object)
{
    return m_hDC && object ? ::SelectObject(m_hDC, object) : nullptr;
}

HGDIOBJ CDC::SelectStockObject(int index)
{
    return SelectObject(::GetStockObject(index));
}

int CDC::SelectClipRgn(CRgn* region) { return ::SelectClipRgn(m_hDC, HandleOf<HRGN>(region)); }
int CDC::SelectClipRgn(CRgn* region, int mode) { return ::ExtSelectClipRgn(m_hDC, HandleOf<HRGN>(region), mode); }
int CDC::IntersectClipRect(int l, int t, int r, int b) { return ::IntersectClipRect(m_hDC, l, t, r, b); }
int CDC::IntersectClipRect(LPCRECT rc) { return IntersectClipRect(rc->left, rc->top, rc->right, rc->bottom); }
int CDC::ExcludeClipRect(int l, int t, int r, int b) { return ::ExcludeClipRect(m_hDC, l, t, r, b); }
int CDC::ExcludeClipRect(LPCRECT rc) { return ExcludeClipRect(rc->left, rc->top, rc->right, rc->bottom); }
int CDC::GetClipBox(LPRECT rect) const { return ::GetClipBox(m_hDC, rect); }

COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }
int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hDC); }

int CDC::DrawText(LPCWSTR text, int count, LPRECT rect, UINT format)
{
    return ::DrawTextW(m_hDC, text, count, rect, format);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return DrawText(text.GetString(), text.GetLength(), rect, format);
}

BOOL CDC::TextOut(int x, int y, LPCWSTR text, int count)
{
    return ::TextOutW(m_hDC, x, y, text, count);
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    return TextOut(x, y, text.GetString(), text.GetLength());
}

CSize CDC::GetTextExtent(LPCWSTR text, int count) const
{
    SIZE size{0, 0};
    if (text && count > 0)
        ::GetTextExtentPoint32W(m_hDC, text, count, &size);
    return CSize(size);
}

CSize CDC::GetTextExtent(const CString& text) const
{
    return GetTextExtent(text.GetString(), text.GetLength());
}

BOOL CDC::GetTextMetrics(TEXTMETRICW* metrics) const
{
    return ::GetTextMetricsW(m_hDC, metrics);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, HandleOf(source), xSrc, ySrc, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, int srcWidth,
                     int srcHeight, DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, width, height, HandleOf(source), xSrc, ySrc, srcWidth, srcHeight, rop);
}

BOOL CDC::TransparentBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc,
                         int srcWidth, int srcHeight, UINT transparentColor)
{
    return ::TransparentBlt(m_hDC, x, y, width, height, HandleOf(source), xSrc, ySrc, srcWidth, srcHeight,
                            transparentColor);
}

BOOL CDC::AlphaBlend(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, int srcWidth,
                     int srcHeight, BLENDFUNCTION blend)
{
    return ::AlphaBlend(m_hDC, x, y, width, height, HandleOf(source), xSrc, ySrc, srcWidth, srcHeight, blend);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop)
{
    return ::PatBlt(m_hDC, x, y, width, height, rop);
}

int CDC::SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    ::FillRect(m_hDC, rect, HandleOf<HBRUSH>(brush));
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    // ExtTextOut with an opaque rectangle fills without creating a brush.
    const COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color)
{
    const RECT rect{x, y, x + width, y + height};
    FillSolidRect(&rect, color);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    ::FrameRect(m_hDC, rect, HandleOf<HBRUSH>(brush));
}

BOOL CDC::FillRgn(CRgn* region, CBrush* brush)
{
    return ::FillRgn(m_hDC, HandleOf<HRGN>(region), HandleOf<HBRUSH>(brush));
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) { return ::Rectangle(m_hDC, left, top, right, bottom); }
BOOL CDC::Rectangle(LPCRECT rc) { return Rectangle(rc->left, rc->top, rc->right, rc->bottom); }

CPoint CDC::MoveTo(int x, int y)
{
    POINT previous{0, 0};
    ::MoveToEx(m_hDC, x, y, &previous);
    return CPoint(previous);
}

BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
BOOL CDC::Polygon(const POINT* points, int count) { return ::Polygon(m_hDC, points, count); }
BOOL CDC::Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }
COLORREF CDC::SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rect, edge, flags); }
BOOL CDC::DrawFrameControl(LPRECT rect, UINT type, UINT state) { return ::DrawFrameControl(m_hDC, rect, type, state); }
void CDC::DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
BOOL CDC::DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT previous{0, 0};
    ::SetViewportOrgEx(m_hDC, x, y, &previous);
    return CPoint(previous);
}

CPoint CDC::GetViewportOrg() const
{
    POINT origin{0, 0};
    ::GetViewportOrgEx(m_hDC, &origin);
    return CPoint(origin);
}

CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    POINT previous{0, 0};
    ::OffsetViewportOrgEx(m_hDC, dx, dy, &previous);
    return CPoint(previous);
}

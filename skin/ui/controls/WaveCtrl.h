#pragma once
// CWaveCtrl: a line graph (window class "WaveView32"): series of integer (x, y) points
// drawn as polylines over a grid, with information areas at the left and at the bottom
// that the parent may paint, a gradient under a single series with a line marking its
// lowest point, and horizontal panning by dragging with the left button.
//
// The parent hears of it through WM_NOTIFY: WVN_DRAWINFOAREA (NMWAVEINFOAREA) each time the
// graph is drawn, after the background and before the graph, so the parent can put labels
// into the information areas; WVN_OFFSETCHANGED on every drag move (a non-zero answer keeps
// the move from default processing).
//
// It owns its series (copies of what the owner gives it), its background image and the
// region under a single series; the window that made it releases nothing in it.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "skin/model/CtrlProperties.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/SharedBitmap.h"
#include "skin/ui/controls/WaveGeometry.h"

#include <commctrl.h>

#include <vector>

namespace Vexel {

enum : int {
    WVN_OFFSETCHANGED = -60,
    WVN_DRAWINFOAREA = -61,
};

// WVN_DRAWINFOAREA: the DC the graph is being drawn on and the client rectangle.
struct NMWAVEINFOAREA {
    NMHDR hdr;
    HDC dc;
    RECT client;
};

// One series: its points in drawing order, in data units, and its line colour.
struct WAVESERIES {
    std::vector<POINT> points;
    COLORREF color = 0;
};

class CWaveCtrl : public CWnd {
    DECLARE_DYNAMIC(CWaveCtrl)
public:
    static constexpr COLORREF kDefaultGridColor = 0x408000;
    static constexpr COLORREF kLowLineColor = 0x927264;

    CWaveCtrl();
    ~CWaveCtrl() override;

    // A child of `parent` of class "WaveView32". FALSE when the class cannot be registered
    // or the window cannot be made.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // A WAVECTRL record or style: background image, panning switch, grid, colours and
    // information areas. 0; -1 no window, -2 null record or unknown style, -3 a record of
    // another kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);

    // The whole graph onto `dc` (client coordinates): background, the parent's information
    // areas, then grid and series right of the left information area. 0; -1 for a null DC.
    virtual int DrawView(CDC* dc);
    // The area between the series' curve and the baseline, as it is drawn now, into the
    // empty `region`, WINDING. 0; -1 null series, -2 null region (or one that cannot be
    // made), -3 a region that holds one already. A series without points gives an empty
    // region.
    virtual int CreateSeriesRegion(const WAVESERIES* series, CRgn* region);

    // --- series (the graph keeps copies)
    int AddSeries(const WAVESERIES& series);   // its index
    // FALSE for an index outside the series.
    BOOL SetSeries(int index, const WAVESERIES& series);
    BOOL RemoveSeries(int index);
    void RemoveAllSeries();
    int GetSeriesCount() const { return static_cast<int>(m_series.size()); }
    // Null for an index outside the series.
    const WAVESERIES* GetSeries(int index) const;

    // --- pan offset: pixels the graph is shifted to the left, never below 0
    int GetOffset() const { return m_scale.offset; }
    void SetOffset(int offset);

    const WaveScale& GetScale() const { return m_scale; }
    COLORREF GetGridColor() const { return m_gridColor; }
    bool IsPanningEnabled() const { return m_panning; }
    // Takes the background image over (null: none); the one held before is deleted.
    void SetBackgroundImage(HBITMAP image);
    // The same with a shared image, which the graph holds and never deletes.
    void SetBackgroundImage(const SharedBitmap& image);

protected:
    virtual int DrawBackground(CDC* dc);
    virtual int DrawHorzGrid(CDC* dc);
    virtual int DrawVertGrid(CDC* dc);
    virtual int DrawSeries(CDC* dc);
    virtual int DrawLowLine(CDC* dc, int y);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    RECT Client() const;
    // The region under the single series, made when missing; null without exactly one series.
    CRgn* FillRegion();
    // The region no longer matches what is drawn (pan, series, size or scale changed).
    void ForgetFillRegion() { m_fillRegion.DeleteObject(); }
    void Changed();
    bool OnPanMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    int ApplyWaveRecord(const CTRLPROPERTIES& record);

    SharedBitmap m_background;            // held
    COLORREF m_gridColor = kDefaultGridColor;
    WaveScale m_scale;
    bool m_panning = true;
    bool m_dragging = false;
    POINT m_dragStart{0, 0};
    int m_dragStartOffset = 0;
    std::vector<WAVESERIES> m_series;
    CRgn m_fillRegion;                    // the area under a single series; made on demand
    PaintBuffer m_frame;   // the paint
    PaintBuffer m_graph;   // the grid and series, before their part is copied onto the frame
};

} // namespace Vexel

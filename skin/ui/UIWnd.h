#pragma once
// CUIWnd: the base of every skinned window. A derived window names its skin record in
// SetWindowID; creation (Create, or DoModal for a dialog) then copies that record, loads
// the background images, sizes the window to its background, makes one skinned control
// per control record (through the control-kind table) and shapes the window. The window
// procedure drags the window by its title band, resizes it from its borders, lays the
// children out again on every resize, runs the skin's minimise, maximise and close
// buttons, answers the controls' questions (WM_VXL_...) and behaves as a dialog when run
// modally.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "skin/model/UiWndProperties.h"
#include "skin/ui/factories/ControlFactoryTable.h"

#include <memory>
#include <vector>

namespace Vexel {

class HostedTaskWndMgr;
struct UIWndPrivate;

// One created child control, in the order of the window record's control list.
struct ChildControlRecord {
    std::unique_ptr<CObject> control;   // owned; null once destroyed
    CWnd* window = nullptr;             // the control as a window; null for placeholders
    CRectCtrl* placeholder = nullptr;   // RECT and SPLITTER
    RECT designRect{};                  // client coordinates after creation: the layout's base
    WCHAR type[32]{};                   // the type word
    CTRLPROPERTIES* properties = nullptr;   // the control's record (the skin's; not owned)
    const ControlKind* kind = nullptr;
};

// The window property that holds the window record's ID text while the window exists.
constexpr wchar_t kStringIdProperty[] = L"VXL_UIWND_STRINGID";

class CUIWnd : public CWnd {
    DECLARE_DYNCREATE(CUIWnd)
public:
    // `owner` is the window DoModal disables while it runs (may be null).
    explicit CUIWnd(CWnd* owner = nullptr);
    ~CUIWnd() override;

    using CWnd::Create;
    // A top-level or child window from the skin record. `resourceId` names the icon of
    // the window class and the caption's string resource. 1 on success, 0 on failure
    // (GetLastCreateError says why).
    virtual BOOL Create(UINT resourceId, DWORD style, CWnd* parent, int imagesFromFiles, int layered);

    // --- dialog behaviour (UIWndModal.cpp)
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Runs the window modally as a popup of `style` | WS_POPUP | WS_VISIBLE ...; the
    // value given to EndDialog, or -1 when the window could not be made.
    int DoModal(DWORD style = 0);
    void EndDialog(int result);
    BOOL PreTranslateMessage(MSG* msg) override;

    // The derived window stores its skin window id (m_nWindowID) here; it runs before
    // the window exists.
    virtual void SetWindowID();

    // --- background and shape (UIWndPaint.cpp)
    virtual int DrawBackground(CDC* dc);
    virtual int NotifyChildren(WPARAM code);
    virtual int UpdateLayeredBackground(int alpha);
    // The window's background and its four state images. With `deleteAfterUse` TRUE the
    // caller owns the state images it is handed; FALSE says the loader keeps them. The
    // background becomes the window's, unless it is the shared image this class's own loader
    // holds (from image files it loads through SkinImageStore.h and answers FALSE).
    // 0; 1 no background; 2 no normal image from the resources.
    virtual int LoadBackgroundImages(HBITMAP* background, HBITMAP* normal, HBITMAP* highlight, HBITMAP* selected,
                                     HBITMAP* disabled, BOOL* deleteAfterUse);

    // --- layout (UIWndLayout.cpp)
    virtual int CalcLayoutRect(const RECT* design, const POINT* resizingPoint, RECT* out, int cx, int cy, int rawCx,
                               int rawCy, int horMode, int verMode);
    // A design rectangle mapped to the current client size; -1 for a null pointer.
    int MapTaskWndRect(const RECT* design, RECT* out) const;
    // The border strip under (x, y) (client coordinates), setting the matching cursor;
    // HTCLIENT, without touching the cursor, while maximised.
    int HitTestBorder(int x, int y);

    int GetLastCreateError() const;
    // Border resizing on or off (the record must allow resizing too); 0.
    int SetFlag(int on);
    // The record's ClientArea in client pixels; -1 for a null pointer, else 0.
    int GetOrigRect(RECT* out) const;
    // A control record's Rect in this window's client pixels: scaled from the skin's design
    // DPI to the screen's by the factor of the window's images. A factory makes its control
    // there; the skin's record keeps its design value.
    RECT ControlRect(const CTRLPROPERTIES& record) const;
    // The first RECT placeholder whose ID names `id` in the skin's id table, or null.
    CRectCtrl* GetRectCtrl(int id) const;
    const std::vector<ChildControlRecord>& GetChildControls() const;
    // The window record as copied at creation, its own lengths (rectangles, points, title
    // band, repeat strips) scaled as its images are (UIWndScaling.h).
    const UIWNDPROPERTIES& GetWindowProperties() const;
    // The record's Tag text.
    const CString& GetTag() const;
    // A task-window manager that shows its pages inside this window.
    void AddHostedTaskWndMgr(HostedTaskWndMgr* manager);
    // Forgets every registration of `manager` (one that goes before this window does).
    void RemoveHostedTaskWndMgr(HostedTaskWndMgr* manager);

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnPaint();
    void OnInitMenuPopup(HMENU popup, UINT index, BOOL isSystemMenu);
    LRESULT OnCanLayoutChild(WPARAM wParam, LPARAM lParam);

    int m_nWindowID = -1;   // the Resource.h number of the window record's IDW_ name

    DECLARE_MESSAGE_MAP()

private:
    friend struct UIWndAccess;

    // Creation (UIWnd.cpp).
    LRESULT OnSkinCreate(bool withChildren);
    bool CreateChildControls(const ParentBackgrounds& backgrounds);
    void DestroyChildControls();
    void CleanUpOnNcDestroy();

    // Title band and skin buttons (UIWndCaption.cpp).
    int TitleBarHeight() const;
    bool InTitleBand(POINT point) const;
    void OnTitleButtonDown(LPARAM lParam);
    void OnTitleDoubleClick(LPARAM lParam);
    // WM_COMMAND from a skin button: true when the window may be gone (return at once).
    bool OnSkinCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnSkinSysCommand(WPARAM command);
    const ChildControlRecord* FindMaximizeBox() const;
    const ChildControlRecord* FindChild(HWND window) const;

    // Layout and border drag (UIWndLayout.cpp).
    void LayoutChildren(int rawCx, int rawCy);
    void LimitWindowPos(WINDOWPOS& pos);
    MINMAXINFO QueryMinMaxInfo();
    bool BorderResizing() const;
    void OnBorderButtonDown(LPARAM lParam);
    void OnBorderMouseMove(LPARAM lParam);
    void ResetBorderDrag(bool releaseCapture);
    LRESULT OnSplitterMoving(LPARAM lParam);
    LRESULT OnSplitterMoved(LPARAM lParam);

    // Background and shape (UIWndPaint.cpp).
    HBITMAP ComposeBackground(HDC reference);
    void ApplyWindowShape(int layered);
    int BuildShapeRegions(COLORREF mask, POINT resizingPoint);
    void UpdateWindowRegion(int cx, int cy);
    void ReleaseBackground();
    COLORREF MaskColor() const;

    // Dialog (UIWndModal.cpp).
    void SendInitDialogOnce();

    std::unique_ptr<UIWndPrivate> m_pPrivate;
    CWnd* m_pOwner;
};

} // namespace Vexel

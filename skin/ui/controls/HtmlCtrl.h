#pragma once
// CHtmlCtrl: a skinned child that shows a web page through the system's web browser (the
// framework's CHtmlView). Its record decides the browser's border, scroll bars and context
// menu and the page it opens first. The browser's nested windows never erase the innermost
// one's background.
//
// Where the browser cannot be had (no HTML engine, or OLE not started on the thread), the
// control is still made, as an empty child of the same size that shows nothing, and tells
// its creator so through GetBrowserResult; nothing else changes for its window.
//
// It holds no skin images; the window that made it releases nothing in it.
#include "framework/HtmlView.h"
#include "skin/model/CtrlProperties.h"

namespace Vexel {

class CHtmlCtrl : public CHtmlView {
    DECLARE_DYNAMIC(CHtmlCtrl)
public:
    // The host flags the record sets (DOCHOSTUIINFO.dwFlags).
    enum : DWORD {
        kNoContextMenu = 0x2,   // also the browser's DOCHOSTUIFLAG_DISABLE_HELP_MENU
        kNoBorder = DOCHOSTUIFLAG_NO3DBORDER,
        kNoScrollBars = DOCHOSTUIFLAG_SCROLL_NO,
    };

    CHtmlCtrl();
    ~CHtmlCtrl() override;

    // The child window, then the browser in it. FALSE only when the window cannot be made;
    // without a browser the window stays, empty (GetBrowserResult says why).
    BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id) override;
    // S_OK with a browser; the reason there is none otherwise (E_UNEXPECTED before Create).
    HRESULT GetBrowserResult() const { return m_browserResult; }

    // An HTMLCTRL record or style: the host flags, then the start page when it names one.
    // 0; -1 no window, -2 null record or unknown style, -3 a record of another kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);

    // With `show` 0 the browser draws no 3-D border (no scroll bars); otherwise it does. The
    // browser asks for the flags when it next needs them. 0.
    int ShowBorder(BOOL show);
    int ShowScrollBar(BOOL show);
    DWORD GetHostFlags() const { return m_hostFlags; }

    // The address a start page opens: a page file (.htm, .html, .swf) of the skin under
    // `skinFolder`; anything else, and any address with a scheme ("http://..."), as given.
    static CString StartPageAddress(const CString& startPage, const CString& skinFolder);

    // The browser's host questions: cbSize 20, the host flags and the double-click mode;
    // S_OK. No context menu (S_OK) while kNoContextMenu is set, else the browser's (S_FALSE).
    HRESULT OnGetHostInfo(DOCHOSTUIINFO* info) override;
    HRESULT OnShowContextMenu(DWORD menuId, LPPOINT point, LPUNKNOWN commandTarget, LPDISPATCH object) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    DWORD m_hostFlags = 0;
    DWORD m_doubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    HRESULT m_browserResult = E_UNEXPECTED;
};

} // namespace Vexel

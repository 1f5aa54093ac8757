#pragma once
// CHtmlView: a child window hosting the system's web browser control as an in-place OLE
// object. The browser asks its host how to look and behave; a derived class answers
// through OnGetHostInfo and OnShowContextMenu.
//
// Create makes the view's window and then the browser in it. Where the browser or its
// HTML engine cannot be created (OLE not started on the thread, or no engine installed),
// Create answers FALSE and leaves no window behind; the object may try again or go.
// The browser is let go when the view's window is destroyed.
//
// The browser object comes from the system table (framework/SystemAnswers.h,
// MakeHtmlBrowser): the system's web browser, unless a test's table makes one of its own.
#include "framework/ComPtr.h"
#include "framework/Wnd.h"

#include <windows.h>
#include <exdisp.h>
#include <mshtmhst.h>

class CHtmlView : public CWnd {
    DECLARE_DYNAMIC(CHtmlView)
public:
    CHtmlView();
    ~CHtmlView() override;

    // A child view; a null class name uses the framework's class.
    BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id) override;

    // Opens `url` (an address or a file path). `flags` are navigation flags (navNoHistory
    // ...), `targetFrame`, `headers` and `postData` as the browser takes them; null or
    // zero leaves each out. FALSE when there is no browser or it refuses at once; errors
    // of the page itself are the browser's.
    BOOL Navigate(LPCWSTR url, DWORD flags = 0, LPCWSTR targetFrame = nullptr, LPCWSTR headers = nullptr,
                  const void* postData = nullptr, DWORD postDataLength = 0);

    // The browser (no reference added), or null when there is none.
    IWebBrowser2* GetBrowser() const { return m_browser.Get(); }
    // The browser's own window inside the view, or null.
    HWND GetBrowserWindow() const;

    // The browser's host questions. The defaults leave the host information as the
    // browser gave it (S_OK), and let the browser show its own context menu (S_FALSE).
    virtual HRESULT OnGetHostInfo(DOCHOSTUIINFO* info);
    virtual HRESULT OnShowContextMenu(DWORD menuId, LPPOINT point, LPUNKNOWN commandTarget, LPDISPATCH object);

protected:
    // The site the browser is given: its IDocHostUIHandler leads to the two members above.
    IOleClientSite* GetClientSite() const { return m_site.Get(); }
    // Makes the browser inside the view's existing window, in place over its client area.
    // S_OK, or the failure, with no browser held (the window stays): REGDB_E_CLASSNOTREG
    // when there is no HTML engine, CO_E_NOTINITIALIZED without OLE on the thread.
    HRESULT CreateBrowser();

    void OnSize(UINT type, int cx, int cy);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void ReleaseBrowser();

    ComPtr<IOleClientSite> m_site;
    ComPtr<IOleObject> m_object;
    ComPtr<IWebBrowser2> m_browser;
};

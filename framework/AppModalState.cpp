// CWinApp: the application's modal state (EnableModeless).
#include "framework/WinApp.h"

#include "framework/ToolTipCtrl.h"
#include "framework/Wnd.h"

namespace {

struct ModelessSearch {
    HWND mainWindow;
    std::vector<HWND>* disabled;
};

BOOL CALLBACK DisableModeless(HWND hwnd, LPARAM param)
{
    const auto* const search = reinterpret_cast<const ModelessSearch*>(param);
    // Only the framework's own windows count, and not the thread's tool tip.
    const CWnd* const wnd = CWnd::FromHandlePermanent(hwnd);
    if (hwnd == search->mainWindow || !wnd || wnd->IsKindOf(RUNTIME_CLASS(CToolTipCtrl)) || !::IsWindowEnabled(hwnd))
        return TRUE;
    search->disabled->push_back(hwnd);
    ::EnableWindow(hwnd, FALSE);
    return TRUE;
}

} // namespace

void CWinApp::EnableModeless(BOOL enable)
{
    if (!enable) {
        if (m_nModalDepth++ > 0)
            return;
        const CWnd* const main = AfxGetMainWnd();
        ModelessSearch search{main ? main->m_hWnd : nullptr, &m_modelessDisabled};
        ::EnumThreadWindows(::GetCurrentThreadId(), &DisableModeless, reinterpret_cast<LPARAM>(&search));
        return;
    }
    if (m_nModalDepth == 0 || --m_nModalDepth > 0)
        return;
    for (const HWND hwnd : m_modelessDisabled) {
        if (::IsWindow(hwnd))
            ::EnableWindow(hwnd, TRUE);
    }
    m_modelessDisabled.clear();
}

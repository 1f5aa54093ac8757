#include "FakeHtmlBrowser.h"

#include "framework/Wnd.h"

namespace skin_ui_test {
namespace {

constexpr wchar_t kPaneClass[] = L"LumeoTestBrowserPane";

ComPtr<FakeHtmlBrowser> g_last;

HRESULT MakeFakeBrowser(IOleObject** browser)
{
    g_last = FakeHtmlBrowser::Make<FakeHtmlBrowser>();
    if (!g_last)
        return E_OUTOFMEMORY;
    *browser = static_cast<IOleObject*>(g_last.Get());
    (*browser)->AddRef();
    return S_OK;
}

// Panes without a background brush: their default procedure erases nothing and says so.
bool RegisterPaneClass()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kPaneClass;
    return AfxRegisterClass(&wc) != FALSE;
}

} // namespace

FakeHtmlBrowser* FakeHtmlBrowser::Last()
{
    return g_last.Get();
}

HRESULT FakeHtmlBrowser::SetClientSite(IOleClientSite* clientSite)
{
    site = ComPtr<IOleClientSite>(clientSite);
    return S_OK;
}

HRESULT FakeHtmlBrowser::DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND parent, LPCRECT rect)
{
    if (verb != OLEIVERB_INPLACEACTIVATE || !parent || !rect || !RegisterPaneClass())
        return E_FAIL;
    placed = *rect;
    HWND host = parent;
    for (HWND& pane : panes) {
        pane = ::CreateWindowExW(0, kPaneClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, rect->right - rect->left,
                                 rect->bottom - rect->top, host, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        if (!pane)
            return E_FAIL;
        host = pane;
    }
    return S_OK;
}

HRESULT FakeHtmlBrowser::Close(DWORD)
{
    if (::IsWindow(panes[0]))
        ::DestroyWindow(panes[0]);
    return S_OK;
}

HRESULT FakeHtmlBrowser::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = panes[0];
    return panes[0] ? S_OK : E_FAIL;
}

HRESULT FakeHtmlBrowser::SetObjectRects(LPCRECT position, LPCRECT)
{
    if (position)
        placed = *position;
    return S_OK;
}

HRESULT FakeHtmlBrowser::Navigate2(VARIANT* url, VARIANT*, VARIANT*, VARIANT*, VARIANT*)
{
    if (!url || url->vt != VT_BSTR)
        return E_INVALIDARG;
    navigated.emplace_back(url->bstrVal ? url->bstrVal : L"");
    return S_OK;
}

void* FakeHtmlBrowser::FindInterface(REFIID iid)
{
    if (IsEqualIID(iid, __uuidof(IOleWindow)))
        return static_cast<IOleWindow*>(static_cast<IOleInPlaceObject*>(this));
    if (IsEqualIID(iid, IID_IDispatch))
        return static_cast<IDispatch*>(static_cast<IWebBrowser2*>(this));
    return ComObject::FindInterface(iid);
}

HRESULT FakeHtmlBrowserMaker::MakeHtmlBrowser(IOleObject** browser) const
{
    return MakeFakeBrowser(browser);
}

FakeHtmlBrowserMaker::~FakeHtmlBrowserMaker()
{
    g_last = nullptr;
}

} // namespace skin_ui_test

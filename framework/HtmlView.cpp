#include "framework/HtmlView.h"

#include "framework/HtmlHostSite.h"
#include "framework/SystemAnswers.h"

#include <cstring>

namespace {

// The HTML engine's document class. The browser object can exist without it (it is
// another library, and may be missing or switched off), but can then show no page.
const CLSID kHtmlDocumentClass = {0x25336920, 0x03f9, 0x11cf, {0x8f, 0xd0, 0x00, 0xaa, 0x00, 0x68, 0x6f, 0x13}};

bool HtmlEngineAvailable()
{
    ComPtr<IUnknown> document;
    return SUCCEEDED(document.CreateInstance(kHtmlDocumentClass, IID_IUnknown));
}


// A VARIANT for an optional browser argument: text, bytes, or left out.
class OptionalArgument {
public:
    OptionalArgument() { ::VariantInit(&m_value); }
    explicit OptionalArgument(LPCWSTR text) : OptionalArgument()
    {
        if (text) {
            m_value.vt = VT_BSTR;
            m_value.bstrVal = ::SysAllocString(text);
        }
    }
    explicit OptionalArgument(DWORD flags) : OptionalArgument()
    {
        m_value.vt = VT_I4;
        m_value.lVal = static_cast<LONG>(flags);
    }
    OptionalArgument(const void* bytes, DWORD length) : OptionalArgument()
    {
        if (!bytes || length == 0)
            return;
        SAFEARRAY* const array = ::SafeArrayCreateVector(VT_UI1, 0, length);
        void* data = nullptr;
        if (!array || FAILED(::SafeArrayAccessData(array, &data))) {
            if (array)
                ::SafeArrayDestroy(array);
            return;
        }
        std::memcpy(data, bytes, length);
        ::SafeArrayUnaccessData(array);
        m_value.vt = VT_ARRAY | VT_UI1;
        m_value.parray = array;
    }
    ~OptionalArgument() { ::VariantClear(&m_value); }
    OptionalArgument(const OptionalArgument&) = delete;
    OptionalArgument& operator=(const OptionalArgument&) = delete;

    VARIANT* Get() { return &m_value; }

private:
    VARIANT m_value;
};

} // namespace

// The system's web browser, when its HTML engine is there.
HRESULT SystemAnswers::MakeHtmlBrowser(IOleObject** browser) const
{
    *browser = nullptr;
    if (!HtmlEngineAvailable())
        return REGDB_E_CLASSNOTREG;
    ComPtr<IOleObject> made;
    const HRESULT hr = made.CreateInstance(CLSID_WebBrowser, IID_IOleObject);
    if (SUCCEEDED(hr))
        *browser = made.Detach();
    return hr;
}

IMPLEMENT_DYNAMIC(CHtmlView, CWnd)

BEGIN_MESSAGE_MAP(CHtmlView, CWnd)
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CHtmlView::CHtmlView() = default;

CHtmlView::~CHtmlView()
{
    // Our own clean-up first: the base destroys a window still held, but the browser must
    // not ask a half-destroyed view anything.
    ReleaseBrowser();
}

BOOL CHtmlView::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (m_hWnd || !CWnd::Create(className, windowName, style | WS_CLIPCHILDREN, rect, parent, id))
        return FALSE;
    if (FAILED(CreateBrowser())) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

HRESULT CHtmlView::CreateBrowser()
{
    if (!m_hWnd)
        return E_UNEXPECTED;
    ReleaseBrowser();
    HRESULT hr = GetSystemAnswers().MakeHtmlBrowser(m_object.Out());
    if (SUCCEEDED(hr) && !m_object)
        hr = E_NOINTERFACE;
    if (FAILED(hr)) {
        m_object = nullptr;
        return hr;
    }
    m_site = AfxMakeHtmlHostSite(this);
    if (!m_site)
        hr = E_OUTOFMEMORY;
    if (SUCCEEDED(hr))
        hr = m_object->SetClientSite(m_site.Get());
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    if (SUCCEEDED(hr))
        hr = m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_site.Get(), 0, m_hWnd, &client);
    if (SUCCEEDED(hr))
        hr = m_browser.QueryFrom(m_object.Get(), IID_IWebBrowser2);
    if (FAILED(hr))
        ReleaseBrowser();
    return hr;
}

void CHtmlView::ReleaseBrowser()
{
    m_browser = nullptr;
    if (m_object) {
        ComPtr<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(inPlace.QueryFrom(m_object.Get(), IID_IOleInPlaceObject)))
            inPlace->InPlaceDeactivate();
        m_object->Close(OLECLOSE_NOSAVE);
        m_object->SetClientSite(nullptr);
        m_object = nullptr;
    }
    if (m_site) {
        AfxForgetHtmlHostView(m_site.Get());
        m_site = nullptr;
    }
}

BOOL CHtmlView::Navigate(LPCWSTR url, DWORD flags, LPCWSTR targetFrame, LPCWSTR headers, const void* postData,
                         DWORD postDataLength)
{
    if (!m_browser || !url)
        return FALSE;
    OptionalArgument address(url);
    OptionalArgument navigationFlags(flags);
    OptionalArgument frame(targetFrame);
    OptionalArgument body(postData, postDataLength);
    OptionalArgument headerLines(headers);
    return SUCCEEDED(
        m_browser->Navigate2(address.Get(), navigationFlags.Get(), frame.Get(), body.Get(), headerLines.Get()));
}

HWND CHtmlView::GetBrowserWindow() const
{
    ComPtr<IOleWindow> window;
    HWND hwnd = nullptr;
    if (m_object && SUCCEEDED(window.QueryFrom(m_object.Get(), IID_IOleWindow)) &&
        FAILED(window->GetWindow(&hwnd)))
        hwnd = nullptr;
    return hwnd;
}

HRESULT CHtmlView::OnGetHostInfo(DOCHOSTUIINFO*)
{
    return S_OK;
}

HRESULT CHtmlView::OnShowContextMenu(DWORD, LPPOINT, LPUNKNOWN, LPDISPATCH)
{
    return S_FALSE;
}

void CHtmlView::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    ComPtr<IOleInPlaceObject> inPlace;
    if (m_object && SUCCEEDED(inPlace.QueryFrom(m_object.Get(), IID_IOleInPlaceObject))) {
        const RECT client{0, 0, cx, cy};
        inPlace->SetObjectRects(&client, &client);
    }
}

void CHtmlView::OnDestroy()
{
    ReleaseBrowser();
    CWnd::OnDestroy();
}

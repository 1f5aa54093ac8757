#include "framework/HtmlHostSite.h"

#include "framework/CallbackGuard.h"
#include "framework/ComObject.h"
#include "framework/HtmlView.h"

#include <mshtmhst.h>

namespace {

class HtmlHostSite : public ComObject<IOleClientSite, IOleInPlaceSite, IOleInPlaceFrame, IDocHostUIHandler> {
public:
    explicit HtmlHostSite(CHtmlView* view) : m_view(view) {}
    void Forget() { m_view = nullptr; }

    // --- IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** out) override { return NoObject(out); }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override
    {
        if (out)
            *out = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // --- IOleWindow (of the in-place site and the frame alike): the view's window
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override
    {
        if (!out)
            return E_POINTER;
        *out = m_view ? m_view->GetSafeHwnd() : nullptr;
        return *out ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // --- IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return m_view ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override
    {
        if (!frame || !document || !position || !clip || !info)
            return E_POINTER;
        *frame = this;
        AddRef();
        *document = nullptr;
        const HWND hwnd = m_view ? m_view->GetSafeHwnd() : nullptr;
        ::SetRectEmpty(position);
        if (hwnd)
            ::GetClientRect(hwnd, position);
        *clip = *position;
        info->fMDIApp = FALSE;
        info->hwndFrame = hwnd;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // --- IOleInPlaceUIWindow, IOleInPlaceFrame: a frame without tools or menus
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // --- IDocHostUIHandler: the view answers the two questions it owns
    HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD menuId, POINT* point, IUnknown* commandTarget,
                                              IDispatch* object) override
    {
        if (!m_view)
            return S_FALSE;
        try {
            return m_view->OnShowContextMenu(menuId, point, commandTarget, object);
        } catch (...) {
            AfxReportCallbackException("browser host");
            return S_FALSE;
        }
    }
    HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override
    {
        if (!info)
            return E_POINTER;
        if (!m_view)
            return S_OK;
        try {
            return m_view->OnGetHostInfo(info);
        } catch (...) {
            AfxReportCallbackException("browser host");
            return E_FAIL;
        }
    }
    HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                     IOleInPlaceUIWindow*) override
    {
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE HideUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE UpdateUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* out, DWORD) override { return NoObject(out); }
    HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget** out) override { return NoObject(out); }
    HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** out) override { return NoObject(out); }
    HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, LPWSTR, LPWSTR* out) override
    {
        if (out)
            *out = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject** out) override
    {
        if (out)
            *out = nullptr;
        return S_FALSE;
    }

protected:
    // The base interfaces that more than one listed interface derives from.
    void* FindInterface(REFIID iid) override
    {
        if (IsEqualIID(iid, __uuidof(IOleWindow)))
            return static_cast<IOleInPlaceSite*>(this);
        if (IsEqualIID(iid, __uuidof(IOleInPlaceUIWindow)))
            return static_cast<IOleInPlaceFrame*>(this);
        return ComObject::FindInterface(iid);
    }

private:
    template <class T>
    static HRESULT NoObject(T** out)
    {
        if (out)
            *out = nullptr;
        return E_NOTIMPL;
    }

    CHtmlView* m_view;
};

} // namespace

ComPtr<IOleClientSite> AfxMakeHtmlHostSite(CHtmlView* view)
{
    ComPtr<HtmlHostSite> site = HtmlHostSite::Make<HtmlHostSite>(view);
    return ComPtr<IOleClientSite>(site.Detach(), false);
}

void AfxForgetHtmlHostView(IOleClientSite* site)
{
    if (site)
        static_cast<HtmlHostSite*>(site)->Forget();
}

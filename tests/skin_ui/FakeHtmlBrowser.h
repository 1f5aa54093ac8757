#pragma once
// A web browser of the tests' own, made by the test's system table, for the
// HTML view's life with a browser (the system's cannot be had here). Activated in place,
// it opens three nested windows in its host as the system's browser does; it notes the
// addresses it is sent to and keeps the site it was given, so a test can ask the site the
// browser's host questions. Every other browser operation answers E_NOTIMPL.
#include "framework/ComObject.h"
#include "framework/HtmlView.h"
#include "tests/support/SystemAnswersScope.h"

#include <exdisp.h>

#include <string>
#include <vector>

namespace skin_ui_test {

class FakeHtmlBrowser : public ComObject<IOleObject, IOleInPlaceObject, IWebBrowser2> {
public:
    // The last browser the maker made, or null.
    static FakeHtmlBrowser* Last();

    std::vector<std::wstring> navigated;
    HWND panes[3] = {};   // the nested windows, outermost first
    RECT placed{};        // the last rectangle the host gave the browser
    ComPtr<IOleClientSite> site;

    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* clientSite) override;
    HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND parent, LPCRECT rect) override;
    HRESULT STDMETHODCALLTYPE Close(DWORD) override;
    // IOleWindow, IOleInPlaceObject
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT) override;
    // IWebBrowser2
    HRESULT STDMETHODCALLTYPE Navigate2(VARIANT* url, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override;

#define UNUSED_METHOD(name, ...) \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { return E_NOTIMPL; }
    UNUSED_METHOD(GetClientSite, IOleClientSite**)
    UNUSED_METHOD(SetHostNames, LPCOLESTR, LPCOLESTR)
    UNUSED_METHOD(SetMoniker, DWORD, IMoniker*)
    UNUSED_METHOD(GetMoniker, DWORD, DWORD, IMoniker**)
    UNUSED_METHOD(InitFromData, IDataObject*, WINBOOL, DWORD)
    UNUSED_METHOD(GetClipboardData, DWORD, IDataObject**)
    UNUSED_METHOD(EnumVerbs, IEnumOLEVERB**)
    UNUSED_METHOD(Update)
    UNUSED_METHOD(IsUpToDate)
    UNUSED_METHOD(GetUserClassID, CLSID*)
    UNUSED_METHOD(GetUserType, DWORD, LPOLESTR*)
    UNUSED_METHOD(SetExtent, DWORD, SIZEL*)
    UNUSED_METHOD(GetExtent, DWORD, SIZEL*)
    UNUSED_METHOD(Advise, IAdviseSink*, DWORD*)
    UNUSED_METHOD(Unadvise, DWORD)
    UNUSED_METHOD(EnumAdvise, IEnumSTATDATA**)
    UNUSED_METHOD(GetMiscStatus, DWORD, DWORD*)
    UNUSED_METHOD(SetColorScheme, LOGPALETTE*)
    UNUSED_METHOD(ContextSensitiveHelp, WINBOOL)
    UNUSED_METHOD(UIDeactivate)
    UNUSED_METHOD(ReactivateAndUndo)
    UNUSED_METHOD(GetTypeInfoCount, UINT*)
    UNUSED_METHOD(GetTypeInfo, UINT, LCID, ITypeInfo**)
    UNUSED_METHOD(GetIDsOfNames, REFIID, LPOLESTR*, UINT, LCID, DISPID*)
    UNUSED_METHOD(Invoke, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
    UNUSED_METHOD(GoBack)
    UNUSED_METHOD(GoForward)
    UNUSED_METHOD(GoHome)
    UNUSED_METHOD(GoSearch)
    UNUSED_METHOD(Navigate, BSTR, VARIANT*, VARIANT*, VARIANT*, VARIANT*)
    UNUSED_METHOD(Refresh)
    UNUSED_METHOD(Refresh2, VARIANT*)
    UNUSED_METHOD(Stop)
    UNUSED_METHOD(get_Application, IDispatch**)
    UNUSED_METHOD(get_Parent, IDispatch**)
    UNUSED_METHOD(get_Container, IDispatch**)
    UNUSED_METHOD(get_Document, IDispatch**)
    UNUSED_METHOD(get_TopLevelContainer, VARIANT_BOOL*)
    UNUSED_METHOD(get_Type, BSTR*)
    UNUSED_METHOD(get_Left, LONG*)
    UNUSED_METHOD(put_Left, LONG)
    UNUSED_METHOD(get_Top, LONG*)
    UNUSED_METHOD(put_Top, LONG)
    UNUSED_METHOD(get_Width, LONG*)
    UNUSED_METHOD(put_Width, LONG)
    UNUSED_METHOD(get_Height, LONG*)
    UNUSED_METHOD(put_Height, LONG)
    UNUSED_METHOD(get_LocationName, BSTR*)
    UNUSED_METHOD(get_LocationURL, BSTR*)
    UNUSED_METHOD(get_Busy, VARIANT_BOOL*)
    UNUSED_METHOD(Quit)
    UNUSED_METHOD(ClientToWindow, int*, int*)
    UNUSED_METHOD(PutProperty, BSTR, VARIANT)
    UNUSED_METHOD(GetProperty, BSTR, VARIANT*)
    UNUSED_METHOD(get_Name, BSTR*)
    UNUSED_METHOD(get_HWND, SHANDLE_PTR*)
    UNUSED_METHOD(get_FullName, BSTR*)
    UNUSED_METHOD(get_Path, BSTR*)
    UNUSED_METHOD(get_Visible, VARIANT_BOOL*)
    UNUSED_METHOD(put_Visible, VARIANT_BOOL)
    UNUSED_METHOD(get_StatusBar, VARIANT_BOOL*)
    UNUSED_METHOD(put_StatusBar, VARIANT_BOOL)
    UNUSED_METHOD(get_StatusText, BSTR*)
    UNUSED_METHOD(put_StatusText, BSTR)
    UNUSED_METHOD(get_ToolBar, int*)
    UNUSED_METHOD(put_ToolBar, int)
    UNUSED_METHOD(get_MenuBar, VARIANT_BOOL*)
    UNUSED_METHOD(put_MenuBar, VARIANT_BOOL)
    UNUSED_METHOD(get_FullScreen, VARIANT_BOOL*)
    UNUSED_METHOD(put_FullScreen, VARIANT_BOOL)
    UNUSED_METHOD(QueryStatusWB, OLECMDID, OLECMDF*)
    UNUSED_METHOD(ExecWB, OLECMDID, OLECMDEXECOPT, VARIANT*, VARIANT*)
    UNUSED_METHOD(ShowBrowserBar, VARIANT*, VARIANT*, VARIANT*)
    UNUSED_METHOD(get_ReadyState, READYSTATE*)
    UNUSED_METHOD(get_Offline, VARIANT_BOOL*)
    UNUSED_METHOD(put_Offline, VARIANT_BOOL)
    UNUSED_METHOD(get_Silent, VARIANT_BOOL*)
    UNUSED_METHOD(put_Silent, VARIANT_BOOL)
    UNUSED_METHOD(get_RegisterAsBrowser, VARIANT_BOOL*)
    UNUSED_METHOD(put_RegisterAsBrowser, VARIANT_BOOL)
    UNUSED_METHOD(get_RegisterAsDropTarget, VARIANT_BOOL*)
    UNUSED_METHOD(put_RegisterAsDropTarget, VARIANT_BOOL)
    UNUSED_METHOD(get_TheaterMode, VARIANT_BOOL*)
    UNUSED_METHOD(put_TheaterMode, VARIANT_BOOL)
    UNUSED_METHOD(get_AddressBar, VARIANT_BOOL*)
    UNUSED_METHOD(put_AddressBar, VARIANT_BOOL)
    UNUSED_METHOD(get_Resizable, VARIANT_BOOL*)
    UNUSED_METHOD(put_Resizable, VARIANT_BOOL)
#undef UNUSED_METHOD

protected:
    void* FindInterface(REFIID iid) override;
};

// Makes the fake in place of the system's browser for the life of the object.
class FakeHtmlBrowserMaker : public lumeo_test::SystemAnswersScope {
public:
    FakeHtmlBrowserMaker() = default;
    ~FakeHtmlBrowserMaker() override;

    HRESULT MakeHtmlBrowser(IOleObject** browser) const override;
};

} // namespace skin_ui_test

#include "TestWindow.h"

#include "skin/ui/SkinMessages.h"

namespace skin_ui_test {
namespace {

constexpr wchar_t kClass[] = L"LumeoSkinUiTestWindow";
constexpr wchar_t kPointX[] = L"LumeoTestResizeX";
constexpr wchar_t kPointY[] = L"LumeoTestResizeY";

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == Vexel::WM_VXL_GETRESIZEPOINT) {
        const wchar_t* name = wParam == Vexel::kResizePointX ? kPointX : kPointY;
        return reinterpret_cast<LRESULT>(::GetPropW(window, name));
    }
    if (message == WM_DESTROY) {
        ::RemovePropW(window, kPointX);
        ::RemovePropW(window, kPointY);
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterOnce()
{
    WNDCLASSW existing = {};
    if (::GetClassInfoW(::GetModuleHandleW(nullptr), kClass, &existing))
        return;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ::RegisterClassW(&wc);
}

} // namespace

TestWindow::TestWindow(int w, int h, bool visible)
{
    RegisterOnce();
    m_window = ::CreateWindowExW(WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, w, h,
                                 nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

TestWindow::TestWindow(HWND parent, int x, int y, int w, int h, DWORD style)
{
    RegisterOnce();
    m_window = ::CreateWindowExW(0, kClass, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow()
{
    if (m_window)
        ::DestroyWindow(m_window);
}

void TestWindow::SetResizePoint(POINT point)
{
    ::SetPropW(m_window, kPointX, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(point.x)));
    ::SetPropW(m_window, kPointY, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(point.y)));
}

} // namespace skin_ui_test

#include "tests/support/SkinnedWindowTestSupport.h"

#include "core/ProgramResources.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/ui/factories/ControlKinds.h"
#include "tests/config/UiTextTestSupport.h"

namespace lumeo_test {

SkinControlKinds::SkinControlKinds()
{
    m_previous.assign(Vexel::ControlKindsBegin(), Vexel::ControlKindsEnd());
    Vexel::RegisterSkinControlKinds();
}

SkinControlKinds::~SkinControlKinds()
{
    for (const Vexel::ControlKind& kind : m_previous)
        Vexel::ReplaceControlKind(kind);
}

void ShippedSkinTest::SetUp()
{
    Vexel::ReleaseSkin();
    WriteProgramResources();
    ASSERT_TRUE(LoadSkin(nullptr));
    m_savedTexts = g_uiTexts;
    config_test::MarkEveryText(g_uiTexts);
}

void ShippedSkinTest::TearDown()
{
    g_uiTexts = m_savedTexts;
    Vexel::ReleaseSkin();
}

std::wstring WindowText(HWND window)
{
    if (!window)
        return std::wstring();
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ChildText(HWND window, int id)
{
    return WindowText(::GetDlgItem(window, id));
}

namespace {

constexpr wchar_t kActionClass[] = L"LumeoTestActions";
constexpr UINT kRunAction = WM_APP + 1;

} // namespace

PostedActions::PostedActions()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kActionClass;
    ::RegisterClassW(&windowClass);   // already there from an earlier test: fine
    m_window = ::CreateWindowExW(0, kActionClass, L"", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 ::GetModuleHandleW(nullptr), this);
}

PostedActions::~PostedActions()
{
    if (m_window)
        ::DestroyWindow(m_window);
}

void PostedActions::Post(std::function<void()> action)
{
    const WPARAM number = ++m_next;
    m_actions.emplace(number, std::move(action));
    ::PostMessageW(m_window, kRunAction, number, 0);
}

LRESULT CALLBACK PostedActions::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == kRunAction) {
        auto* self = reinterpret_cast<PostedActions*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self) {
            const auto found = self->m_actions.find(wParam);
            if (found != self->m_actions.end()) {
                std::function<void()> action = std::move(found->second);
                self->m_actions.erase(found);
                action();
            }
        }
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void PostKey(HWND target, WPARAM key)
{
    ::PostMessageW(target, WM_KEYDOWN, key, 1);
    ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

} // namespace lumeo_test

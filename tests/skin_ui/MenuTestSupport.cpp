#include "MenuTestSupport.h"

#include "skin/model/SkinGlobals.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace Vexel;

namespace skin_ui_test {
namespace {

std::map<UINT_PTR, WhileTracked*> g_armed;   // by timer id

} // namespace

MENUPROPERTIES& AddMenuStyle(LPCWSTR id)
{
    auto record = std::make_unique<MENUPROPERTIES>();
    record->GetVar(CtrlVar::ID).SetString(id);
    MENUPROPERTIES& added = *record;
    EXPECT_GE(g_skinStore.AddStyle(StyleKind::Menu, record.get()), 0);
    record.release();
    return added;
}

ULONG_PTR ItemData(HMENU menu, int position)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    EXPECT_TRUE(::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
    return info.dwItemData;
}

WhileTracked::WhileTracked(std::function<void()> action, bool endMenu, UINT interval)
    : m_action(std::move(action)), m_endMenu(endMenu), m_timer(::SetTimer(nullptr, 0, interval, &WhileTracked::Fire))
{
    EXPECT_NE(m_timer, 0u);
    g_armed[m_timer] = this;
}

WhileTracked::~WhileTracked()
{
    if (m_timer) {
        ::KillTimer(nullptr, m_timer);
        g_armed.erase(m_timer);
    }
}

void CALLBACK WhileTracked::Fire(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    const auto found = g_armed.find(id);
    if (found == g_armed.end())
        return;
    WhileTracked& armed = *found->second;
    g_armed.erase(found);
    armed.m_timer = 0;
    armed.m_ran = true;
    if (armed.m_action)
        armed.m_action();
    if (armed.m_endMenu)
        ::EndMenu();
}

HWND TrackedPopup()
{
    return ::FindWindowW(L"#32768", nullptr);
}

} // namespace skin_ui_test

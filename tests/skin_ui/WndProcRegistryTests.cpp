// The subclassing registries: procedures that stack on one window each find the procedure
// they replaced in the window's own properties; a second registration of one procedure is
// refused; the list's property lives exactly as long as its last entry.
#include "TestWindow.h"

#include "skin/ui/SkinMessages.h"
#include "skin/ui/WndProcRegistry.h"

#include <gtest/gtest.h>

#include <string>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kProbe = WM_APP + 7;
std::string g_trail;   // which procedures a probe went through, in order

LRESULT Forward(WNDPROC self, char mark, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbe)
        g_trail += mark;
    WNDPROC previous = nullptr;
    if (!LookupOldWndProc(window, self, previous))
        return 0;
    return ::CallWindowProcW(previous, window, message, wParam, lParam);
}

LRESULT CALLBACK ProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return Forward(&ProcA, 'A', window, message, wParam, lParam);
}

LRESULT CALLBACK ProcB(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return Forward(&ProcB, 'B', window, message, wParam, lParam);
}

LRESULT CALLBACK SlotProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbe)
        g_trail += 'S';
    return CallOldWndProc(window, message, wParam, lParam);
}

// Installs `procedure` over the window's current one through the list registry.
int Stack(HWND window, WNDPROC procedure)
{
    const int result = RegisterOldWndProc(window, procedure, ProcedureOf(window));
    if (result == 0)
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    return result;
}

bool HasList(HWND window)
{
    return ::GetPropW(window, kOldWndProcListProperty) != nullptr;
}

TEST(WndProcRegistry, TwoProceduresStackAndEachFindsItsPredecessor)
{
    TestWindow window(50, 50);
    const WNDPROC original = ProcedureOf(window);
    ASSERT_EQ(Stack(window, &ProcA), 0);
    ASSERT_EQ(Stack(window, &ProcB), 0);

    WNDPROC previous = nullptr;
    EXPECT_EQ(LookupOldWndProc(window, &ProcA, previous), 1);
    EXPECT_EQ(previous, original);
    EXPECT_EQ(LookupOldWndProc(window, &ProcB, previous), 1);
    EXPECT_EQ(previous, &ProcA);

    g_trail.clear();
    ::SendMessageW(window, kProbe, 0, 0);
    EXPECT_EQ(g_trail, "BA");   // each handed the message on to the one it replaced

    // Taken off in reverse; the property goes with the last entry, not before.
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProcA));
    EXPECT_EQ(UnregisterOldWndProc(window, &ProcB), 0);
    EXPECT_TRUE(HasList(window));
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    EXPECT_EQ(UnregisterOldWndProc(window, &ProcA), 0);
    EXPECT_FALSE(HasList(window));
}

TEST(WndProcRegistry, ASecondRegistrationOfOneProcedureIsRefusedAndTheFirstStays)
{
    TestWindow window(50, 50);
    const WNDPROC original = ProcedureOf(window);
    ASSERT_EQ(RegisterOldWndProc(window, &ProcA, original), 0);
    EXPECT_EQ(RegisterOldWndProc(window, &ProcA, &ProcB), -1);
    WNDPROC previous = nullptr;
    EXPECT_EQ(LookupOldWndProc(window, &ProcA, previous), 1);
    EXPECT_EQ(previous, original);
    EXPECT_EQ(UnregisterOldWndProc(window, &ProcA), 0);
}

TEST(WndProcRegistry, UnregisteringWhatIsNotThereFailsAndChangesNothing)
{
    TestWindow window(50, 50);
    WNDPROC previous = &ProcB;
    EXPECT_EQ(UnregisterOldWndProc(window, &ProcA), -1);   // no map at all
    EXPECT_EQ(LookupOldWndProc(window, &ProcA, previous), 0);
    EXPECT_EQ(previous, &ProcB);

    ASSERT_EQ(RegisterOldWndProc(window, &ProcA, ProcedureOf(window)), 0);
    EXPECT_EQ(UnregisterOldWndProc(window, &ProcB), -1);   // a key it does not hold
    EXPECT_TRUE(HasList(window));
    EXPECT_EQ(UnregisterOldWndProc(window, &ProcA), 0);
}

TEST(WndProcRegistry, TheSingleSlotForwardsToTheReplacedProcedureAndAnswersZeroWithoutIt)
{
    TestWindow window(50, 50);
    const WNDPROC original = ProcedureOf(window);
    EXPECT_EQ(SubclassWithOldWndProc(window, &SlotProc), original);
    EXPECT_EQ(::GetPropW(window, kOldWndProcProperty), reinterpret_cast<HANDLE>(original));

    window.SetResizePoint({17, 4});   // answered by the original procedure
    g_trail.clear();
    ::SendMessageW(window, kProbe, 0, 0);
    EXPECT_EQ(g_trail, "S");
    EXPECT_EQ(::SendMessageW(window, WM_VXL_GETRESIZEPOINT, kResizePointX, 0), 17);

    ::RemovePropW(window, kOldWndProcProperty);
    EXPECT_EQ(CallOldWndProc(window, WM_GETTEXTLENGTH, 0, 0), 0);   // lost its property: 0 for everything
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
}

} // namespace
} // namespace skin_ui_test

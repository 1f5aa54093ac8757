#include "UIWndTestSupport.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/ui/RectCtrl.h"
#include "skin/ui/SkinMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <set>
#include <stdexcept>
#include <string>

using namespace Vexel;

namespace skin_ui_test {

// --- Records -----------------------------------------------------------------------

COLORREF Grey(int, int)
{
    return RGB(90, 90, 90);
}

std::string Text(const RECT& rect)
{
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom) + ")";
}

void SetText(CTRLPROPERTIES& record, int variable, LPCWSTR text)
{
    record.GetVar(variable).SetString(text);
}

void SetSwitch(CTRLPROPERTIES& record, int variable, bool on)
{
    record.GetVar(variable).SetBool(on);
}

void SetNumber(CTRLPROPERTIES& record, int variable, int number)
{
    record.GetVar(variable).SetInt(number);
}

void SetPoint(CTRLPROPERTIES& record, int variable, POINT point)
{
    record.GetVar(variable).SetPoint(point);
}

void SetRect(CTRLPROPERTIES& record, int variable, RECT rect)
{
    record.GetVar(variable).SetRect(rect);
}

void SetEnum(CTRLPROPERTIES& record, int variable, ValueKind kind, int value)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_INT;
    v.intVal = value;
    PropertyValue& var = record.GetVar(variable);
    var.SetValue(v);
    var.SetKind(kind);
}

WindowSkin::~WindowSkin()
{
    g_skinStore.ClearIDTable();
}

UIWNDPROPERTIES& WindowSkin::AddWindow(LPCWSTR id, int number)
{
    WindowRecordPtr record(new UIWNDPROPERTIES);
    SetText(*record, CtrlVar::ID, id);
    SetSwitch(*record, UiWndVar::IsLayeredWindow, false);
    SetSwitch(*record, UiWndVar::IsAppWindow, false);
    UIWNDPROPERTIES& added = *record;
    g_skinStore.windows.push_back(std::move(record));
    g_skinStore.AddID(id, number);
    return added;
}

void WindowSkin::Place(UIWNDPROPERTIES& window, std::unique_ptr<CTRLPROPERTIES> record, LPCWSTR id, int number,
                       RECT rect)
{
    SetText(*record, CtrlVar::ID, id);
    SetRect(*record, CtrlVar::Rect, rect);
    SetSwitch(*record, CtrlVar::IsVisible, true);
    if (number != -1)
        g_skinStore.AddID(id, number);
    window.Controls().push_back(record.release());   // the window record deletes its controls
}

CTRLPROPERTIES& WindowSkin::AddUnknownControl(UIWNDPROPERTIES& window, LPCWSTR type, LPCWSTR id, int number,
                                              RECT rect)
{
    auto record = std::make_unique<RECTPROPERTIES>();
    SetText(*record, CtrlVar::Type, type);
    CTRLPROPERTIES& added = *record;
    Place(window, std::move(record), id, number, rect);
    return added;
}

void WindowSkin::SetImage(CTRLPROPERTIES& record, int variable, LPCWSTR file, int w, int h, const ColorRule& rule)
{
    ASSERT_TRUE(WriteBmp(Path(file), w, h, rule));
    SetText(record, variable, file);
}

// --- Controls ----------------------------------------------------------------------

LRESULT TestControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_VXL_GETCONTROLTYPE && lParam) {
        std::wcsncpy(reinterpret_cast<LPWSTR>(lParam), m_type.c_str(), 255);
        return 1;
    }
    if (message == WM_VXL_NOTIFYCHILD)
        notifications.push_back(wParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

namespace {

ControlLog g_log;
std::set<std::wstring> g_failing;
std::set<std::wstring> g_throwing;

struct WindowClass {
    LPCWSTR type;
    LPCWSTR className;
    DWORD style;
};

constexpr WindowClass kClasses[] = {
    {L"PUSHBUTTON", L"BUTTON", BS_PUSHBUTTON},
    {L"CHECK", L"BUTTON", BS_AUTOCHECKBOX},
    {L"RADIO", L"BUTTON", BS_AUTORADIOBUTTON},
    {L"COMBOBOX", L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL},
    {L"EDIT", L"EDIT", ES_AUTOHSCROLL},
    {L"STATIC", L"STATIC", SS_NOTIFY},
    {L"SPIN", L"STATIC", 0},
    {L"IPADDRESS", L"STATIC", 0},
};

// How much taller than its record a test combo box is made: its drop-down list.
constexpr int kDropListHeight = 120;

CreatedControl MakeControl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds&)
{
    const CString type = record.GetVar(CtrlVar::Type).GetString();
    const CString id = record.GetVar(CtrlVar::ID).GetString();
    if (g_failing.count(static_cast<LPCWSTR>(id)))
        return {};
    if (g_throwing.count(static_cast<LPCWSTR>(id)))
        throw std::runtime_error("control refused");
    const auto* cls = std::find_if(std::begin(kClasses), std::end(kClasses),
                                   [&](const WindowClass& c) { return type == c.type; });
    if (cls == std::end(kClasses))
        return {};
    RECT rect = parent.ControlRect(record);
    if (cls->className == std::wstring(L"COMBOBOX"))
        rect.bottom += kDropListHeight;
    const int number = g_skinStore.GetIDByName(id);
    auto control = std::make_unique<TestControl>(cls->type);
    DWORD style = WS_CHILD | cls->style;
    if (record.GetVar(CtrlVar::IsVisible).GetBool())
        style |= WS_VISIBLE;
    if (!control->CreateEx(0, cls->className, cls->type, style, rect, &parent, static_cast<UINT>(number)))
        return {};
    g_log.created.push_back(number);
    CreatedControl made;
    made.window = control.get();
    made.object = std::move(control);
    return made;
}

CreatedControl MakePlaceholder(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds&)
{
    const CString id = record.GetVar(CtrlVar::ID).GetString();
    if (g_failing.count(static_cast<LPCWSTR>(id)))
        return {};
    const int number = g_skinStore.GetIDByName(id);
    auto placeholder = std::make_unique<CRectCtrl>();
    placeholder->Create(nullptr, WS_CHILD, parent.ControlRect(record), &parent, static_cast<UINT>(number));
    g_log.created.push_back(number);
    CreatedControl made;
    made.placeholder = placeholder.get();
    made.object = std::move(placeholder);
    return made;
}

void Release(CObject& control)
{
    g_log.released.push_back(&control);
}

} // namespace

TestControlKinds::TestControlKinds()
{
    g_log.Clear();
    g_failing.clear();
    g_throwing.clear();
    for (const WindowClass& c : kClasses) {
        const ControlKind* kind = FindControlKind(c.type);
        m_previous.push_back(ReplaceControlKind({c.type, kind->designRect, &MakeControl, &Release}));
    }
    m_previous.push_back(ReplaceControlKind({L"RECT", DesignRectFrom::RecordRect, &MakePlaceholder, &Release}));
}

TestControlKinds::~TestControlKinds()
{
    for (const ControlKind& kind : m_previous)
        ReplaceControlKind(kind);
    g_failing.clear();
    g_throwing.clear();
}

void TestControlKinds::FailOn(LPCWSTR id)
{
    g_failing.insert(id);
}

void TestControlKinds::ThrowOn(LPCWSTR id)
{
    g_throwing.insert(id);
}

ControlLog& TestControlKinds::Log()
{
    return g_log;
}

// --- Windows -----------------------------------------------------------------------

namespace {

constexpr UINT kEndDialogMessage = WM_APP + 1;
constexpr UINT kActionMessage = WM_APP + 2;
constexpr UINT kTestCommand = 40001;

} // namespace

BEGIN_MESSAGE_MAP(TestUIWnd, CUIWnd)
    ON_COMMAND(kTestCommand, &TestUIWnd::OnTestCommand)
END_MESSAGE_MAP()

BOOL TestUIWnd::OnInitDialog()
{
    ++initDialogs;
    if (initDialogAction)
        initDialogAction(*this);
    return CUIWnd::OnInitDialog();
}

void TestUIWnd::PostEndDialog(int result)
{
    PostMessage(kEndDialogMessage, static_cast<WPARAM>(result), 0);
}

void TestUIWnd::PostAction(std::function<void(TestUIWnd&)> action)
{
    m_posted.push_back(std::move(action));
    PostMessage(kActionMessage, m_posted.size() - 1, 0);
}

LRESULT TestUIWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCAPTION) {
            ++captionDrags;   // the system's move loop would wait for a real mouse
            return 0;
        }
        break;
    case WM_COMMAND:
        commands.push_back(LOWORD(wParam));
        if (!lParam)
            menuCommands.push_back(LOWORD(wParam));
        break;
    case WM_VXL_ISDRAWCHILDBK:
        if (drawsChildren >= 0)
            return drawsChildren;
        break;
    case WM_VXL_REDRAWCHILDBK:
        ++redrawChildBackgrounds;
        return 0;
    case WM_VXL_CHILDSHOWWINDOW:
        childShows.push_back(wParam);
        return 0;
    case WM_VXL_CANLAYOUTCHILD:
        if (vetoChild && reinterpret_cast<HWND>(lParam) == vetoChild)
            return 0;
        break;
    case WM_NCDESTROY: {
        const HWND hwnd = m_hWnd;
        const LRESULT result = CUIWnd::WindowProc(message, wParam, lParam);
        stringIdGoneAtNcDestroy = ::GetPropW(hwnd, kStringIdProperty) == nullptr;
        return result;
    }
    case kEndDialogMessage:
        EndDialog(static_cast<int>(wParam));
        return 0;
    case kActionMessage: {
        const auto action = m_posted.at(wParam);   // a copy: the action may post others
        action(*this);
        return 0;
    }
    default:
        break;
    }
    return CUIWnd::WindowProc(message, wParam, lParam);
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

HBITMAP ComposedBackground(const CWnd& window)
{
    return reinterpret_cast<HBITMAP>(window.SendMessage(WM_VXL_GETBKDC));
}

RECT ChildRect(const CWnd& parent, HWND child)
{
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, parent.GetSafeHwnd(), reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

} // namespace skin_ui_test

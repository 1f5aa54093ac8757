#pragma once
// Fixtures of the skinned-window tests: windows and controls put straight into the skin
// store (with their background bitmaps written into the skin folder), control kinds of
// the tests' own plugged into the window's control table, and a skinned window that
// records what happens to it.
#include "Pixels.h"
#include "TestSkin.h"

#include "skin/model/SkinGlobals.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/factories/ControlFactoryTable.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace skin_ui_test {

// --- Records -----------------------------------------------------------------------

// A flat grey (90, 90, 90) for backgrounds whose pixels a test does not read.
COLORREF Grey(int x, int y);
// A rectangle as "(left,top,right,bottom)", for comparisons that read well when they fail.
std::string Text(const RECT& rect);

void SetText(Vexel::CTRLPROPERTIES& record, int variable, LPCWSTR text);
void SetSwitch(Vexel::CTRLPROPERTIES& record, int variable, bool on);
void SetNumber(Vexel::CTRLPROPERTIES& record, int variable, int number);
void SetPoint(Vexel::CTRLPROPERTIES& record, int variable, POINT point);
void SetRect(Vexel::CTRLPROPERTIES& record, int variable, RECT rect);
void SetEnum(Vexel::CTRLPROPERTIES& record, int variable, Vexel::ValueKind kind, int value);

// A skin of windows built straight into the store. Every window record starts as a plain,
// unlayered window (the record's own default is layered) so that it can be drawn on and
// read back.
class WindowSkin : public TestSkin {
public:
    WindowSkin() = default;
    ~WindowSkin();

    // A window record with its id (and the id's number in the id table).
    Vexel::UIWNDPROPERTIES& AddWindow(LPCWSTR id, int number);

    // A control record of `Record`'s kind at `rect` with its id and number (number -1:
    // the id is left out of the id table).
    template <class Record>
    Record& AddControl(Vexel::UIWNDPROPERTIES& window, LPCWSTR id, int number, RECT rect)
    {
        auto record = std::make_unique<Record>();
        Record& added = *record;
        Place(window, std::move(record), id, number, rect);
        return added;
    }
    // A control record of a type word the window does not know.
    Vexel::CTRLPROPERTIES& AddUnknownControl(Vexel::UIWNDPROPERTIES& window, LPCWSTR type, LPCWSTR id, int number,
                                             RECT rect);

    // A BMP file in the skin folder, named by the record's image variable.
    void SetImage(Vexel::CTRLPROPERTIES& record, int variable, LPCWSTR file, int w, int h, const ColorRule& rule);

private:
    void Place(Vexel::UIWNDPROPERTIES& window, std::unique_ptr<Vexel::CTRLPROPERTIES> record, LPCWSTR id, int number,
               RECT rect);
};

// --- Controls ----------------------------------------------------------------------

// A control of the tests: a system window of the class its type word suggests, that
// answers WM_VXL_GETCONTROLTYPE with its type word as the skinned controls do.
class TestControl : public CWnd {
public:
    explicit TestControl(LPCWSTR type) : m_type(type) {}
    const std::wstring& Type() const { return m_type; }

    std::vector<WPARAM> notifications;   // WM_VXL_NOTIFYCHILD codes

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::wstring m_type;
};

// What the test kinds did: the ids of the controls they made, in order, and the controls
// the window released.
struct ControlLog {
    std::vector<int> created;
    std::vector<const CObject*> released;
    void Clear()
    {
        created.clear();
        released.clear();
    }
};

// The test kinds plugged into the window's table for the life of the object (PUSHBUTTON,
// CHECK, RADIO, COMBOBOX, EDIT, STATIC, SPIN, IPADDRESS and the RECT placeholder); what
// was there before comes back afterwards.
class TestControlKinds {
public:
    TestControlKinds();
    ~TestControlKinds();
    TestControlKinds(const TestControlKinds&) = delete;
    TestControlKinds& operator=(const TestControlKinds&) = delete;

    // The control whose record has this id fails to be made.
    static void FailOn(LPCWSTR id);
    // ... or raises an exception while it is made.
    static void ThrowOn(LPCWSTR id);
    static ControlLog& Log();

private:
    std::vector<Vexel::ControlKind> m_previous;
};

// --- Windows -----------------------------------------------------------------------

// A skinned window that names a fixed window id and counts what reaches it.
class TestUIWnd : public Vexel::CUIWnd {
public:
    explicit TestUIWnd(int windowId, CWnd* owner = nullptr) : CUIWnd(owner), m_windowId(windowId) {}

    int initDialogs = 0;
    int captionDrags = 0;          // WM_NCLBUTTONDOWN with HTCAPTION
    int redrawChildBackgrounds = 0;
    std::vector<WPARAM> childShows; // WM_VXL_CHILDSHOWWINDOW from skinned children
    std::vector<int> commands;      // ids of the WM_COMMANDs that reached the window
    std::vector<int> menuCommands;  // ... of those without a control window
    HWND vetoChild = nullptr;       // answered 0 to WM_VXL_CANLAYOUTCHILD
    std::function<void(TestUIWnd&)> initDialogAction;   // run by OnInitDialog
    bool stringIdGoneAtNcDestroy = false;
    int drawsChildren = -1;         // when 0 or 1: the answer to WM_VXL_ISDRAWCHILDBK

    using CUIWnd::HitTestBorder;

    // Posts itself a message that ends the dialog with `result` once it is handled.
    void PostEndDialog(int result);
    // Posts itself a message that runs `action` once it is handled (inside a modal loop).
    void PostAction(std::function<void(TestUIWnd&)> action);

protected:
    void SetWindowID() override { m_nWindowID = m_windowId; }
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnTestCommand() {}

    DECLARE_MESSAGE_MAP()

private:
    int m_windowId;
    std::vector<std::function<void(TestUIWnd&)>> m_posted;
};

// Dispatches what is queued for this thread, without waiting.
void PumpPending();

// The composed background a window hands its controls.
HBITMAP ComposedBackground(const CWnd& window);

// Child window rectangle in its parent's client coordinates.
RECT ChildRect(const CWnd& parent, HWND child);

} // namespace skin_ui_test

#pragma once
// CCmdTarget and message maps: a class binds window messages, command ids and notification
// codes to its member functions in a static table that chains to its base class's table.
//
// Every entry holds one typed thunk, an instantiation of a small template that knows the
// handler's exact signature and the class it belongs to, so a handler is always called
// through its own member-function-pointer type: no entry ever casts one signature to
// another. A handler of the wrong shape is a compile error at the entry.
#include "framework/Object.h"

#include <windows.h>

#include <type_traits>

class CCmdTarget;

// One message on its way to a handler, and what the handler answers.
struct AFX_MSGCALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

// A thunk calls the entry's handler on `target` and reports whether the message counts as
// handled (only the *_EX kinds and the reflected colour handler can decline).
using AFX_MSGTHUNK = bool (*)(CCmdTarget* target, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;   // window message; WM_COMMAND / WM_NOTIFY for commands and notifications
    UINT nCode;      // control notification code, or 0
    UINT nID;        // first control or command id, or 0
    UINT nLastID;    // last id of the range, or 0
    AFX_MSGTHUNK pfnThunk;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();   // null for the root map
    const AFX_MSGMAP_ENTRY* lpEntries;      // ends with an entry whose thunk is null
};

// Who would handle a command (filled by OnCmdMsg instead of running the handler).
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

// What OnCmdMsg receives in pExtra for a WM_NOTIFY notification.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Command-routing codes. A menu item, an accelerator and a button click all arrive as
// CN_COMMAND (BN_CLICKED is 0 too); a WM_NOTIFY code travels as MAKELONG(code, WM_NOTIFY).
constexpr int CN_COMMAND = 0;

// Messages a parent hands back to the child that sent them (see CWnd::OnChildNotify) are
// looked up in the child's map as WM_REFLECT_BASE + the message.
constexpr UINT WM_REFLECT_BASE = 0xBC00;
// All WM_CTLCOLORxxx messages share one map entry under the old combined message number.
constexpr UINT AFX_WM_CTLCOLOR = 0x0019;

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Routes a command (WM_COMMAND code, or MAKELONG(code, WM_NOTIFY) with an AFX_NOTIFY in
    // pExtra) through the map chain. With pHandlerInfo set, only finds the handler.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // True when this target's maps have a handler for command id nID (menu item, accelerator
    // or button click); used to disable menu items that nothing would carry out.
    bool HasCommandHandler(UINT nID);

    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();

    // Runs the first handler in the map chain that matches and accepts the message.
    // Matching: same message and code, and id within the entry's range.
    bool DispatchMsg(UINT message, UINT code, UINT id, AFX_MSGCALL& call);

    // The first entry of the chain that matches, or null.
    static const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id,
                                             const AFX_MSGMAP_ENTRY* after = nullptr);
};

// ---------------------------------------------------------------------------------------
// Declaring and defining maps

#define DECLARE_MESSAGE_MAP()                                          \
protected:                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                      \
    const AFX_MSGMAP* GetMessageMap() const override;                  \
                                                                       \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const                  \
    {                                                                  \
        return GetThisMessageMap();                                    \
    }                                                                  \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                    \
    {                                                                  \
        using ThisClass = theClass;                                    \
        using TheBaseClass = baseClass;                                \
        static_assert(std::is_base_of_v<TheBaseClass, ThisClass>);     \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                              \
        {0, 0, 0, 0, nullptr}};                                        \
        static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                   \
    }

// ---------------------------------------------------------------------------------------
// Thunks: one per entry kind. T is the class whose map holds the entry, Pmf the handler
// (which may belong to T or to a base of T).

namespace afxmap {

template <class Pmf, class Sig>
struct IsHandler : std::false_type {};
template <class C, class Sig>
struct IsHandler<Sig C::*, Sig> : std::true_type {};

#define LUMEO_CHECK_HANDLER(sig, what) \
    static_assert(IsHandler<decltype(Pmf), sig>::value, what " handler must be " #sig)

template <class T, auto Pmf>
bool Void(CCmdTarget* t, AFX_MSGCALL&)
{
    LUMEO_CHECK_HANDLER(void(), "command");
    (static_cast<T*>(t)->*Pmf)();
    return true;
}

template <class T, auto Pmf>
bool Create(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(int(LPCREATESTRUCT), "WM_CREATE");
    c.result = (static_cast<T*>(t)->*Pmf)(reinterpret_cast<LPCREATESTRUCT>(c.lParam));
    return true;
}

template <class T, auto Pmf>
bool Size(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(UINT, int, int), "WM_SIZE");
    (static_cast<T*>(t)->*Pmf)(static_cast<UINT>(c.wParam), static_cast<short>(LOWORD(c.lParam)),
                               static_cast<short>(HIWORD(c.lParam)));
    return true;
}

template <class T, auto Pmf>
bool Timer(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(UINT_PTR), "WM_TIMER");
    (static_cast<T*>(t)->*Pmf)(static_cast<UINT_PTR>(c.wParam));
    return true;
}

template <class T, auto Pmf>
bool ShowWindow(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(BOOL, UINT), "WM_SHOWWINDOW");
    (static_cast<T*>(t)->*Pmf)(static_cast<BOOL>(c.wParam), static_cast<UINT>(c.lParam));
    return true;
}

template <class T, auto Pmf>
bool WindowPos(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(WINDOWPOS*), "WM_WINDOWPOSCHANGING/CHANGED");
    (static_cast<T*>(t)->*Pmf)(reinterpret_cast<WINDOWPOS*>(c.lParam));
    return true;
}

template <class T, auto Pmf>
bool MinMaxInfo(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(MINMAXINFO*), "WM_GETMINMAXINFO");
    (static_cast<T*>(t)->*Pmf)(reinterpret_cast<MINMAXINFO*>(c.lParam));
    return true;
}

template <class T, auto Pmf>
bool InitMenuPopup(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(HMENU, UINT, BOOL), "WM_INITMENUPOPUP");
    (static_cast<T*>(t)->*Pmf)(reinterpret_cast<HMENU>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam) != 0);
    return true;
}

template <class T, auto Pmf>
bool Message(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(LRESULT(WPARAM, LPARAM), "ON_MESSAGE");
    c.result = (static_cast<T*>(t)->*Pmf)(c.wParam, c.lParam);
    return true;
}

template <class T, auto Pmf>
bool ThreadMessage(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(WPARAM, LPARAM), "ON_THREAD_MESSAGE");
    (static_cast<T*>(t)->*Pmf)(c.wParam, c.lParam);
    return true;
}

template <class T, auto Pmf>
bool Notify(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(NMHDR*, LRESULT*), "ON_NOTIFY");
    (static_cast<T*>(t)->*Pmf)(reinterpret_cast<NMHDR*>(c.lParam), &c.result);
    return true;
}

template <class T, auto Pmf>
bool NotifyExRange(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(BOOL(UINT, NMHDR*, LRESULT*), "ON_NOTIFY_EX_RANGE");
    NMHDR* const header = reinterpret_cast<NMHDR*>(c.lParam);
    return (static_cast<T*>(t)->*Pmf)(static_cast<UINT>(header->idFrom), header, &c.result) != FALSE;
}

} // namespace afxmap

// ---------------------------------------------------------------------------------------
// Entries that need nothing but the types above. The window entries (mouse, keys, paint,
// colours, scrolling) are in framework/Wnd.h.

#define LUMEO_ENTRY(message, code, first, last, thunk) \
    {static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(first), static_cast<UINT>(last), thunk},

#define ON_COMMAND(id, memberFxn) \
    LUMEO_ENTRY(WM_COMMAND, CN_COMMAND, id, id, (&afxmap::Void<ThisClass, memberFxn>))
#define ON_CONTROL(code, id, memberFxn) \
    LUMEO_ENTRY(WM_COMMAND, code, id, id, (&afxmap::Void<ThisClass, memberFxn>))
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CONTROL_REFLECT(code, memberFxn) \
    LUMEO_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, (&afxmap::Void<ThisClass, memberFxn>))

#define ON_NOTIFY(code, id, memberFxn) \
    LUMEO_ENTRY(WM_NOTIFY, code, id, id, (&afxmap::Notify<ThisClass, memberFxn>))
#define ON_NOTIFY_REFLECT(code, memberFxn) \
    LUMEO_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, (&afxmap::Notify<ThisClass, memberFxn>))
#define ON_NOTIFY_EX_RANGE(code, idFirst, idLast, memberFxn) \
    LUMEO_ENTRY(WM_NOTIFY, code, idFirst, idLast, (&afxmap::NotifyExRange<ThisClass, memberFxn>))

#define ON_MESSAGE(message, memberFxn) \
    LUMEO_ENTRY(message, 0, 0, 0, (&afxmap::Message<ThisClass, memberFxn>))
#define ON_THREAD_MESSAGE(message, memberFxn) \
    LUMEO_ENTRY(message, 0, 0, 0, (&afxmap::ThreadMessage<ThisClass, memberFxn>))

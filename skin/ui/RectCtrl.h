#pragma once
// CRectCtrl: a named rectangle of a skinned window that holds no window of its own (the
// skin's "RECT" control). The window moves it with its layout like any child, and the
// program asks the window for it by id to put its own controls there.
#include "framework/Wnd.h"

#include <vector>

namespace Vexel {

// The WM_NOTIFY code a placeholder sends its window after it has moved.
constexpr int kRectCtrlMoved = -70;

class CRectCtrl : public CObject {
    DECLARE_DYNAMIC(CRectCtrl)
public:
    CRectCtrl() = default;
    ~CRectCtrl() override = default;

    // Takes the rectangle (parent client coordinates) as both its design and its current
    // rectangle; 1.
    virtual BOOL Create(LPCWSTR name, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Forgets name, style, id and parent and the windows that followed it; 1.
    virtual BOOL Destroy();

    BOOL IsCreated() const { return m_created; }
    // Also for a placeholder a window did not have: 0 for null.
    static BOOL IsCreated(const CRectCtrl* placeholder) { return placeholder && placeholder->IsCreated(); }

    UINT GetID() const { return m_id; }
    DWORD GetStyle() const { return m_style; }
    const CString& GetName() const { return m_name; }
    CWnd* GetParent() const { return m_parent; }
    const RECT& GetDesignRect() const { return m_designRect; }
    // The current rectangle; 0.
    int GetRect(RECT& rect) const;

    // The rectangle the layout gives it: stored, the following windows moved there, and
    // the parent told (WM_NOTIFY, code kRectCtrlMoved, from the placeholder's id); 0.
    int MoveRect(const RECT& rect);

private:
    CString m_name;
    DWORD m_style = 0;
    UINT m_id = 0;
    CWnd* m_parent = nullptr;
    RECT m_designRect{0, 0, 0, 0};
    RECT m_rect{0, 0, 0, 0};
    BOOL m_created = FALSE;
    std::vector<CWnd*> m_windows;   // windows that follow the placeholder
};

} // namespace Vexel

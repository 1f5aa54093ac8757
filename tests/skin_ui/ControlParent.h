#pragma once
// A plain framework window for the control tests to put a control into: it records the
// scroll notifications, WM_NOTIFY codes, column clicks and forwarded mouse messages that
// reach it, answers the item-drawing offers and notifications as a test sets, sets a bar's
// position back as an owner does, answers the resizing-point question as a skinned window
// does and rewords tip texts.
#include "framework/Wnd.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace skin_ui_test {

class ControlParent : public CWnd {
public:
    // A popup of w x h at (x, y) of the screen, without frame; shown unless `hidden`.
    ControlParent(int x, int y, int w, int h, bool hidden = false);
    ~ControlParent() override;

    struct Scroll {
        UINT message;   // WM_HSCROLL or WM_VSCROLL
        WORD code;
        WORD position;
        HWND from;
    };
    std::vector<Scroll> scrolls;
    std::vector<int> notifyCodes;        // WM_NOTIFY codes, in order
    std::vector<NMTREEVIEWW> hoverChanges;   // TVN_VXL_HOVERCHANGING and ...CHANGED, in order
    int childMice = 0;                   // WM_VXL_CHILDMOUSE messages
    std::vector<WPARAM> childMouse;      // ... their wParam (message, control id), in order
    std::vector<NMLISTVIEW> columnClicks;   // LVN_COLUMNCLICK, in order
    int releasedCaptures = 0;            // NM_RELEASEDCAPTURE notifications
    std::vector<std::wstring> tipTexts;  // the texts WM_VXL_LISTTIPTEXT offered, in order

    // Answered to WM_VXL_GETRESIZEPOINT while set (not (-1, -1)).
    POINT resizePoint{-1, -1};
    // When not empty: the text WM_VXL_LISTTIPTEXT puts in place of the one offered.
    std::wstring tipReplacement;

    // Answers to WM_NOTIFY by code (others: 0), and to the item-drawing offers.
    std::function<LRESULT(const NMHDR&)> notifyAnswer;
    std::function<LRESULT(const DRAWITEMSTRUCT&)> drawItem;     // WM_VXL_DRAWCHILDITEM
    std::function<LRESULT(const DRAWITEMSTRUCT&)> drawItemBk;   // WM_VXL_DRAWCHILDITEMBK
    // Run on each scroll notification (an owner moving its bar, for example).
    std::function<void(const Scroll&)> onScroll;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace skin_ui_test

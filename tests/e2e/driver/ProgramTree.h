#pragma once
// A tree view of the program, read and worked from the test's process. Messages that carry a
// structure (an item's text, its rectangle) are not carried across processes, so these pass
// theirs through memory taken in the program's process for the one call.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace e2e {

class ProgramTree {
public:
    // `process` is the program's, with rights to its memory (the handle the driver started it with).
    ProgramTree(HANDLE process, HWND tree) : m_process(process), m_tree(tree) {}

    HWND Window() const { return m_tree; }
    // The top-level entries, and the children of one, in the tree's order.
    std::vector<HTREEITEM> Roots() const;
    std::vector<HTREEITEM> Children(HTREEITEM item) const;
    // The top-level entry showing `text`; null when none does.
    HTREEITEM Root(const std::wstring& text) const;
    HTREEITEM Parent(HTREEITEM item) const;
    std::wstring Text(HTREEITEM item) const;
    // The whole row of an entry in the tree's client coordinates; empty when not shown.
    RECT Row(HTREEITEM item) const { return ItemRect(item, false); }
    // Only the part of it the label takes.
    RECT LabelOf(HTREEITEM item) const { return ItemRect(item, true); }
    // Selects an entry as a click on it does.
    bool Select(HTREEITEM item) const;
    // The edit box of a label being edited; null when none is.
    HWND LabelEditor() const;

    // Drags `item` onto `onto` as a user's drag arrives: the pointer over the target, then the
    // button pressed on the entry and the pointer moved off it, which makes the tree view start
    // its drag; with no button really held, the drag and drop loop drops where the pointer is.
    bool Drag(HTREEITEM item, HTREEITEM onto) const;

private:
    RECT ItemRect(HTREEITEM item, bool labelOnly) const;

    HANDLE m_process;
    HWND m_tree;
};

// Posts a key pressed and released to `window`, as the keyboard's messages arrive.
bool PressKey(HWND window, UINT key);

} // namespace e2e

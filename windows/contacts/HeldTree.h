#pragma once
// Many contact nodes at once (a load of the book, an import): the tree's drawing and group
// layout held for the whole run, both back, once, when it ends.
#include "windows/contacts/ContactsTree.h"

// A shown tree is hidden meanwhile: each expansion of a shown one lays out its skinned
// scroll bars again, drawing held or not.
class HeldTree {
public:
    explicit HeldTree(CContactsTree& tree) : m_tree(tree), m_shown(tree.IsWindowVisible() != FALSE)
    {
        m_tree.SetRedraw(FALSE);
        if (m_shown)
            m_tree.ShowWindow(SW_HIDE);
        m_tree.HoldGroupLayout();
    }
    ~HeldTree()
    {
        m_tree.ReleaseGroupLayout();
        m_tree.SetRedraw(TRUE);
        if (m_shown)
            m_tree.ShowWindow(SW_SHOWNA);
        m_tree.Invalidate(TRUE);
    }
    HeldTree(const HeldTree&) = delete;
    HeldTree& operator=(const HeldTree&) = delete;

private:
    CContactsTree& m_tree;
    const bool m_shown;
};


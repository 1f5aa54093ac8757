#pragma once
// Many contact nodes at once (a load of the book, an import): the tree's drawing held for the
// whole run, and for contacts its group layout too; both come back, once, when it ends.
#include "windows/contacts/ContactsTree.h"

// A shown tree is hidden meanwhile: the tree view takes thousands of nodes faster so, an
// expansion of a shown one lays out its skinned scroll bars again, drawing held or not, and
// switching drawing back on in a shown one lays them out and paints them at once. Groups go in
// open, ahead of their contacts: their layout is settled at the end of the contacts' run.
class HeldTree {
public:
    HeldTree(CContactsTree& tree, bool forContacts)
        : m_tree(tree), m_forContacts(forContacts), m_shown(tree.IsWindowVisible() != FALSE)
    {
        m_tree.SetRedraw(FALSE);
        if (m_shown)
            m_tree.ShowWindow(SW_HIDE);
        if (m_forContacts)
            m_tree.HoldGroupLayout();
    }
    ~HeldTree()
    {
        if (m_forContacts)
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
    const bool m_forContacts;
    const bool m_shown;
};

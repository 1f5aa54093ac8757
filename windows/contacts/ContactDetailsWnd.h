#pragma once
// CContactDetailsWnd: the modal contact form (skin window IDW_CONTACTDETAILS), made on its
// caller's stack. It views (mode 0), edits (1) or adds (2, as constructed) one contact and
// writes through the contacts tree's store; without a tree it saves nothing. DoModal gives
// IDOK after a save (or a form without a tree), IDCANCEL from Save in view mode or Escape,
// and the Cancel or close box's own id.
#include "skin/ui/UIWnd.h"

#include <string>

class CContactsTree;

class CContactDetailsWnd : public Vexel::CUIWnd {
    DECLARE_DYNAMIC(CContactDetailsWnd)
public:
    enum Mode { kViewMode = 0, kEditMode = 1, kAddMode = 2 };

    explicit CContactDetailsWnd(CWnd* owner = nullptr);
    ~CContactDetailsWnd() override;

    // Set before DoModal. The tree is not owned.
    void SetContactsTree(CContactsTree* tree) { m_tree = tree; }
    void SetMode(int mode) { m_mode = mode; }
    // View and edit: the stored contact's address. Add: the number the SIP field starts with.
    void SetSipUri(const std::string& sipUri) { m_sipUri = sipUri; }
    int GetMode() const { return m_mode; }
    const std::string& GetSipUri() const { return m_sipUri; }

    // Tab from an edit moves to the next window at its level (EditTab.h); the rest as the base.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnShowWindow(BOOL show, UINT status);
    void OnSelectPic();
    void OnSaveContact();

    DECLARE_MESSAGE_MAP()

private:
    // What the user typed, in ANSI; the address completed for the store.
    struct Fields {
        std::string firstName, lastName, nickName, jobTitle, sipUri, email, homePhone, workPhone, mobilePhone;
        std::string group;   // the shown group name
    };
    void SetTexts();
    void LoadContact();
    // What the mode lets the user change: view changes nothing, edit all but the address.
    void ApplyMode();
    void SetEditReadOnly(int id, bool readOnly);
    // Shows the bitmap at `path` on the picture button; false (nothing changed) when it does
    // not load.
    bool ShowAvatar(const CString& path);
    Fields ReadFields() const;
    // The store's part of a save (ContactDetailsSave.cpp).
    void StoreContact(const Fields& fields);

    CContactsTree* m_tree = nullptr;   // not owned; null: nothing is saved
    std::string m_avatarPath;          // the bitmap picked in this run (ANSI); empty: none, and
                                       // an edit keeps the stored avatar
    std::string m_sipUri;              // ANSI
    int m_mode = kAddMode;
    bool m_shown = false;              // the fields were filled at the first show
};

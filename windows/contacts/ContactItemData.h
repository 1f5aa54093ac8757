#pragma once
// ContactItemData: the record a contact node of the contacts tree carries as its item data:
// what its row shows and the address every look-up finds it by. The tree makes one for each
// contact node it inserts and frees it with the node (a status change moves the record to
// the new node). The record owns its icon (shared with the records of the same avatar file
// loaded together): freeing the last of them destroys the icon.
#include "framework/String.h"

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

// An icon handle owned by its holders: copies share it, and the last holder to let it go
// destroys it, once. A whole book loaded at once shares one icon per avatar file rather than
// holding thousands of copies of a few pictures.
class OwnedIcon {
public:
    OwnedIcon() = default;
    explicit OwnedIcon(HICON icon) { Reset(icon); }

    HICON Get() const { return m_icon.get(); }
    explicit operator bool() const { return m_icon != nullptr; }
    // Lets go of the icon held (destroying it when no other holder shares it) and holds
    // `icon` (null: none).
    void Reset(HICON icon = nullptr)
    {
        if (icon == Get())
            return;
        m_icon.reset(icon, IconDestroyer());
        if (!icon)
            m_icon.reset();
    }

private:
    struct IconDestroyer {
        void operator()(HICON icon) const
        {
            if (icon)
                ::DestroyIcon(icon);
        }
    };
    std::shared_ptr<std::remove_pointer_t<HICON>> m_icon;
};

// The icon file at `path` (ANSI) at the file's own size; null when it cannot be loaded.
HICON LoadContactIcon(const std::string& path);

struct ContactItemData {
    CString displayName;   // the row's first line; the title of the contact's chat window
    CString sipUri;        // as stored in Contacts.SIPUri, "sip:" included; the look-up key
    CString status;        // the last presence status the engine reported; "Offline" unknown
    OwnedIcon icon;        // drawn at 50 x 50; null draws nothing
};

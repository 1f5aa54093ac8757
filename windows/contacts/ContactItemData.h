#pragma once
// ContactItemData: the record a contact node of the contacts tree carries as its item data:
// what its row shows and the address every look-up finds it by. The tree makes one for each
// contact node it inserts and frees it with the node (a status change moves the record to
// the new node). The record owns its icon: freeing the record destroys the icon.
#include "framework/String.h"

#include <windows.h>

#include <string>

// An icon handle owned by its holder; destroyed once, when replaced or when the holder goes.
class OwnedIcon {
public:
    OwnedIcon() = default;
    explicit OwnedIcon(HICON icon) : m_icon(icon) {}
    ~OwnedIcon() { Reset(); }
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;

    HICON Get() const { return m_icon; }
    explicit operator bool() const { return m_icon != nullptr; }
    // Destroys the icon held and holds `icon` (null: none).
    void Reset(HICON icon = nullptr)
    {
        if (m_icon && m_icon != icon)
            ::DestroyIcon(m_icon);
        m_icon = icon;
    }

private:
    HICON m_icon = nullptr;
};

// The icon file at `path` (ANSI) at the file's own size; null when it cannot be loaded.
HICON LoadContactIcon(const std::string& path);

struct ContactItemData {
    CString displayName;   // the row's first line; the title of the contact's chat window
    CString sipUri;        // as stored in Contacts.SIPUri, "sip:" included; the look-up key
    CString status;        // the last presence status the engine reported; "Offline" unknown
    OwnedIcon icon;        // drawn at 50 x 50; null draws nothing
};

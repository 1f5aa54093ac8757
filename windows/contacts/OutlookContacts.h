#pragma once
// The reading half of the contacts tree's Outlook import: Ostrel's records turned into the
// texts the contact store takes, each address made a SIP address on the account's server.
// The store itself is the caller's (CContactsTree::OnImportContactsFromOutlook), so this
// half runs and is tested without a tree.
#include "ostrel/Ostrel.h"

#include <functional>
#include <string>

class CMainFrame;

// One Outlook contact as the store takes it; every text in the ANSI code page.
struct OutlookContact {
    std::string firstName;
    std::string lastName;
    std::string nickName;
    std::string sipAddress;
    std::string email;
    std::string homePhone;
    std::string workPhone;
    std::string mobilePhone;
    // The avatar's bitmap, from which the store makes the icon path it keeps: Face012 for a
    // contact whose AvatarKind is 1, Face01 for any other.
    std::string avatarPath;
};

// What an import works with besides the contacts: the signed-in account's proxy server and
// port, and the skin folder (ANSI, with its trailing backslash) that holds the avatars.
struct OutlookImportSettings {
    std::string proxyServer;
    int proxyPort = 5060;
    std::string skinFolder;
};

// `address` (ANSI, as Outlook holds it: blanks and punctuation kept) as a SIP address: a
// text without "@" gets "@" and the proxy server, one still without ":" gets ":" and the port
// unless it is 5060, and one without "sip:" gets it in front. The tests run on the wide text,
// so a double-byte character's trail byte is never taken for "@" or ":".
std::string MakeSipAddress(const std::string& address, const OutlookImportSettings& settings);

// The contact `record` holds; false, with `contact` untouched, when none of its five address
// fields is set (such a contact cannot be reached and is not imported).
bool ContactFromRecord(const ContactRecord& record, const OutlookImportSettings& settings,
                       OutlookContact& contact);

enum class OutlookImportResult {
    kRead,        // Outlook was reached; every contact it gave was handed on (perhaps none)
    kNoOutlook,   // Outlook could not be reached: nothing was read
};

// Connects to Outlook through Ostrel, hands each contact with an address to `take` in folder
// order and lets go of Ostrel again, also when `take` throws. The live handle is kept in
// `holder`'s Ostrel slot while the import runs (a handle already there is used and released);
// a null `holder` keeps it here. A contact Outlook cannot read ends the import at that item;
// those handed on before it stay handed on.
OutlookImportResult ReadOutlookContacts(CMainFrame* holder, const OutlookImportSettings& settings,
                                        const std::function<void(const OutlookContact&)>& take);

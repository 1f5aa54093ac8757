// Filling the contacts tree from tables Groups and Contacts after the user signed in.
#include "windows/contacts/ContactsWnd.h"
#include "windows/contacts/HeldTree.h"

#include "core/Base64.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "framework/CallbackGuard.h"
#include "texts/UiTextTable.h"
#include "windows/call/EngineOperations.h"
#include "windows/contacts/ContactRow.h"
#include "windows/contacts/DefaultGroup.h"
#include "windows/contacts/PresenceTexts.h"

#include <cstdlib>

namespace {

// The columns the page shows, selected in the order the row callback reads them.
constexpr char kSelectShownContacts[] =
    "select SIPUri, FirstName, LastName, NickName, GroupName, Icon, subscribed from Contacts";
enum ShownColumn { kSipUri, kFirstName, kLastName, kNickName, kGroupName, kIcon, kSubscribed, kShownColumns };

std::string Decoded(const char* stored)
{
    return stored ? Base64Decode(stored) : std::string();
}

} // namespace

void CContactsWnd::LoadGroups()
{
    if (!HasTree())
        return;
    const HeldTree held(m_tree, false);
    std::string error;
    if (!g_database.Exec("select * from Groups", &CContactsWnd::GroupRowCallback, this, &error))
        g_database.ReportFailure("groups read", error);
}

void CContactsWnd::LoadContacts()
{
    if (!HasTree())
        return;
    // Subscriptions the contacts made before this sign-in are gone with the old registration.
    // Rows already at 0 are left alone, so that a load with nothing to reset writes nothing.
    std::string error;
    if (!g_database.Exec("update Contacts set subscribeid = 0 where subscribeid is not 0", nullptr, nullptr, &error))
        g_database.ReportFailure("subscription ids reset", error);
    const HeldTree held(m_tree, true);
    if (!g_database.Exec(kSelectShownContacts, &CContactsWnd::ContactRowCallback, this, &error))
        g_database.ReportFailure("contacts read", error);
}

int CContactsWnd::GroupRowCallback(void* page, int columns, char** values, char** names)
{
    try {
        CContactsWnd& self = *static_cast<CContactsWnd*>(page);
        for (int c = 0; c < columns; ++c) {
            if (!values[c] || !values[c][0] || !IsColumn(names[c], "GroupName"))
                continue;
            const std::string name = Base64Decode(values[c]);
            if (!name.empty())
                self.m_tree.AddGroupItem(AnsiToWide(name));
        }
    } catch (...) {
        AfxReportCallbackException("contacts page: group row");
    }
    return 0;
}

int CContactsWnd::ContactRowCallback(void* page, int columns, char** values, char**)
{
    try {
        if (columns != kShownColumns)
            return 0;
        std::string name = Decoded(values[kNickName]);
        if (name.empty())
            name = Decoded(values[kFirstName]) + " " + Decoded(values[kLastName]);
        const std::string group = ShownGroupName(Decoded(values[kGroupName]));
        const bool subscribe = values[kSubscribed] && std::strtol(values[kSubscribed], nullptr, 10) != 0;
        static_cast<CContactsWnd*>(page)->AddStoredContact(name, values[kSipUri] ? values[kSipUri] : "", group,
                                                           Decoded(values[kIcon]), subscribe);
    } catch (...) {
        AfxReportCallbackException("contacts page: contact row");
    }
    return 0;
}

void CContactsWnd::AddStoredContact(const std::string& name, const std::string& sipUri, const std::string& group,
                                    const std::string& iconPath, bool subscribe)
{
    // An empty status: the contact shows offline until the engine reports it.
    m_tree.AddContactItem(name, sipUri, group, iconPath, std::string());
    if (subscribe)
        Tavik_presenceSubscribeContact(EngineHandle(), sipUri.c_str(), kSubscribeNote);
}

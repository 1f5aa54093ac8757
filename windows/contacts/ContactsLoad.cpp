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
#include <cstring>

namespace {

// What one Contacts row gives the page, in the row's own buffers (nothing is copied until the
// row is taken).
struct ContactColumns {
    const char* sipUri = nullptr;
    const char* firstName = nullptr;
    const char* lastName = nullptr;
    const char* nickName = nullptr;
    const char* groupName = nullptr;
    const char* icon = nullptr;
    bool subscribe = false;
};

ContactColumns ReadContactColumns(int columns, char** values, char** names)
{
    ContactColumns row;
    for (int c = 0; c < columns; ++c) {
        const char* const value = values[c];
        const char* const name = names[c];
        if (!value)
            continue;
        if (IsColumn(name, "SipUri"))
            row.sipUri = value;
        else if (IsColumn(name, "FirstName"))
            row.firstName = value;
        else if (IsColumn(name, "LastName"))
            row.lastName = value;
        else if (IsColumn(name, "NickName"))
            row.nickName = value;
        else if (IsColumn(name, "GroupName"))
            row.groupName = value;
        else if (IsColumn(name, "Icon"))
            row.icon = value;
        else if (IsColumn(name, "subscribed"))
            row.subscribe = std::strtol(value, nullptr, 10) != 0;
    }
    return row;
}

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
    if (!g_database.Exec("select * from Contacts", &CContactsWnd::ContactRowCallback, this, &error))
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

int CContactsWnd::ContactRowCallback(void* page, int columns, char** values, char** names)
{
    try {
        const ContactColumns row = ReadContactColumns(columns, values, names);
        std::string name = Decoded(row.nickName);
        if (name.empty())
            name = Decoded(row.firstName) + " " + Decoded(row.lastName);
        const std::string group = ShownGroupName(Decoded(row.groupName));
        static_cast<CContactsWnd*>(page)->AddStoredContact(name, row.sipUri ? row.sipUri : "", group,
                                                           Decoded(row.icon), row.subscribe);
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

// Publishing the user's presence to the contacts whose subscription the user accepted.
#include "windows/contacts/ContactsWnd.h"

#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "windows/call/EngineOperations.h"

#include <cstdlib>

namespace {

constexpr char kSubscribersQuery[] = "select SipUri, acceptedsubscribed, subscribeid from Contacts";

// The row's accepted flag and subscription id; false when the row names no subscriber to tell.
bool AcceptedSubscription(int columns, char** values, char** names, int& subscribeId)
{
    bool accepted = false;
    subscribeId = 0;
    for (int i = 0; i < columns; ++i) {
        if (!values[i] || !names[i])
            continue;
        if (TavikUtility::CompareNoCase(names[i], "acceptedsubscribed") == 0)
            accepted = std::strtol(values[i], nullptr, 10) != 0;
        else if (TavikUtility::CompareNoCase(names[i], "subscribeid") == 0)
            subscribeId = static_cast<int>(std::strtol(values[i], nullptr, 10));
    }
    return accepted && subscribeId != 0;
}

} // namespace

void CContactsWnd::NotifyPresenceOnline(const std::string& status)
{
    std::string text = status;
    std::string error;
    if (!g_database.Exec(kSubscribersQuery, &CContactsWnd::OnlineRowCallback, &text, &error))
        g_database.ReportFailure("presence to subscribers", error);
}

void CContactsWnd::NotifyPresenceOffline()
{
    std::string error;
    if (!g_database.Exec(kSubscribersQuery, &CContactsWnd::OfflineRowCallback, nullptr, &error))
        g_database.ReportFailure("offline notice to subscribers", error);
}

// Neither allocates nor throws: SQLite calls them from C.
int CContactsWnd::OnlineRowCallback(void* status, int columns, char** values, char** names)
{
    int subscribeId = 0;
    if (AcceptedSubscription(columns, values, names, subscribeId))
        Tavik_presenceOnline(EngineHandle(), subscribeId, static_cast<const std::string*>(status)->c_str());
    return 0;
}

int CContactsWnd::OfflineRowCallback(void*, int columns, char** values, char** names)
{
    int subscribeId = 0;
    if (AcceptedSubscription(columns, values, names, subscribeId))
        Tavik_presenceOffline(EngineHandle(), subscribeId);
    return 0;
}

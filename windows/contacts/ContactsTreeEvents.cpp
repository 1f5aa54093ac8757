// The contact engine events the page hands the tree: instant messages, subscription requests,
// presence notices and ended subscriptions.
#include "windows/contacts/ContactsTree.h"

#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "texts/UiTextTable.h"
#include "windows/chat/ChatWindows.h"
#include "windows/contacts/PresenceNotice.h"
#include "windows/contacts/PresenceTexts.h"
#include "windows/main/MainFrame.h"

#include <vector>

namespace {

enum ContactEvent {
    kMessageReceived = 21,
    kSubscriptionRequest = 30,
    kPresenceNotice = 31,
    kSubscriptionEnded = 32,
};

// A text field of the record read into a zeroed buffer of `size` bytes (longer text is cut);
// empty when the record refuses.
std::string RecordText(const SIPCallbackCommand& record, bool (SIPCallbackCommand::*read)(char*, size_t) const,
                       size_t size = SIPCallbackCommand::kTextFieldSize)
{
    std::vector<char> buffer(size, '\0');
    if (!(record.*read)(buffer.data(), buffer.size()))
        return std::string();
    buffer.back() = '\0';
    return std::string(buffer.data());
}

// The tree's key of the sender: its address with the scheme.
std::string SenderKey(const SIPCallbackCommand& record)
{
    return "sip:" + RecordText(record, &SIPCallbackCommand::GetRemoteAddress);
}

bool PresenceNoticesOn()
{
    return g_pMainFrame && g_pMainFrame->GetPresenceNoticeSwitch() != 0;
}

} // namespace

void CContactsTree::OnSipEvent(SIPCallbackCommand* record)
{
    if (!record)
        return;
    switch (record->GetEventType()) {
    case kMessageReceived:
        OnMessageReceived(record);
        break;
    case kSubscriptionRequest:
        OnSubscriptionRequest(record);
        break;
    case kPresenceNotice:
        OnPresenceNotice(record);
        break;
    case kSubscriptionEnded:
        OnSubscriptionEnded(record);
        break;
    default:
        break;
    }
}

void CContactsTree::OnMessageReceived(SIPCallbackCommand* record)
{
    // A stored contact's window bears the name the tree shows; a stranger's the event's own.
    if (const ContactItemData* const contact = GetContactData(FindContactItem(SenderKey(*record)))) {
        const CString name = contact->displayName;
        ReceiveInstantMessage(*record, &name);
    } else {
        ReceiveInstantMessage(*record, nullptr);
    }
}

void CContactsTree::OnPresenceNotice(SIPCallbackCommand* record)
{
    const std::string key = SenderKey(*record);
    const std::string status = RecordText(*record, &SIPCallbackCommand::GetStatusText);
    std::string name;
    const std::string previous = UpdateContactStatus(key, true, status, name);
    if (!PresenceNoticesOn())
        return;
    // Only a contact going offline or coming online is worth a pop-up.
    const bool wentOffline = TavikUtility::CompareNoCase(status, kOfflineStatus) == 0;
    const bool cameOnline = TavikUtility::CompareNoCase(previous, kOfflineStatus) == 0;
    if (!wentOffline && !cameOnline)
        return;
    ShowPresenceNotice(this, AnsiToWide(name + "<" + key + ">") + L" is " + AnsiToWide(status) + L".");
}

void CContactsTree::OnSubscriptionEnded(SIPCallbackCommand* record)
{
    const std::string key = SenderKey(*record);
    std::string error;
    if (!g_database.Run("update Contacts set subscribeid = 0 where SIPUri = ?", {key}, &error))
        g_database.ReportFailure("ended subscription", error);
    if (g_pMainFrame)
        g_pMainFrame->RemoveChatWindow(key);
    std::string name;
    UpdateContactStatus(key, false, "Offline", name);
    ShowPresenceNotice(this, AnsiToWide(name + "<" + key + ">") + L" " + g_uiTexts.contactTreeWnd.t33004);
}

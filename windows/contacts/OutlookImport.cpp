// The contacts tree's "Import contacts from Outlook": every Outlook contact with an address
// is stored in the default group through the tree's own store, which leaves a stored address
// alone; when Outlook cannot be reached the user is told so.
#include "windows/contacts/ContactsTree.h"

#include "core/AccountRecord.h"
#include "core/TextConvert.h"
#include "skin/model/SkinReader.h"
#include "texts/UiTextTable.h"
#include "windows/contacts/OutlookContacts.h"
#include "windows/main/MainFrame.h"
#include "windows/msgbox/MessageBox.h"

#include <string>

void CContactsTree::OnImportContactsFromOutlook()
{
    OutlookImportSettings settings;
    settings.proxyServer = g_account.ProxyServer;
    settings.proxyPort = g_account.ProxyPort;
    settings.skinFolder = WideToAnsi(Vexel::GetSkinFolder());
    // The default group under the name its node shows, which the store files as "Friends";
    // under the stored name itself no node would be found for the new contacts.
    const std::string group = WideToAnsi(g_uiTexts.contactDetailsWnd.t32000);
    const auto store = [this, &group](const OutlookContact& contact) {
        SaveContact(contact.firstName, contact.lastName, contact.nickName, std::string(), contact.sipAddress,
                    contact.email, contact.homePhone, contact.workPhone, contact.mobilePhone, group,
                    contact.avatarPath, false, 0, 0, false);
    };
    if (ReadOutlookContacts(g_pMainFrame, settings, store) == OutlookImportResult::kNoOutlook)
        ShowMessageBox(g_uiTexts.contactTreeWnd.t33011);
}

#include "windows/contacts/OutlookContacts.h"

#include "core/TextConvert.h"
#include "framework/DelayLoad.h"
#include "windows/main/MainFrame.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int kDefaultSipPort = 5060;

// Hands the reader back to Ostrel and empties the holder's slot on every way out.
class HeldReader {
public:
    HeldReader(CMainFrame* holder, Ostrel* reader) : m_holder(holder), m_reader(reader) {}
    ~HeldReader()
    {
        Ostrel_unInitialize(m_reader);
        if (m_holder)
            m_holder->SetOstrelHandle(nullptr);
    }
    HeldReader(const HeldReader&) = delete;
    HeldReader& operator=(const HeldReader&) = delete;

    Ostrel* Get() const { return m_reader; }

private:
    CMainFrame* m_holder;
    Ostrel* m_reader;
};

// A field's text; a field that Ostrel left without its zero still ends at the field's end.
std::string Text(const char* field)
{
    return std::string(field, strnlen(field, ContactRecord::kTextSize));
}

} // namespace

std::string MakeSipAddress(const std::string& address, const OutlookImportSettings& settings)
{
    const std::wstring port = std::to_wstring(settings.proxyPort);
    CString sip = AnsiToWide(address);
    if (sip.Find(L'@') < 0) {
        sip += L'@';
        sip += AnsiToWide(settings.proxyServer);
        if (settings.proxyPort != kDefaultSipPort) {
            sip += L':';
            sip += port.c_str();
        }
    }
    if (sip.Find(L':') < 0 && settings.proxyPort != kDefaultSipPort) {
        sip += L':';
        sip += port.c_str();
    }
    if (sip.Find(L"sip:") < 0)
        sip.Insert(0, L"sip:");
    return WideToAnsi(sip);
}

bool ContactFromRecord(const ContactRecord& record, const OutlookImportSettings& settings, OutlookContact& contact)
{
    const char* const address = ContactAddress(record);
    if (!address)
        return false;
    contact.firstName = Text(record.FirstName);
    contact.lastName = Text(record.LastName);
    contact.nickName = Text(record.NickName);
    contact.sipAddress = MakeSipAddress(Text(address), settings);
    contact.email = Text(record.Email);
    contact.homePhone = Text(record.HomePhone);
    contact.workPhone = Text(record.WorkPhone);
    contact.mobilePhone = Text(record.MobilePhone);
    contact.avatarPath = settings.skinFolder + (record.AvatarKind == 1 ? "avatars\\Face012.bmp" : "avatars\\Face01.bmp");
    return true;
}

OutlookImportResult ReadOutlookContacts(CMainFrame* holder, const OutlookImportSettings& settings,
                                        const std::function<void(const OutlookContact&)>& take)
{
    Ostrel* reader = holder ? static_cast<Ostrel*>(holder->GetOstrelHandle()) : nullptr;
    if (!reader) {
        // Ostrel.dll is loaded here, by its first call; without it there is no Outlook to read.
        if (!AfxDelayLoadable("Ostrel.dll"))
            return OutlookImportResult::kNoOutlook;
        reader = Ostrel_initialize();
        if (!reader)
            return OutlookImportResult::kNoOutlook;
        if (holder)
            holder->SetOstrelHandle(reader);
    }
    const HeldReader held(holder, reader);

    // Ostrel zeroes and refills it for every item it reaches; 7684 bytes stay off the stack.
    const auto record = std::make_unique<ContactRecord>();
    for (bool more = Ostrel_getFirstContact(held.Get(), record.get()); more;
         more = Ostrel_getNextContact(held.Get(), record.get())) {
        OutlookContact contact;
        if (ContactFromRecord(*record, settings, contact))
            take(contact);
    }
    return OutlookImportResult::kRead;
}

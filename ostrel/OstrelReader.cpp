#include "ostrel/OstrelReader.h"

#include "ostrel/AnsiField.h"
#include "ostrel/Automation.h"

#include <cstring>

namespace {

// Outlook.Application.
const CLSID kOutlookApplication = {0x0006F03A, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr long kContactsFolder = 10;  // olFolderContacts
constexpr long kContactClass = 40;    // olContact: the Class of a contact item

// The record's fields with the contact property each is read from, in reading order; the
// entry with no text field is the integer AvatarKind.
struct Field {
    const wchar_t* property;
    char (ContactRecord::*text)[ContactRecord::kTextSize];
};
constexpr Field kFields[] = {
    {L"FirstName", &ContactRecord::FirstName},
    {L"LastName", &ContactRecord::LastName},
    {L"FullName", &ContactRecord::Extra2},
    {L"NickName", &ContactRecord::NickName},
    {L"Email1Address", &ContactRecord::Email},
    {L"WebPage", &ContactRecord::Extra5},
    {L"IMAddress", &ContactRecord::PreferredAddress},
    {L"Gender", nullptr},
    {L"HomeAddress", &ContactRecord::Extra7},
    {L"OfficeLocation", &ContactRecord::Extra8},
    {L"CompanyAndFullName", &ContactRecord::Extra9},
    {L"MobileTelephoneNumber", &ContactRecord::MobilePhone},
    {L"HomeTelephoneNumber", &ContactRecord::HomePhone},
    {L"CompanyMainTelephoneNumber", &ContactRecord::Extra12},
    {L"BusinessFaxNumber", &ContactRecord::Extra13},
    {L"BusinessTelephoneNumber", &ContactRecord::WorkPhone},
};

// Reads one text property into its zeroed field: each getter once, its string freed with
// the variant. A missing or empty text leaves the field empty.
HRESULT ReadText(IDispatch* item, const wchar_t* property, char* field)
{
    ScopedVariant value;
    HRESULT hr = ostrel::Invoke(item, property, nullptr, value);
    if (FAILED(hr))
        return hr;
    if (value.v.vt == VT_EMPTY || value.v.vt == VT_NULL)
        return S_OK;
    if (value.v.vt != VT_BSTR) {
        hr = VariantChangeType(&value.v, &value.v, 0, VT_BSTR);
        if (FAILED(hr))
            return hr;
    }
    ostrel::CopyAnsiField(value.v.bstrVal, SysStringLen(value.v.bstrVal), field, ContactRecord::kTextSize);
    return S_OK;
}

} // namespace

bool Ostrel::Connect()
{
    // Outlook runs out of process: it is created as a plain object, run, and only then
    // asked for its automation interface.
    ComPtr<IUnknown> created;
    HRESULT hr = CoCreateInstance(kOutlookApplication, nullptr, CLSCTX_ALL, IID_IUnknown, created.OutVoid());
    if (SUCCEEDED(hr))
        hr = OleRun(created.Get());
    if (SUCCEEDED(hr))
        hr = m_application.QueryFrom(created.Get(), IID_IDispatch);
    if (FAILED(hr) || !m_application)
        return false;

    ComPtr<IDispatch> mapi;
    ScopedVariant name;
    name.v.vt = VT_BSTR;
    name.v.bstrVal = SysAllocString(L"MAPI");
    if (!name.v.bstrVal)
        return false;
    if (FAILED(ostrel::InvokeForObject(m_application.Get(), L"GetNamespace", &name.v, mapi)) || !mapi)
        return false;

    VARIANT folder;
    folder.vt = VT_I4;
    folder.lVal = kContactsFolder;
    if (FAILED(ostrel::InvokeForObject(mapi.Get(), L"GetDefaultFolder", &folder, m_folder)) || !m_folder)
        return false;
    if (FAILED(ostrel::InvokeForObject(m_folder.Get(), L"Items", nullptr, m_items)) || !m_items)
        return false;
    m_connected = true;
    return true;
}

bool Ostrel::GetFirst(ContactRecord& record)
{
    m_current = nullptr;
    ComPtr<IDispatch> item;
    if (!m_connected || FAILED(ostrel::InvokeForObject(m_items.Get(), L"GetFirst", nullptr, item)))
        return false;
    return SettleOn(std::move(item), record);
}

bool Ostrel::GetNext(ContactRecord& record)
{
    m_current = nullptr;
    ComPtr<IDispatch> item;
    if (!m_connected || FAILED(ostrel::InvokeForObject(m_items.Get(), L"GetNext", nullptr, item)))
        return false;
    return SettleOn(std::move(item), record);
}

// From `item` on, stops at the first contact that has an address and fills the record with
// it. Distribution lists and other items, and contacts with no address to reach them at,
// are passed over rather than taken for the end of the folder.
bool Ostrel::SettleOn(ComPtr<IDispatch> item, ContactRecord& record)
{
    while (item) {
        long itemClass = 0;
        if (FAILED(ostrel::GetInteger(item.Get(), L"Class", itemClass)))
            return false;
        if (itemClass == kContactClass) {
            m_current = std::move(item);
            if (!FillRecord(record))
                return false;
            if (ContactAddress(record))
                return true;
            m_current = nullptr;
        }
        if (FAILED(ostrel::InvokeForObject(m_items.Get(), L"GetNext", nullptr, item)))
            return false;
    }
    return false;
}

// Zeroes the record and fills it from the current contact; a property that cannot be read
// ends the fill with false, the fields read before it keeping their text.
bool Ostrel::FillRecord(ContactRecord& record) const
{
    std::memset(&record, 0, sizeof record);
    for (const Field& field : kFields) {
        if (!field.text) {
            long kind = 0;
            if (FAILED(ostrel::GetInteger(m_current.Get(), field.property, kind)))
                return false;
            record.AvatarKind = static_cast<std::int32_t>(kind);
        } else if (FAILED(ReadText(m_current.Get(), field.property, record.*field.text))) {
            return false;
        }
    }
    return true;
}

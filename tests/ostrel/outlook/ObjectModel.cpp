#include "ObjectModel.h"

#include "ContactsFile.h"

#include <cwchar>
#include <iterator>
#include <map>
#include <new>
#include <string>

namespace standin {
namespace {

// Interface ids of Outlook's type library, offered by QueryInterface beside IDispatch.
const IID kApplicationIid = {0x00063001, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kNameSpaceIid = {0x00063002, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kFolderIid = {0x00063006, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kItemsIid = {0x00063041, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kContactItemIid = {0x00063021, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kDistListItemIid = {0x00063081, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

constexpr long kContactsFolder = 10;
constexpr long kContactClass = 40;

std::map<std::wstring, int> g_readCounts;

HRESULT ReturnText(const std::wstring& text, VARIANT& result)
{
    result.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!result.bstrVal)
        return E_OUTOFMEMORY;
    result.vt = VT_BSTR;
    return S_OK;
}

// One item of the folder. A contact answers Class, the integer Gender and every text
// property below; any other item answers Class and DLName.
class Item : public DispatchObject {
public:
    explicit Item(std::shared_ptr<const ItemData> data)
        : DispatchObject(data->itemClass == kContactClass ? kContactMembers : kListMembers,
                         data->itemClass == kContactClass ? std::size(kContactMembers) : std::size(kListMembers),
                         data->itemClass == kContactClass ? kContactItemIid : kDistListItemIid),
          m_data(std::move(data))
    {
    }

protected:
    HRESULT Call(DISPID id, const DISPPARAMS&, VARIANT& result) override
    {
        const wchar_t* name = NameOf(id);
        ++g_readCounts[name];
        if (m_data->failing == name)
            return E_FAIL;
        if (id == kClass) {
            result.vt = VT_I4;
            result.lVal = m_data->itemClass;
            return S_OK;
        }
        const auto value = m_data->values.find(name);
        const std::wstring text = value == m_data->values.end() ? std::wstring() : value->second;
        if (id == kGender) {
            result.vt = VT_I4;
            result.lVal = std::wcstol(text.c_str(), nullptr, 10);
            return S_OK;
        }
        return ReturnText(text, result);
    }

private:
    enum : DISPID { kClass = 1, kGender = 2 };
    static constexpr Member kContactMembers[] = {
        {L"Class", kClass},
        {L"Gender", kGender},
        {L"FirstName", 3},
        {L"LastName", 4},
        {L"FullName", 5},
        {L"NickName", 6},
        {L"Email1Address", 7},
        {L"WebPage", 8},
        {L"IMAddress", 9},
        {L"HomeAddress", 10},
        {L"OfficeLocation", 11},
        {L"CompanyAndFullName", 12},
        {L"MobileTelephoneNumber", 13},
        {L"HomeTelephoneNumber", 14},
        {L"CompanyMainTelephoneNumber", 15},
        {L"BusinessFaxNumber", 16},
        {L"BusinessTelephoneNumber", 17},
    };
    static constexpr Member kListMembers[] = {{L"Class", kClass}, {L"DLName", 100}};

    static const wchar_t* NameOf(DISPID id)
    {
        for (const Member& member : kContactMembers) {
            if (member.id == id)
                return member.name;
        }
        return kListMembers[1].name;
    }

    std::shared_ptr<const ItemData> m_data;
};

// The folder's item collection, with its own enumeration position.
class Items : public DispatchObject {
public:
    Items() : DispatchObject(kMembers, std::size(kMembers), kItemsIid), m_folder(ReadContactsFile()) {}

protected:
    HRESULT Call(DISPID id, const DISPPARAMS&, VARIANT& result) override
    {
        if (id == kCount) {
            result.vt = VT_I4;
            result.lVal = static_cast<long>(m_folder.size());
            return S_OK;
        }
        m_next = id == kGetFirst ? 0 : m_next;
        // Past the last item the answer is an empty object reference, as Outlook gives.
        DispatchObject* item = nullptr;
        if (m_next < m_folder.size()) {
            item = new (std::nothrow) Item(m_folder[m_next++]);
            if (!item)
                return E_OUTOFMEMORY;
        }
        ReturnObject(item, result);
        return S_OK;
    }

private:
    enum : DISPID { kGetFirst = 1, kGetNext = 2, kCount = 3 };
    static constexpr Member kMembers[] = {{L"GetFirst", kGetFirst}, {L"GetNext", kGetNext}, {L"Count", kCount}};
    Folder m_folder;
    std::size_t m_next = 0;
};

class ContactsFolder : public DispatchObject {
public:
    ContactsFolder() : DispatchObject(kMembers, std::size(kMembers), kFolderIid) {}

protected:
    HRESULT Call(DISPID, const DISPPARAMS&, VARIANT& result) override
    {
        DispatchObject* items = new (std::nothrow) Items;
        if (!items)
            return E_OUTOFMEMORY;
        ReturnObject(items, result);
        return S_OK;
    }

private:
    static constexpr Member kMembers[] = {{L"Items", 1}};
};

class NameSpace : public DispatchObject {
public:
    NameSpace() : DispatchObject(kMembers, std::size(kMembers), kNameSpaceIid) {}

protected:
    HRESULT Call(DISPID, const DISPPARAMS& parameters, VARIANT& result) override
    {
        long folder = 0;
        const HRESULT hr = ArgumentAsLong(parameters, 0, folder);
        if (FAILED(hr))
            return hr;
        if (folder != kContactsFolder)
            return E_INVALIDARG;
        DispatchObject* contacts = new (std::nothrow) ContactsFolder;
        if (!contacts)
            return E_OUTOFMEMORY;
        ReturnObject(contacts, result);
        return S_OK;
    }

private:
    static constexpr Member kMembers[] = {{L"GetDefaultFolder", 1}};
};

class Application : public DispatchObject {
public:
    Application() : DispatchObject(kMembers, std::size(kMembers), kApplicationIid) {}

protected:
    HRESULT Call(DISPID, const DISPPARAMS& parameters, VARIANT& result) override
    {
        BSTR kind = nullptr;
        const HRESULT hr = ArgumentAsText(parameters, 0, kind);
        if (FAILED(hr))
            return hr;
        const bool mapi = kind && _wcsicmp(kind, L"MAPI") == 0;
        SysFreeString(kind);
        if (!mapi)
            return E_INVALIDARG;
        DispatchObject* names = new (std::nothrow) NameSpace;
        if (!names)
            return E_OUTOFMEMORY;
        ReturnObject(names, result);
        return S_OK;
    }

private:
    static constexpr Member kMembers[] = {{L"GetNamespace", 1}};
};

} // namespace

DispatchObject* NewApplication()
{
    return new (std::nothrow) Application;
}

int ReadCount(const wchar_t* property)
{
    const auto count = g_readCounts.find(property ? property : L"");
    return count == g_readCounts.end() ? 0 : count->second;
}

void ResetReadCounts()
{
    g_readCounts.clear();
}

} // namespace standin

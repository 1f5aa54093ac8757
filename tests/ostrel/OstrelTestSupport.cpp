#include "OstrelTestSupport.h"

#include "tests/ostrel/outlook/OutlookStandIn.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

namespace ostrel_test {

StandInOutlook::StandInOutlook(const std::string& contacts)
{
    const std::wstring file = folder_.File(L"contacts.txt");
    if (!lumeo_test::WriteFileBytes(file, contacts))
        ADD_FAILURE() << "the contacts file could not be written";
    SetEnvironmentVariableW(kContactsFileVariable, file.c_str());
    registered_ = SUCCEEDED(OutlookStandIn_Register());
    OutlookStandIn_ResetCounts();
}

StandInOutlook::~StandInOutlook()
{
    OutlookStandIn_Unregister();
    SetEnvironmentVariableW(kContactsFileVariable, nullptr);
}

std::vector<ContactRecord> ReadAll(Ostrel* reader)
{
    std::vector<ContactRecord> records;
    ContactRecord record = {};
    for (bool more = Ostrel_getFirstContact(reader, &record); more; more = Ostrel_getNextContact(reader, &record))
        records.push_back(record);
    return records;
}

const NamedField kTextFields[15] = {
    {"FirstName", &ContactRecord::FirstName},
    {"LastName", &ContactRecord::LastName},
    {"Extra2", &ContactRecord::Extra2},
    {"NickName", &ContactRecord::NickName},
    {"Email", &ContactRecord::Email},
    {"Extra5", &ContactRecord::Extra5},
    {"PreferredAddress", &ContactRecord::PreferredAddress},
    {"Extra7", &ContactRecord::Extra7},
    {"Extra8", &ContactRecord::Extra8},
    {"Extra9", &ContactRecord::Extra9},
    {"MobilePhone", &ContactRecord::MobilePhone},
    {"HomePhone", &ContactRecord::HomePhone},
    {"Extra12", &ContactRecord::Extra12},
    {"Extra13", &ContactRecord::Extra13},
    {"WorkPhone", &ContactRecord::WorkPhone},
};

ContactRecord MakeRecord(std::initializer_list<FieldText> texts, int avatarKind)
{
    ContactRecord record;
    std::memset(&record, 0, sizeof record);
    for (const FieldText& text : texts)
        std::strncpy(record.*text.field, text.text, ContactRecord::kTextSize - 1);
    record.AvatarKind = avatarKind;
    return record;
}

void ExpectSameRecord(const ContactRecord& expected, const ContactRecord& actual, const std::string& label)
{
    for (const NamedField& named : kTextFields) {
        EXPECT_STREQ(expected.*named.field, actual.*named.field) << label << ": " << named.name;
    }
    EXPECT_EQ(expected.AvatarKind, actual.AvatarKind) << label << ": AvatarKind";
    EXPECT_EQ(0, std::memcmp(&expected, &actual, sizeof expected)) << label << ": every byte, the zeros past each text included";
}

} // namespace ostrel_test

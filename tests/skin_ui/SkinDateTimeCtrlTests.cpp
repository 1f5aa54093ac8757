// The skinned date-time picker: the system picker's value set and read back, and the
// record protocol, which accepts its own kind without changing anything.
#include "ControlParent.h"
#include "UIWndTestSupport.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/ui/controls/SkinDateTimeCtrl.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Vexel;

namespace skin_ui_test {
namespace {

SYSTEMTIME Moment(WORD year, WORD month, WORD day, WORD hour, WORD minute)
{
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    return time;
}

class SkinDateTimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(picker.Create(WS_VISIBLE, {10, 10, 210, 34}, &parent, 50));
    }

    TestSkin skin;   // takes the styles away again
    ControlParent parent{50, 50, 300, 100};
    CSkinDateTimeCtrl picker;
};

TEST_F(SkinDateTimeTest, AValueSetIsReadBack)
{
    const SYSTEMTIME kMoments[] = {Moment(2024, 2, 29, 13, 45), Moment(1999, 12, 31, 23, 59)};
    for (const SYSTEMTIME& moment : kMoments) {
        ASSERT_TRUE(picker.SetTime(&moment)) << moment.wYear;
        SYSTEMTIME read{};
        ASSERT_EQ(picker.GetTime(&read), static_cast<DWORD>(GDT_VALID)) << moment.wYear;
        EXPECT_EQ(read.wYear, moment.wYear);
        EXPECT_EQ(read.wMonth, moment.wMonth);
        EXPECT_EQ(read.wDay, moment.wDay);
        EXPECT_EQ(read.wHour, moment.wHour);
        EXPECT_EQ(read.wMinute, moment.wMinute);
    }
}

TEST_F(SkinDateTimeTest, ItsOwnRecordsChangeNothingAndOthersAreRefused)
{
    const SYSTEMTIME moment = Moment(2020, 5, 6, 7, 8);
    ASSERT_TRUE(picker.SetTime(&moment));
    const DWORD style = picker.GetStyle();

    auto styleRecord = std::make_unique<DATETIMECTRLPROPERTIES>();
    SetText(*styleRecord, CtrlVar::Type, L"STYLE_DATETIMECTRL");
    SetText(*styleRecord, CtrlVar::ID, L"IDR_DATETIME_1");
    SetSwitch(*styleRecord, CtrlVar::IsDisabled, true);
    ASSERT_GE(g_skinStore.AddStyle(StyleKind::DateTime, styleRecord.get()), 0);
    styleRecord.release();
    EXPECT_EQ(picker.ApplyStyle(L"IDR_DATETIME_1"), 0);
    DATETIMECTRLPROPERTIES own;
    EXPECT_EQ(picker.ApplyProperties(&own), 0);
    EXPECT_EQ(picker.GetStyle(), style) << "the record's switches are not read";
    SYSTEMTIME read{};
    picker.GetTime(&read);
    EXPECT_EQ(read.wYear, 2020);

    BTNPROPERTIES button;
    EXPECT_EQ(picker.ApplyProperties(&button), -3);
    EXPECT_EQ(picker.ApplyProperties(nullptr), -2);
    EXPECT_EQ(picker.ApplyStyle(L"IDR_NO_SUCH_STYLE"), -2);
    EXPECT_EQ(picker.ApplyStyle(nullptr), -2);
    CSkinDateTimeCtrl windowless;
    EXPECT_EQ(windowless.ApplyProperties(&own), -1);
    EXPECT_EQ(windowless.ApplyStyle(L"IDR_DATETIME_1"), -1);
}

} // namespace
} // namespace skin_ui_test

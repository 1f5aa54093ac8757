// Proves the audio and video codec pages: the stored lists shown with the hidden names left
// out and the fall-backs filling an empty page, entries moved between the lists (each to the
// end of the other, so the order can be changed), the information area following the
// selection, both lists saved in their order on screen, and the saved enabled codecs offered
// to the engine after OK, without the names it cannot take.
#include "config/settings/CodecInfo.h"
#include "core/OptionsRecord.h"
#include "resources/Resource.h"
#include "tests/config/SettingsTestSupport.h"

namespace settings_test {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

using Names = std::vector<std::string>;
using Entries = std::vector<std::wstring>;

// Columns of a list's slots: the names given, the rest empty.
std::map<std::string, std::string> Slots(const char* column, Names names, size_t count)
{
    names.resize(count);
    std::map<std::string, std::string> columns;
    for (size_t i = 0; i < count; ++i)
        columns[column + std::to_string(i + 1)] = names[i];
    return columns;
}

std::map<std::string, std::string> AudioRow(const Names& enabled, const Names& disabled)
{
    std::map<std::string, std::string> row = Slots("EnableAudioCodec", enabled, 11);
    row.merge(Slots("DisableAudioCodec", disabled, 11));
    return row;
}

std::map<std::string, std::string> VideoRow(const Names& enabled, const Names& disabled)
{
    std::map<std::string, std::string> row = Slots("EnableVideoCodec", enabled, 3);
    row.merge(Slots("DisableVideoCodec", disabled, 3));
    return row;
}

Entries Wide(const Names& names)
{
    Entries entries;
    for (const std::string& name : names)
        entries.emplace_back(name.begin(), name.end());
    return entries;
}

// The stored slots of a list, empty ones dropped from the end.
Names StoredSlots(const StoredRow& row, const char* column, size_t count)
{
    Names names;
    for (size_t i = 1; i <= count; ++i)
        names.push_back(row.at(column + std::to_string(i)));
    while (!names.empty() && names.back().empty())
        names.pop_back();
    return names;
}

constexpr int kAudioPage = 2;
constexpr int kVideoPage = 3;

struct ListsShown {
    Entries enabled;
    Entries disabled;
};

class CodecPages : public SettingsTest {
protected:
    // Opens the page, reads its lists, saves at once.
    ListsShown OpenAndSave(int pageIndex)
    {
        ListsShown shown;
        RunDialog([&](const SettingsDriver& dialog) {
            const HWND page = dialog.ShowPage(pageIndex);
            const bool audio = pageIndex == kAudioPage;
            shown.enabled = SettingsDriver::Entries(
                page, audio ? IDC_TREECTRL_ENABLEAUDIOCODECS : IDC_TREECTRL_ENABLEVIDEOCODECS);
            shown.disabled = SettingsDriver::Entries(
                page, audio ? IDC_TREECTRL_DISABLEAUDIOCODECS : IDC_TREECTRL_DISABLEVIDEOCODECS);
            dialog.Ok();
        });
        return shown;
    }
};

TEST_F(CodecPages, StoredListsShowWithoutHiddenNamesAndSaveAsShown)
{
    const struct {
        const char* name;
        int page;
        std::map<std::string, std::string> row;
        Names enabled;    // shown, and stored after a save at once
        Names disabled;
    } kCases[] = {
        {"audio default row", kAudioPage,
         AudioRow({"G.729", "G.711 aLaw", "G.711 uLaw"},
                  {"G.722.1", "G.722", "AMR-WB", "SPEEX-WB", "SPEEX", "GSM", "iLBC", "AMR"}),
         {"G.711 aLaw", "G.711 uLaw"},
         {"G.722.1", "G.722", "SPEEX-WB", "SPEEX", "GSM", "iLBC"}},
        {"audio hidden name in lower case", kAudioPage, AudioRow({"amr", "SPEEX", "", "GSM"}, {"Amr-Wb"}),
         {"SPEEX", "GSM"}, {}},
        {"audio unknown name", kAudioPage, AudioRow({"Opus"}, {"GSM"}), {"Opus"}, {"GSM"}},
        {"audio nothing enabled", kAudioPage, AudioRow({}, {"G.729", "GSM"}), {"G.729", "AMR-WB", "AMR"}, {"GSM"}},
        {"video default row", kVideoPage, VideoRow({"H.264", "H.263"}, {"H.263+(1998)"}), {"H.263"},
         {"H.263+(1998)"}},
        {"video all slots empty", kVideoPage, VideoRow({}, {}), {}, {"H.263", "H.263+(1998)", "H.264"}},
        {"video only a hidden name", kVideoPage, VideoRow({"h.264"}, {}), {}, {"H.263", "H.263+(1998)", "H.264"}},
        {"video disabled only", kVideoPage, VideoRow({}, {"H.263"}), {}, {"H.263"}},
    };
    for (const auto& row : kCases) {
        StoreOptions(row.row);
        const ListsShown shown = OpenAndSave(row.page);
        EXPECT_THAT(shown.enabled, ElementsAreArray(Wide(row.enabled))) << row.name;
        EXPECT_THAT(shown.disabled, ElementsAreArray(Wide(row.disabled))) << row.name;
        const StoredRow stored = ReadRow();
        const bool audio = row.page == kAudioPage;
        const size_t count = audio ? 11 : 3;
        EXPECT_THAT(StoredSlots(stored, audio ? "EnableAudioCodec" : "EnableVideoCodec", count),
                    ElementsAreArray(row.enabled))
            << row.name;
        EXPECT_THAT(StoredSlots(stored, audio ? "DisableAudioCodec" : "DisableVideoCodec", count),
                    ElementsAreArray(row.disabled))
            << row.name;
    }
    EXPECT_EQ("", g_options.EnableVideoCodec1);
    EXPECT_EQ("H.263", g_options.DisableVideoCodec1);
}

TEST_F(CodecPages, DisablingEveryAudioCodecBringsTheFallBackBack)
{
    RunDialog([](const SettingsDriver& dialog) {
        const HWND page = dialog.ShowPage(kAudioPage);
        for (const wchar_t* name : {L"SPEEX", L"G.711 uLaw"}) {
            SettingsDriver::Select(page, IDC_TREECTRL_ENABLEAUDIOCODECS, name);
            SettingsDriver::Click(page, IDC_BTN_LEFT);
        }
        EXPECT_THAT(SettingsDriver::Entries(page, IDC_TREECTRL_ENABLEAUDIOCODECS), IsEmpty());
        dialog.Ok();
    });
    EXPECT_EQ("", ReadRow().at("EnableAudioCodec1"));
    const ListsShown shown = OpenAndSave(kAudioPage);
    EXPECT_THAT(shown.enabled, ElementsAre(L"G.729", L"AMR-WB", L"AMR"));
    EXPECT_THAT(shown.disabled, ElementsAre(L"GSM", L"iLBC", L"G.722", L"G.711 aLaw", L"SPEEX", L"G.711 uLaw"));
}

TEST_F(CodecPages, MovesChangeListsAndOrderAndTheSavedOrderReachesTheEngine)
{
    StoreOptions(AudioRow({"G.722.1", "SPEEX"}, {"GSM", "iLBC", "G.711 aLaw"}));
    SignIn();
    Entries enabledAfterMoves;
    Entries disabledAfterMoves;
    Entries videoEnabled;
    RunDialog([&](const SettingsDriver& dialog) {
        const HWND audio = dialog.ShowPage(kAudioPage);
        // Enable GSM: it goes to the end of the enabled list.
        SettingsDriver::Select(audio, IDC_TREECTRL_DISABLEAUDIOCODECS, L"GSM");
        SettingsDriver::Click(audio, IDC_BTN_RIGHT);
        // Disabling G.722.1 and enabling it again moves it down to the end.
        SettingsDriver::Select(audio, IDC_TREECTRL_ENABLEAUDIOCODECS, L"G.722.1");
        SettingsDriver::Click(audio, IDC_BTN_LEFT);
        SettingsDriver::Select(audio, IDC_TREECTRL_DISABLEAUDIOCODECS, L"G.722.1");
        SettingsDriver::Click(audio, IDC_BTN_RIGHT);
        // Move SPEEX down below GSM the same way, and G.711 aLaw up to the enabled list's end.
        SettingsDriver::Select(audio, IDC_TREECTRL_ENABLEAUDIOCODECS, L"SPEEX");
        SettingsDriver::Click(audio, IDC_BTN_LEFT);
        SettingsDriver::Select(audio, IDC_TREECTRL_DISABLEAUDIOCODECS, L"G.711 aLaw");
        SettingsDriver::Click(audio, IDC_BTN_RIGHT);
        enabledAfterMoves = SettingsDriver::Entries(audio, IDC_TREECTRL_ENABLEAUDIOCODECS);
        disabledAfterMoves = SettingsDriver::Entries(audio, IDC_TREECTRL_DISABLEAUDIOCODECS);

        const HWND video = dialog.ShowPage(kVideoPage);
        SettingsDriver::Select(video, IDC_TREECTRL_DISABLEVIDEOCODECS, L"H.263+(1998)");
        SettingsDriver::Click(video, IDC_BTN_RIGHT);
        videoEnabled = SettingsDriver::Entries(video, IDC_TREECTRL_ENABLEVIDEOCODECS);
        EngineControl_ClearJournal();
        dialog.Ok();
    });
    EXPECT_THAT(enabledAfterMoves, ElementsAre(L"GSM", L"G.722.1", L"G.711 aLaw"));
    EXPECT_THAT(disabledAfterMoves, ElementsAre(L"iLBC", L"SPEEX"));
    EXPECT_THAT(videoEnabled, ElementsAre(L"H.263", L"H.263+(1998)"));

    const StoredRow row = ReadRow();
    EXPECT_THAT(StoredSlots(row, "EnableAudioCodec", 11), ElementsAre("GSM", "G.722.1", "G.711 aLaw"));
    EXPECT_THAT(StoredSlots(row, "DisableAudioCodec", 11), ElementsAre("iLBC", "SPEEX"));
    EXPECT_THAT(StoredSlots(row, "EnableVideoCodec", 3), ElementsAre("H.263", "H.263+(1998)"));
    EXPECT_THAT(StoredSlots(row, "DisableVideoCodec", 3), IsEmpty());
    EXPECT_EQ("G.711 aLaw", g_options.EnableAudioCodec3);
    EXPECT_EQ("", g_options.EnableAudioCodec4);
    EXPECT_EQ("H.263+(1998)", g_options.EnableVideoCodec2);
    // After OK, in the saved order: G.722.1 has no engine codec and is never offered.
    EXPECT_THAT(JournalOf("Tavik_addAudioCodec"),
                ElementsAre("Tavik_addAudioCodec(H,3)", "Tavik_addAudioCodec(H,8)", "Tavik_addAudioCodec(H,101)"));
    EXPECT_THAT(JournalOf("Tavik_addVideoCodec"),
                ElementsAre("Tavik_addVideoCodec(H,34)", "Tavik_addVideoCodec(H,115)"));
}

TEST_F(CodecPages, AMoveWithoutASelectionChangesNothing)
{
    RunDialog([](const SettingsDriver& dialog) {
        const HWND page = dialog.ShowPage(kAudioPage);
        for (const int list : {IDC_TREECTRL_ENABLEAUDIOCODECS, IDC_TREECTRL_DISABLEAUDIOCODECS})
            SettingsDriver::SelectNone(page, list);
        const Entries enabled = SettingsDriver::Entries(page, IDC_TREECTRL_ENABLEAUDIOCODECS);
        const Entries disabled = SettingsDriver::Entries(page, IDC_TREECTRL_DISABLEAUDIOCODECS);
        SettingsDriver::Click(page, IDC_BTN_RIGHT);
        SettingsDriver::Click(page, IDC_BTN_LEFT);
        EXPECT_EQ(enabled, SettingsDriver::Entries(page, IDC_TREECTRL_ENABLEAUDIOCODECS));
        EXPECT_EQ(disabled, SettingsDriver::Entries(page, IDC_TREECTRL_DISABLEAUDIOCODECS));
        dialog.Cancel();
    });
}

TEST_F(CodecPages, TheInformationAreaFollowsTheSelection)
{
    // Loading leaves the last entry of each list selected; selecting it again tells nothing.
    StoreOptions(AudioRow({"G.711 uLaw", "Opus"}, {"SPEEX-WB", "GSM"}));
    StoreOptions(VideoRow({"H.263", "H.263+(1998)"}, {}));
    RunDialog([](const SettingsDriver& dialog) {
        const HWND audio = dialog.ShowPage(kAudioPage);
        const auto info = [audio] {
            return std::vector<std::wstring>{SettingsDriver::Text(audio, IDC_STA_LINE5),
                                             SettingsDriver::Text(audio, IDC_STA_LINE7),
                                             SettingsDriver::Text(audio, IDC_STA_LINE9),
                                             std::to_wstring(SettingsDriver::BarPos(audio, IDC_PRG_QUALITY))};
        };
        EXPECT_THAT(info(), ElementsAre(L"", L"", L"", L"0")) << "the page opens without information";
        EXPECT_EQ(10, SettingsDriver::BarMax(audio, IDC_PRG_QUALITY));
        SettingsDriver::Select(audio, IDC_TREECTRL_DISABLEAUDIOCODECS, L"SPEEX-WB");
        EXPECT_THAT(info(), ElementsAre(L"SPEEX Wideband codec", L"20800 - 58400", L"16000", L"9"));
        SettingsDriver::Select(audio, IDC_TREECTRL_ENABLEAUDIOCODECS, L"G.711 uLaw");
        EXPECT_THAT(info(), ElementsAre(L"G.711 uLaw codec", L"80000 - 80000", L"8000", L"8"));
        // A name neither table knows leaves the area as it is.
        SettingsDriver::Select(audio, IDC_TREECTRL_ENABLEAUDIOCODECS, L"Opus");
        EXPECT_THAT(info(), ElementsAre(L"G.711 uLaw codec", L"80000 - 80000", L"8000", L"8"));

        const HWND video = dialog.ShowPage(kVideoPage);
        EXPECT_EQ(L"", SettingsDriver::Text(video, IDC_STA_LINE5));
        SettingsDriver::Select(video, IDC_TREECTRL_ENABLEVIDEOCODECS, L"H.263");
        EXPECT_EQ(L"H.263 codec", SettingsDriver::Text(video, IDC_STA_LINE5));
        EXPECT_EQ(3, SettingsDriver::BarPos(video, IDC_PRG_CPUUSAGE));
        EXPECT_EQ(5, SettingsDriver::BarPos(video, IDC_PRG_QUALITY));
        EXPECT_EQ(10, SettingsDriver::BarMax(video, IDC_PRG_CPUUSAGE));
        dialog.Cancel();
    });
}

TEST(CodecInfo, NamesAreFoundWithoutRegardToCase)
{
    for (const char* name : {"g.729", "G.729"}) {
        const AudioCodecInfo* const info = FindAudioCodecInfo(name);
        ASSERT_NE(nullptr, info) << name;
        EXPECT_STREQ(L"G.279 codec", info->description) << name;
        EXPECT_EQ(7, info->quality) << name;
    }
    ASSERT_NE(nullptr, FindAudioCodecInfo("amr-wb"));
    EXPECT_STREQ(L"66000 - 238500", FindAudioCodecInfo("amr-wb")->bitrateRange);
    ASSERT_NE(nullptr, FindVideoCodecInfo("h.263+(1998)"));
    EXPECT_EQ(5, FindVideoCodecInfo("h.263+(1998)")->cpuUsage);
    for (const char* unknown : {"", "Opus", "H.263-1998", "G.711"}) {
        EXPECT_EQ(nullptr, FindAudioCodecInfo(unknown)) << unknown;
        EXPECT_EQ(nullptr, FindVideoCodecInfo(unknown)) << unknown;
    }
}

} // namespace
} // namespace settings_test

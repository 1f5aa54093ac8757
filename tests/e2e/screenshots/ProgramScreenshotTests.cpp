// Every window the real Lumeo.exe shows, in each of its six languages: the sign-in window and
// its advanced pane, the main window on each page, the contact form with its message box, the
// video window, the update window, a chat opened by a peer's message, a presence request, the
// settings dialog on each page, about and the box of a second start. Each is kept as a picture
// in the build tree (screenshots\program\<language>\, with a contact sheet), and each must
// pass the checks of WindowChecks.h: a title, no blank push button, no clipped text and no
// black area its skin lacks. One test per language, so the six run side by side.
#include "tests/e2e/SignInChecks.h"
#include "tests/e2e/driver/WindowChecks.h"
#include "tests/e2e/driver/WindowPicture.h"
#include "tests/support/ContactSheet.h"
#include "tests/support/LoopbackHttpServer.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using e2e::LumeoProcess;
using e2e::ProgramCopy;
using namespace e2e_test;

// The settings dialog's pages and their tree entries.
constexpr int kSettingsPages = 7;

// Push buttons that show a picture and no text: the windows' own minimise and close boxes,
// the call keys, the main window's round buttons and the avatar chooser.
const std::set<int> kPictureButtons = {IDC_BTN_MIN,      IDC_BTN_CLOSE,      IDC_BTN_1,         IDC_BTN_DOWNMENU,
                                       IDC_BTN_ADDCONTACT, IDC_BTN_WEBCAM,   IDC_BTN_DIAL,      IDC_BTN_HANGUP,
                                       IDC_BTN_SELECTPIC};

std::string Narrow(const std::wstring& text)
{
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length > 0 ? length - 1 : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

// One language's tour: the pictures it keeps and the faults it finds.
class Tour {
public:
    Tour(const ProgramCopy& copy, const std::wstring& language)
        : m_copy(copy), m_folder(e2e::ScreenshotFolder(L"program\\" + language))
    {
    }

    // Pictures `window` as `name` and checks it; `skinId` names its skin background.
    void Keep(HWND window, const std::wstring& name, const std::wstring& skinId)
    {
        ASSERT_NE(nullptr, window) << Narrow(name);
        lumeo_test::RgbImage picture = e2e::CaptureWindow(window);
        ASSERT_GT(picture.width, 0) << Narrow(name);
        EXPECT_TRUE(lumeo_test::WritePngFile(m_folder + name + L".png", picture)) << Narrow(name);
        std::vector<std::wstring> faults = e2e::UntitledWindowFaults(window);
        for (const auto& more : {e2e::BlankButtonFaults(window, kPictureButtons), e2e::ClippedTextFaults(window),
                                 e2e::BlackAreaFaults(picture, Background(skinId))})
            faults.insert(faults.end(), more.begin(), more.end());
        for (const std::wstring& fault : faults)
            ADD_FAILURE() << Narrow(name) << ": " << Narrow(fault);
        m_pictures.push_back(std::move(picture));
    }

    void WriteContactSheet() const
    {
        std::vector<const lumeo_test::RgbImage*> pictures;
        for (const lumeo_test::RgbImage& picture : m_pictures)
            pictures.push_back(&picture);
        EXPECT_TRUE(lumeo_test::WritePngFile(m_folder + L"contact-sheet.png", lumeo_test::ContactSheet(pictures)));
    }

private:
    lumeo_test::RgbImage Background(const std::wstring& skinId) const
    {
        return skinId.empty() ? lumeo_test::RgbImage() : e2e::SkinBackground(m_copy.Path(L"Skins\\Lumeo\\the.xui"), skinId);
    }

    const ProgramCopy& m_copy;
    std::wstring m_folder;
    std::vector<lumeo_test::RgbImage> m_pictures;
};

// Ends a modal window as Escape would, and waits until it has gone.
void Dismiss(HWND window)
{
    ASSERT_TRUE(::PostMessageW(window, WM_COMMAND, IDCANCEL, 0));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindowVisible(window); }));
}

HWND WaitForVisible(const LumeoProcess& lumeo, HWND parent, const std::wstring& skinId)
{
    HWND found = nullptr;
    e2e::WaitUntil([&] { return (found = lumeo.FindChild(parent, skinId)) != nullptr && ::IsWindowVisible(found); });
    return found;
}

// A window of another process with no skin id: the system's message box of a second start.
HWND WaitForUnskinnedWindow(const LumeoProcess& lumeo)
{
    HWND found = nullptr;
    e2e::WaitUntil([&] {
        for (const auto& [window, id] : lumeo.VisibleWindows()) {
            if (id.empty())
                found = window;
        }
        return found != nullptr || !lumeo.Running();
    });
    return found;
}

void TourEveryWindow(const char* code, const std::wstring& language)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    // An incomplete account: the sign-in window comes first.
    ASSERT_TRUE(e2e::ExecSql(copy, "update User set ProxyPort = 0"));
    ASSERT_TRUE(e2e::ExecSql(copy, std::string("update Options set Language = '") + code + "'"));
    // Right after the sign-in the update check finds a newer build; then a peer writes, and
    // asks to see the user's presence.
    const nettest::WinsockScope winsock;
    ASSERT_TRUE(winsock.Started());
    const std::string newer = "8.2, Build 02012015";
    nettest::LoopbackHttpServer updates({"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(newer.size()) +
                                         "\r\nConnection: close\r\n\r\n" + newer});
    ASSERT_TRUE(e2e::WriteFileBytes(copy.Path(L"peer.txt"),
                                    "event 4000 21 remote=\"carol@sip.example\" display=Carol body=\"Hello!\"\n"
                                    "event 4500 30 remote=\"dave@sip.example\" subscribe=7\n"));
    // Message boxes are shown, not written to a file: they are windows to look at too.
    const LumeoProcess lumeo(copy, {{L"LUMEO_TEST_PROMPTS", L""},
                                    {L"LUMEO_ENGINE_SCENARIO", copy.Path(L"peer.txt")},
                                    {L"LUMEO_UPDATE_SERVER", L"127.0.0.1:" + std::to_wstring(updates.Port())}});
    Tour tour(copy, language);

    const HWND login = lumeo.WaitForWindow(L"IDW_LOGINWINDOW");
    tour.Keep(login, L"sign-in", L"IDW_LOGINWINDOW");
    ASSERT_TRUE(e2e::Click(login, IDC_BTN_ADVANCED));
    const HWND advanced = lumeo.WaitForWindow(L"IDW_ADVANCEDWINDOW");
    tour.Keep(advanced, L"sign-in-advanced", L"IDW_ADVANCEDWINDOW");
    Dismiss(advanced);
    TypeAccount(login, account);
    ASSERT_TRUE(e2e::Click(login, IDC_BTN_LOGIN));

    const HWND main = lumeo.WaitForWindow(L"IDW_MAIN");
    ASSERT_NE(nullptr, main);
    ExpectSignedInWith(lumeo, account);
    const HWND update = lumeo.WaitForWindow(L"IDW_UPDATE");
    tour.Keep(update, L"update", L"IDW_UPDATE");
    Dismiss(update);
    const HWND chat = lumeo.WaitForWindow(L"IDW_CHAT");
    tour.Keep(chat, L"chat", L"IDW_CHAT");
    ASSERT_TRUE(e2e::Click(chat, IDC_BTN_CLOSE));
    const HWND request = lumeo.WaitForWindow(L"IDW_ONLINEREQUEST");
    tour.Keep(request, L"presence-request", L"IDW_ONLINEREQUEST");
    ASSERT_TRUE(e2e::Click(request, IDC_BTN_REJECT));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindowVisible(request); }));

    const std::pair<int, const wchar_t*> pages[] = {
        {IDC_RAD_CONTACTS, L"main-contacts"}, {IDC_RAD_CALLPHONES, L"main-call"}, {IDC_RAD_HISTORY, L"main-history"}};
    for (const auto& [tab, name] : pages) {
        ASSERT_TRUE(e2e::Click(main, tab));
        ASSERT_TRUE(e2e::WaitUntil([&, tab = tab] { return e2e::IsChecked(main, tab); }));
        tour.Keep(main, name, L"IDW_MAIN");
    }

    // The contact form, and the message box its empty fields bring.
    ASSERT_TRUE(e2e::Click(main, IDC_BTN_ADDCONTACT));
    const HWND form = lumeo.WaitForWindow(L"IDW_CONTACTDETAILS");
    tour.Keep(form, L"contact-form", L"IDW_CONTACTDETAILS");
    ASSERT_TRUE(e2e::Click(form, IDC_BTN_SAVECONTACT));
    const HWND box = lumeo.WaitForWindow(L"IDW_MESSAGEWINDOW1");
    tour.Keep(box, L"message-box", L"IDW_MESSAGEWINDOW1");
    ASSERT_TRUE(e2e::Click(box, IDC_BTN_OK));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindowVisible(box); }));
    Dismiss(form);

    ASSERT_TRUE(e2e::Click(main, IDC_BTN_WEBCAM));
    const HWND video = lumeo.WaitForWindow(L"IDW_VIDEO");
    tour.Keep(video, L"video", L"IDW_VIDEO");
    ASSERT_TRUE(e2e::Click(video, IDC_BTN_CLOSE));

    ASSERT_TRUE(e2e::Command(main, ID_MAIN_OPTIONS));
    const HWND settings = lumeo.WaitForWindow(L"IDW_SETTING");
    ASSERT_NE(nullptr, settings);
    for (int index = 0; index < kSettingsPages; ++index) {
        ASSERT_TRUE(e2e::SelectTreeEntry(settings, IDC_TREECTRL_CONTROLS, index));
        ASSERT_NE(nullptr, WaitForVisible(lumeo, settings, L"IDW_SETTING_PAGE" + std::to_wstring(index + 1)));
        tour.Keep(settings, L"settings-" + std::to_wstring(index + 1), L"IDW_SETTING");
    }
    Dismiss(settings);

    ASSERT_TRUE(e2e::Command(main, ID_MAIN_ABOUT));
    const HWND about = lumeo.WaitForWindow(L"IDW_ABOUT");
    tour.Keep(about, L"about", L"IDW_ABOUT");
    Dismiss(about);

    {
        // A second start says that Lumeo already runs, in a box of the system's.
        const LumeoProcess second(copy, {{L"LUMEO_TEST_PROMPTS", L""}});
        const HWND running = WaitForUnskinnedWindow(second);
        tour.Keep(running, L"already-running", L"");
        ASSERT_TRUE(::PostMessageW(running, WM_COMMAND, IDOK, 0));
        EXPECT_TRUE(second.WaitForExit());
    }

    tour.WriteContactSheet();
    ExitThroughMenu(lumeo, main);
}

TEST(ProgramScreenshots, English)
{
    TourEveryWindow("SP_ENG", L"English");
}

TEST(ProgramScreenshots, French)
{
    TourEveryWindow("SP_FRE", L"French");
}

TEST(ProgramScreenshots, Italian)
{
    TourEveryWindow("SP_ITA", L"Italian");
}

TEST(ProgramScreenshots, Spanish)
{
    TourEveryWindow("SP_SPA", L"Spanish");
}

TEST(ProgramScreenshots, Portuguese)
{
    TourEveryWindow("SP_POR", L"Portuguese");
}

TEST(ProgramScreenshots, Russian)
{
    TourEveryWindow("SP_RUS", L"Russian");
}

} // namespace

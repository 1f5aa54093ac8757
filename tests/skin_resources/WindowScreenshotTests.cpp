// Shows every window of the shipped skin on the display, each at the size of its background,
// and keeps a picture of it as a PNG file in the build tree (screenshots\ beside bin\) for
// people to look at; also the main window with its call page in its page area and the settings
// dialog with its first page, and one contact sheet of them all (screenshots\contact-sheet.png).
// The pictures are read back from the screen; the test checks that each window shows its own
// background where no control covers it, is not blank, and holds every control inside itself.
#include "core/ProgramResources.h"
#include "skin/model/CtrlProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/factories/ControlKinds.h"
#include "tests/skin_resources/WindowControls.h"
#include "tests/support/ContactSheet.h"
#include "tests/support/PngWriter.h"
#include "tests/support/ProgramFolderScope.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace skin_resources_test;
using lumeo_test::ProgramFolderScope;
using lumeo_test::RgbImage;
using Vexel::g_skinStore;

namespace {

// A skinned window of any id of the shipped skin.
class ShippedWindow : public Vexel::CUIWnd {
public:
    explicit ShippedWindow(int id) : m_id(id) {}
    void SetWindowID() override { m_nWindowID = m_id; }

private:
    int m_id;
};

void PumpPending()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// <build tree>\screenshots\: the test program lives in <build tree>\bin.
std::wstring ScreenshotFolder()
{
    wchar_t module[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring folder(module);
    folder.resize(folder.find_last_of(L'\\'));
    folder.resize(folder.find_last_of(L'\\') + 1);
    folder += L"screenshots";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\";
}

// The screen's pixels under `rect`, as a bitmap the caller owns.
HBITMAP CaptureScreen(const RECT& rect)
{
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP picture = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = ::SelectObject(memory, picture);
    ::BitBlt(memory, 0, 0, w, h, screen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return picture;
}

// The pixels of a screen capture, top-down RGB.
RgbImage PixelsOf(HBITMAP bitmap)
{
    BITMAP size{};
    ::GetObjectW(bitmap, sizeof size, &size);
    RgbImage image(size.bmWidth, size.bmHeight);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), size.bmWidth, -size.bmHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (size.bmWidth * 3 + 3) & ~3;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride) * size.bmHeight);
    const HDC screen = ::GetDC(nullptr);
    const int copied = ::GetDIBits(screen, bitmap, 0, size.bmHeight, rows.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(size.bmHeight, copied);
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* from = rows.data() + static_cast<std::size_t>(y) * stride;
        std::uint8_t* to = image.Row(y);
        for (int x = 0; x < image.width; ++x) {   // BGR to RGB
            to[3 * x] = from[3 * x + 2];
            to[3 * x + 1] = from[3 * x + 1];
            to[3 * x + 2] = from[3 * x];
        }
    }
    return image;
}

bool IsOneColour(const RgbImage& image)
{
    for (std::size_t i = 3; i < image.pixels.size(); ++i) {
        if (image.pixels[i] != image.pixels[i % 3])
            return false;
    }
    return true;
}

// Every picture kept in this run, in order, for the contact sheet.
std::vector<std::pair<std::wstring, RgbImage>>& KeptPictures()
{
    static std::vector<std::pair<std::wstring, RgbImage>> pictures;
    return pictures;
}

// Writes the contact sheet once every test of the program has run, whichever ran.
class ContactSheetWriter : public testing::Environment {
public:
    void TearDown() override
    {
        if (KeptPictures().empty())
            return;
        std::vector<const RgbImage*> pictures;
        for (const auto& [name, picture] : KeptPictures())
            pictures.push_back(&picture);
        EXPECT_TRUE(lumeo_test::WritePngFile(ScreenshotFolder() + L"contact-sheet.png", lumeo_test::ContactSheet(pictures)));
    }
};
// gtest owns the environment from here on.
[[maybe_unused]] testing::Environment* const kContactSheet =
    testing::AddGlobalTestEnvironment(new ContactSheetWriter);

// Fails the test for a child window that does not lie inside the window rectangle `data` names.
BOOL CALLBACK ExpectChildInside(HWND child, LPARAM data)
{
    const RECT& outer = *reinterpret_cast<const RECT*>(data);
    RECT inner{};
    ::GetWindowRect(child, &inner);
    if (inner.left == inner.right || inner.top == inner.bottom)
        return TRUE;   // an empty placeholder shows nothing anywhere
    RECT both{};
    ::IntersectRect(&both, &inner, &outer);
    if (!::EqualRect(&both, &inner)) {
        ADD_FAILURE() << "control " << ::GetDlgCtrlID(child) << " at (" << inner.left - outer.left << ","
                      << inner.top - outer.top << ")-(" << inner.right - outer.left << "," << inner.bottom - outer.top
                      << ") lies outside its window of " << outer.right - outer.left << "x"
                      << outer.bottom - outer.top;
    }
    return TRUE;
}

void ExpectControlsInside(CWnd& window)
{
    RECT outer{};
    window.GetWindowRect(&outer);
    ::EnumChildWindows(window.GetSafeHwnd(), &ExpectChildInside, reinterpret_cast<LPARAM>(&outer));
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    const HDC memory = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    const COLORREF pixel = ::GetPixel(memory, x, y);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    return pixel;
}

// Saves what the screen shows of `window` as screenshots\<name>.png, checks that it is not blank
// and that its controls lie inside it; answers the picture.
HBITMAP KeepPicture(CWnd& window, const std::wstring& name)
{
    window.Invalidate(FALSE);
    window.UpdateWindow();
    ::RedrawWindow(window.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    RECT placed{};
    window.GetWindowRect(&placed);
    const HBITMAP picture = CaptureScreen(placed);
    RgbImage pixels = PixelsOf(picture);
    EXPECT_FALSE(IsOneColour(pixels)) << "blank window " << std::string(name.begin(), name.end());
    ExpectControlsInside(window);
    EXPECT_TRUE(lumeo_test::WritePngFile(ScreenshotFolder() + name + L".png", pixels));
    KeptPictures().emplace_back(name, std::move(pixels));
    return picture;
}

class WindowScreenshots : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        Vexel::RegisterSkinControlKinds();   // every control kind built so far shows
        Vexel::ReleaseSkin();
        WriteProgramResources();
        ASSERT_EQ(0, Vexel::OpenSkin(CString(folder.Path(L"Skins\\Lumeo\\the.xui").c_str()), 1));
    }
    void TearDown() override
    {
        Vexel::ReleaseSkin();
        OleUninitialize();
    }

    ProgramFolderScope folder;
};

TEST_F(WindowScreenshots, EveryWindowShowsAtItsBackgroundsSizeAndIsKeptAsAPicture)
{
    for (const WindowControls& entry : kWindows) {
        const std::wstring name = entry.window;
        SCOPED_TRACE(testing::Message() << "window " << name);
        const Vexel::UIWNDPROPERTIES* record = g_skinStore.FindWindowProperties(entry.window);
        ASSERT_NE(nullptr, record);
        const CString backgroundFile =
            g_skinStore.GetSkinFolder() + record->GetVar(Vexel::CtrlVar::BackgroundNormal).GetString();
        const HBITMAP background =
            static_cast<HBITMAP>(::LoadImageW(nullptr, backgroundFile, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        ASSERT_NE(nullptr, background);
        BITMAP size{};
        ::GetObjectW(background, sizeof size, &size);

        ShippedWindow window(g_skinStore.GetIDByName(entry.window));
        ASSERT_TRUE(window.Create(128, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        // Topmost at the display's top-left corner, where nothing else of the test run lies.
        window.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
        const HBITMAP picture = KeepPicture(window, name);
        RECT placed{};
        window.GetWindowRect(&placed);
        EXPECT_EQ(size.bmWidth, placed.right - placed.left);
        EXPECT_EQ(size.bmHeight, placed.bottom - placed.top);
        // The top-left pixel belongs to the frame or band of the background in every window.
        EXPECT_EQ(PixelOf(background, 0, 0), PixelOf(picture, 0, 0));
        ::DeleteObject(picture);
        ::DeleteObject(background);
        window.DestroyWindow();
        PumpPending();
    }
}

// A host window with one page laid into `area` (host client coordinates), as the main window
// and the settings dialog hold their pages.
struct HostedPage {
    const wchar_t* host;
    const wchar_t* page;
    const wchar_t* picture;
};

TEST_F(WindowScreenshots, TheMainWindowAndTheSettingsDialogShowAPageInTheirPageArea)
{
    const HostedPage kShots[] = {
        {L"IDW_MAIN", L"IDW_CALLPHONES", L"IDW_MAIN with IDW_CALLPHONES"},
        {L"IDW_MAIN", L"IDW_CONTACTS", L"IDW_MAIN with IDW_CONTACTS"},
        {L"IDW_SETTING", L"IDW_SETTING_PAGE1", L"IDW_SETTING with IDW_SETTING_PAGE1"},
    };
    for (const HostedPage& shot : kShots) {
        SCOPED_TRACE(testing::Message() << std::wstring(shot.picture));
        ShippedWindow host(g_skinStore.GetIDByName(shot.host));
        ASSERT_TRUE(host.Create(128, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        host.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
        // The main window's page area is the rectangle of its hidden label IDC_STA_TASKWND; the
        // dialog's is its design client area.
        RECT area{};
        host.GetOrigRect(&area);
        for (const Vexel::CTRLPROPERTIES* control : g_skinStore.FindWindowProperties(shot.host)->Controls()) {
            if (control->GetVar(Vexel::CtrlVar::ID).GetString() == CString(L"IDC_STA_TASKWND"))
                area = control->GetVar(Vexel::CtrlVar::Rect).GetRect();
        }
        ASSERT_LT(area.left, area.right);

        ShippedWindow page(g_skinStore.GetIDByName(shot.page));
        ASSERT_TRUE(page.Create(128, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, &host, 1, 0));
        page.MoveWindow(area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
        ::DeleteObject(KeepPicture(host, shot.picture));

        RECT placed{};
        page.GetWindowRect(&placed);
        host.ScreenToClient(&placed);
        EXPECT_EQ(area.left, placed.left);
        EXPECT_EQ(area.top, placed.top);
        page.DestroyWindow();
        host.DestroyWindow();
        PumpPending();
    }
}

} // namespace

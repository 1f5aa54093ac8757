#include "tests/e2e/driver/WindowChecks.h"

#include "tests/e2e/driver/LumeoProcess.h"
#include "tests/e2e/driver/ProgramCopy.h"

#include <algorithm>

namespace e2e {

namespace {

// The skin library's question to a control about its text (skin/ui/SkinMessages.h).
constexpr UINT kGetTextExtent = 0x4A2;
constexpr WPARAM kTextNeeded = 0;
constexpr WPARAM kTextRoom = 1;

BOOL CALLBACK AddCheckedChild(HWND window, LPARAM context)
{
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

// The children of `window` a user sees: shown, with every window up to it shown.
std::vector<HWND> ShownChildren(HWND window)
{
    std::vector<HWND> all;
    ::EnumChildWindows(window, &AddCheckedChild, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> shown;
    for (const HWND child : all) {
        if (::IsWindowVisible(child))
            shown.push_back(child);
    }
    return shown;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

bool IsButton(HWND window)
{
    return ::lstrcmpiW(ClassOf(window).c_str(), L"Button") == 0;
}

bool IsPushButton(HWND window)
{
    if (!IsButton(window))
        return false;
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    const LONG type = style & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || (style & BS_PUSHLIKE) != 0;
}

std::wstring Name(HWND control)
{
    return L"control " + std::to_wstring(::GetDlgCtrlID(control)) + L" \"" + TextOf(control) + L"\"";
}

bool IsBlack(const std::uint8_t* pixel)
{
    return pixel[0] <= 4 && pixel[1] <= 4 && pixel[2] <= 4;
}

} // namespace

std::vector<std::wstring> UntitledWindowFaults(HWND window)
{
    if (!TextOf(window).empty())
        return {};
    return {L"the window has no title"};
}

std::vector<std::wstring> BlankButtonFaults(HWND window, const std::set<int>& pictureButtons)
{
    std::vector<std::wstring> faults;
    for (const HWND child : ShownChildren(window)) {
        if (IsPushButton(child) && !pictureButtons.count(::GetDlgCtrlID(child)) && TextOf(child).empty())
            faults.push_back(Name(child) + L": a push button without text");
    }
    return faults;
}

std::vector<std::wstring> ClippedTextFaults(HWND window)
{
    std::vector<std::wstring> faults;
    for (const HWND child : ShownChildren(window)) {
        DWORD_PTR needed = 0;
        DWORD_PTR room = 0;
        if (!::SendMessageTimeoutW(child, kGetTextExtent, kTextNeeded, 0, SMTO_BLOCK, kPatience, &needed) ||
            !::SendMessageTimeoutW(child, kGetTextExtent, kTextRoom, 0, SMTO_BLOCK, kPatience, &room) || !needed)
            continue;
        const int margin = IsButton(child) ? 2 * kCaptionMargin : 0;
        const int neededWidth = LOWORD(needed) + margin;
        const int neededHeight = HIWORD(needed);
        if (neededWidth > LOWORD(room) || neededHeight > HIWORD(room)) {
            faults.push_back(Name(child) + L": needs " + std::to_wstring(neededWidth) + L"x" +
                             std::to_wstring(neededHeight) + L", has " + std::to_wstring(LOWORD(room)) + L"x" +
                             std::to_wstring(HIWORD(room)));
        }
    }
    return faults;
}

BlackArea FindBlackArea(const lumeo_test::RgbImage& image)
{
    // Counts of black pixels above and left of each point, so that a square is all black when
    // its count is its area.
    const int w = image.width;
    const int h = image.height;
    std::vector<int> sums(static_cast<std::size_t>(w + 1) * (h + 1), 0);
    const auto at = [&](int x, int y) -> int& { return sums[static_cast<std::size_t>(y) * (w + 1) + x]; };
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = image.Row(y);
        for (int x = 0; x < w; ++x)
            at(x + 1, y + 1) = at(x, y + 1) + at(x + 1, y) - at(x, y) + (IsBlack(row + 3 * x) ? 1 : 0);
    }
    BlackArea found;
    for (int y = 0; y + kBlackSide <= h; ++y) {
        for (int x = 0; x + kBlackSide <= w; ++x) {
            const int count =
                at(x + kBlackSide, y + kBlackSide) - at(x, y + kBlackSide) - at(x + kBlackSide, y) + at(x, y);
            if (count != kBlackSide * kBlackSide)
                continue;
            if (found.squares++ == 0)
                found.corner = POINT{x, y};
        }
    }
    return found;
}

std::vector<std::wstring> BlackAreaFaults(const lumeo_test::RgbImage& picture, const lumeo_test::RgbImage& background)
{
    if (FindBlackArea(background).squares > 0)
        return {};
    const BlackArea area = FindBlackArea(picture);
    if (area.squares == 0)
        return {};
    return {L"a solid black area at (" + std::to_wstring(area.corner.x) + L"," + std::to_wstring(area.corner.y) +
            L"), " + std::to_wstring(area.squares) + L" squares of " + std::to_wstring(kBlackSide) + L" pixels"};
}

lumeo_test::RgbImage SkinBackground(const std::wstring& skinFile, const std::wstring& skinId)
{
    const std::string xml = ReadFileBytes(skinFile);
    const std::string id = "<ID Value=\"" + std::string(skinId.begin(), skinId.end()) + "\"/>";
    // The window's own id is the first element of its <Window>; controls share some ids.
    size_t window = std::string::npos;
    for (size_t at = xml.find(id); at != std::string::npos && window == std::string::npos; at = xml.find(id, at + 1)) {
        const size_t element = xml.rfind('<', at - 1);
        if (element != std::string::npos && xml.compare(element, 8, "<Window>") == 0)
            window = at;
    }
    if (window == std::string::npos)
        return {};
    const std::string key = "<BackgroundNormal RelativePath=\"";
    const size_t start = xml.find(key, window);
    const size_t controls = xml.find("<Controls>", window);
    if (start == std::string::npos || (controls != std::string::npos && start > controls))
        return {};
    const size_t nameStart = start + key.size();
    const std::string name = xml.substr(nameStart, xml.find('"', nameStart) - nameStart);
    const std::wstring folder = skinFile.substr(0, skinFile.find_last_of(L'\\') + 1);
    const std::wstring path = folder + std::wstring(name.begin(), name.end());
    const HBITMAP bitmap = static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap)
        return {};
    BITMAP size{};
    ::GetObjectW(bitmap, sizeof size, &size);
    lumeo_test::RgbImage image(size.bmWidth, size.bmHeight);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), size.bmWidth, -size.bmHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (size.bmWidth * 3 + 3) & ~3;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride) * size.bmHeight);
    const HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.bmHeight), rows.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(bitmap);
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* from = rows.data() + static_cast<std::size_t>(y) * stride;
        std::uint8_t* to = image.Row(y);
        for (int x = 0; x < image.width; ++x) {
            to[3 * x] = from[3 * x + 2];
            to[3 * x + 1] = from[3 * x + 1];
            to[3 * x + 2] = from[3 * x];
        }
    }
    return image;
}

} // namespace e2e

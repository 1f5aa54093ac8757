// A skinned window of 50 controls: one resize pass (WM_SIZE with every child moved) and one
// paint of its nine-grid background, as a live border drag runs them.
#include "bench/BenchHarness.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/factories/ControlFactoryTable.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace Vexel;

namespace {

constexpr int kWindowId = 9100;
constexpr int kControls = 50;
constexpr int kWidth = 400;
constexpr int kHeight = 300;

// A 24-bit BMP of kWidth x kHeight with a gradient, so nothing compresses into one colour.
bool WriteBackground(const std::wstring& path)
{
    const int stride = (kWidth * 3 + 3) & ~3;
    std::vector<BYTE> file(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + static_cast<size_t>(stride) * kHeight);
    auto* const header = reinterpret_cast<BITMAPFILEHEADER*>(file.data());
    header->bfType = 0x4D42;
    header->bfSize = static_cast<DWORD>(file.size());
    header->bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    auto* const info = reinterpret_cast<BITMAPINFOHEADER*>(file.data() + sizeof(BITMAPFILEHEADER));
    info->biSize = sizeof(BITMAPINFOHEADER);
    info->biWidth = kWidth;
    info->biHeight = kHeight;
    info->biPlanes = 1;
    info->biBitCount = 24;
    BYTE* const pixels = file.data() + header->bfOffBits;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            BYTE* const p = pixels + static_cast<size_t>(y) * stride + x * 3;
            p[0] = static_cast<BYTE>(x);
            p[1] = static_cast<BYTE>(y);
            p[2] = static_cast<BYTE>(x + y);
        }
    }
    const HANDLE out = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(out, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
    ::CloseHandle(out);
    return ok && written == file.size();
}

void SetEnum(CTRLPROPERTIES& record, int variable, ValueKind kind, int value)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_INT;
    v.intVal = value;
    record.GetVar(variable).SetValue(v);
    record.GetVar(variable).SetKind(kind);
}

// Plain system buttons stand for the skinned ones: the window's share of the work is what
// is measured.
CreatedControl MakeButton(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds&)
{
    auto button = std::make_unique<CWnd>();
    const RECT rect = record.GetVar(CtrlVar::Rect).GetRect();
    const int id = g_skinStore.GetIDByName(record.GetVar(CtrlVar::ID).GetString());
    if (!button->CreateEx(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rect, &parent,
                          static_cast<UINT>(id)))
        return {};
    CreatedControl made;
    made.window = button.get();
    made.object = std::move(button);
    return made;
}

class BenchWnd : public CUIWnd {
public:
    bool vetoAll = false;   // answer 0 to every WM_VXL_CANLAYOUTCHILD

protected:
    void SetWindowID() override { m_nWindowID = kWindowId; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_VXL_CANLAYOUTCHILD && vetoAll)
            return 0;
        return CUIWnd::WindowProc(message, wParam, lParam);
    }
};

bool BuildSkin(const std::wstring& folder)
{
    if (!WriteBackground(folder + L"bk.bmp"))
        return false;
    g_skinStore.uiFilePath = (folder + L"bench.xui").c_str();
    WindowRecordPtr window(new UIWNDPROPERTIES);
    window->GetVar(CtrlVar::ID).SetString(L"IDW_BENCH");
    window->GetVar(CtrlVar::BackgroundNormal).SetString(L"bk.bmp");
    window->GetVar(UiWndVar::IsLayeredWindow).SetBool(false);
    window->GetVar(UiWndVar::IsResizing).SetBool(true);
    window->GetVar(UiWndVar::ResizingPoint).SetPoint(POINT{kWidth / 2, kHeight / 2});
    g_skinStore.AddID(L"IDW_BENCH", kWindowId);
    // A grid of 10 x 5 buttons with every layout mode in turn.
    for (int i = 0; i < kControls; ++i) {
        auto button = std::make_unique<BTNPROPERTIES>();
        const std::wstring id = L"IDC_BTN_" + std::to_wstring(i);
        button->GetVar(CtrlVar::ID).SetString(id.c_str());
        const int x = 10 + (i % 10) * 38;
        const int y = 10 + (i / 10) * 56;
        button->GetVar(CtrlVar::Rect).SetRect(RECT{x, y, x + 32, y + 24});
        SetEnum(*button, CtrlVar::HorLayoutMode, ValueKind::HorLayoutMode, i % 6);
        SetEnum(*button, CtrlVar::VerLayoutMode, ValueKind::VerLayoutMode, (i / 6) % 6);
        g_skinStore.AddID(id.c_str(), 2000 + i);
        window->Controls().push_back(button.release());
    }
    g_skinStore.windows.push_back(std::move(window));
    return true;
}

} // namespace

int main()
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"lumeo_bench_uiwnd\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    if (!BuildSkin(folder)) {
        std::printf("could not write the background\n");
        return 1;
    }
    const ControlKind previous = ReplaceControlKind({L"PUSHBUTTON", DesignRectFrom::CreatedWindow, &MakeButton, nullptr});

    int status = 0;
    {
        BenchWnd wnd;
        if (!wnd.Create(0, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, 1, 1) ||
            wnd.GetChildControls().size() != kControls) {
            std::printf("could not make the window (error %d)\n", wnd.GetLastCreateError());
            status = 1;
        } else {
            wnd.SetWindowPos(nullptr, 0, 0, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE);
            constexpr long kResizes = 100;
            bench::Measure("resize pass, 50 controls (WM_SIZE)", 7, kResizes, [&] {
                for (long i = 0; i < kResizes; ++i) {
                    const int grow = static_cast<int>(i % 2) * 40;
                    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(600 + grow, 450 + grow));
                }
            });
            // The window's own share: the same pass with every child vetoed, so nothing moves.
            wnd.vetoAll = true;
            bench::Measure("resize pass, every child vetoed (own share)", 7, kResizes, [&] {
                for (long i = 0; i < kResizes; ++i) {
                    const int grow = static_cast<int>(i % 2) * 40;
                    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(600 + grow, 450 + grow));
                }
            });
            wnd.vetoAll = false;
            bench::Measure("window resize, 50 controls (SetWindowPos)", 7, kResizes, [&] {
                for (long i = 0; i < kResizes; ++i) {
                    const int grow = static_cast<int>(i % 2) * 40;
                    wnd.SetWindowPos(nullptr, 0, 0, 600 + grow, 450 + grow,
                                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                }
            });
            wnd.SetWindowPos(nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            constexpr long kPaints = 100;
            bench::Measure("paint of the window, 640 x 480 nine-grid", 7, kPaints, [&] {
                for (long i = 0; i < kPaints; ++i)
                    ::RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            });
        }
    }

    ReplaceControlKind(previous);
    ReleaseSkin();
    ::DeleteFileW((folder + L"bk.bmp").c_str());
    ::RemoveDirectoryW(folder.c_str());
    return status;
}

#include "windows/chat/ChatWindows.h"

#include "core/TextConvert.h"
#include "engine/TavikCore.h"
#include "resources/ProgramIds.h"
#include "windows/chat/ChatWnd.h"
#include "windows/main/MainFrame.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr DWORD kChatStyle = WS_POPUP | WS_VISIBLE | WS_MINIMIZEBOX;

bool IsListed(const CChatWnd* window)
{
    const ChatWindowList& windows = g_pMainFrame->GetChatWindows();
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

// A field of the record read into a zeroed buffer; empty when the accessor refuses.
std::string ReadText(const SIPCallbackCommand& record, bool (SIPCallbackCommand::*read)(char*, size_t) const,
                     size_t size)
{
    std::vector<char> buffer(size, '\0');
    if (!(record.*read)(buffer.data(), buffer.size()))
        return std::string();
    return std::string(buffer.data());
}

} // namespace

CChatWnd* OpenChatWindow(const CString& name, const CString& sipUri)
{
    if (!g_pMainFrame)
        return nullptr;
    if (CChatWnd* const open = g_pMainFrame->FindChatWindow(WideToAnsi(sipUri))) {
        open->UpdateTitle();
        open->ShowWindow(SW_SHOW);
        return open;
    }

    auto made = std::make_unique<CChatWnd>();
    CChatWnd* const window = made.get();
    made->SetContact(name, sipUri);
    g_pMainFrame->AddChatWindow(made.release());   // the list owns it from here
    if (!window->Create(IDI_LUMEO, kChatStyle, nullptr, 1, 1)) {
        // A creation that got as far as a window has deleted the object, which took itself
        // off the list; one that did not is still listed and goes here.
        if (IsListed(window)) {
            g_pMainFrame->ForgetChatWindow(window);
            delete window;
        }
        return nullptr;
    }
    window->SetWindowText(name);
    window->UpdateTitle();
    window->ShowWindow(SW_SHOW);
    return window;
}

void ReceiveInstantMessage(const SIPCallbackCommand& record, const CString* contactName)
{
    const std::string address = ReadText(record, &SIPCallbackCommand::GetRemoteAddress, SIPCallbackCommand::kTextFieldSize);
    const std::string body =
        ReadText(record, &SIPCallbackCommand::GetMessageBodyUtf8, SIPCallbackCommand::kMinBodyBuffer);
    const CString key = AnsiToWide("sip:" + address);

    CString name;
    if (contactName) {
        name = *contactName;
    } else {
        name = AnsiToWide(ReadText(record, &SIPCallbackCommand::GetDisplayName, SIPCallbackCommand::kTextFieldSize));
        if (name.IsEmpty())
            name = key;
    }
    if (CChatWnd* const window = OpenChatWindow(name, key))
        window->OnMessageReceived(address, body);
}

// Lumeo's readers of the engine's event record. The record belongs to the engine; these
// only copy out of it.
#include "engine/TavikCore.h"

#include "core/TextConvert.h"

#include <climits>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool IsContinuation(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0xBF;
}

// Copies `length` bytes, cut to size - 1, and terminates. `size` is at least 1.
void PlainCopy(const char* text, std::size_t length, char* buffer, std::size_t size)
{
    if (length > size - 1)
        length = size - 1;
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

// The text rule for texts that travel as UTF-8: turned into the ANSI code page when it is
// UTF-8, otherwise (or when that conversion is refused) copied as it stands.
void CopyTextRule(const char* text, std::size_t length, char* buffer, std::size_t size)
{
    if (SIPCallbackCommand::IsUtf8(text, length) && SIPCallbackCommand::Utf8ToAnsi(text, length, buffer, size))
        return;
    PlainCopy(text, length, buffer, size);
}

// A fixed field's text: up to its terminator, or the whole field when it has none.
std::size_t FieldLength(const char* field)
{
    return strnlen(field, SIPCallbackCommand::kTextFieldSize);
}

using CopyRule = void (*)(const char* text, std::size_t length, char* buffer, std::size_t size);

// What every fixed-field accessor does: refuse a null or too small buffer, else fill it.
bool ReadField(const char* field, CopyRule copy, char* buffer, std::size_t size)
{
    if (!buffer || size < SIPCallbackCommand::kMinTextBuffer)
        return false;
    copy(field, FieldLength(field), buffer, size);
    return true;
}

} // namespace

bool SIPCallbackCommand::GetRemoteAddress(char* buffer, std::size_t size) const
{
    return ReadField(remoteAddress_, PlainCopy, buffer, size);
}

bool SIPCallbackCommand::GetStatusText(char* buffer, std::size_t size) const
{
    return ReadField(statusText_, PlainCopy, buffer, size);
}

bool SIPCallbackCommand::GetNoteText(char* buffer, std::size_t size) const
{
    return ReadField(noteText_, PlainCopy, buffer, size);
}

bool SIPCallbackCommand::GetDisplayName(char* buffer, std::size_t size) const
{
    return ReadField(displayName_, CopyTextRule, buffer, size);
}

bool SIPCallbackCommand::GetRequestText(char* buffer, std::size_t size) const
{
    return ReadField(requestText_, CopyTextRule, buffer, size);
}

bool SIPCallbackCommand::GetMessageBody(char* buffer, std::size_t size) const
{
    if (!buffer || !messageBody_ || size < kMinBodyBuffer)
        return false;
    CopyTextRule(messageBody_, std::strlen(messageBody_), buffer, size);
    return true;
}

bool SIPCallbackCommand::GetMessageBodyUtf8(char* buffer, std::size_t size) const
{
    if (!buffer || !messageBody_ || size < kMinBodyBuffer)
        return false;
    PlainCopy(messageBody_, std::strlen(messageBody_), buffer, size);
    return true;
}

bool SIPCallbackCommand::IsUtf8(const char* bytes, std::size_t length)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    std::size_t i = 0;
    while (i < length) {
        const unsigned char lead = p[i];
        if (lead < 0x80) {
            ++i;
        } else if (lead < 0xC0) {
            return false;
        } else if (lead < 0xE0) {
            if (i + 1 == length)
                return true;
            if (!IsContinuation(p[i + 1]))
                return false;
            i += 2;
        } else if (lead < 0xF0) {
            if (length - i < 3)
                return true;
            if (!IsContinuation(p[i + 1]) || !IsContinuation(p[i + 2]))
                return false;
            i += 3;
        } else {
            return false;
        }
    }
    return true;
}

bool SIPCallbackCommand::Utf8ToAnsi(const char* text, std::size_t length, char* buffer, std::size_t size)
{
    if (!text || !buffer || size == 0 || length >= INT_MAX || size > INT_MAX)
        return false;
    if (length == 0) {
        std::memset(buffer, 0, size);
        return true;
    }
    const std::string ansi = ::Utf8ToAnsi(std::string_view(text, length));
    // Non-empty UTF-8 never converts to the empty text: empty means refused.
    if (ansi.empty() || ansi.size() + 1 > size)
        return false;
    std::memset(buffer, 0, size);
    std::memcpy(buffer, ansi.data(), ansi.size());
    return true;
}

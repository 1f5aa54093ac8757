#include "engine/Scenario.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>

namespace tavik_sim {

namespace {

// Splits a line into words; a word may be (or end in) a double-quoted text with blanks.
std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (const char c : line) {
        if (c == '#' && !quoted)
            break; // the rest is a comment
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\r')) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

bool ToInt(const std::string& text, int& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0')
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool SetField(EventData& event, const std::string& key, const std::string& value)
{
    int number = 0;
    if (key == "remote")
        event.remoteAddress = value;
    else if (key == "display")
        event.displayName = value;
    else if (key == "status")
        event.statusText = value;
    else if (key == "note")
        event.noteText = value;
    else if (key == "request")
        event.requestText = value;
    else if (key == "body") {
        event.hasBody = true;
        event.body = value;
    } else if (!ToInt(value, number))
        return false;
    else if (key == "session")
        event.sessionId = number;
    else if (key == "code")
        event.statusCode = number;
    else if (key == "early")
        event.earlyMedia = number != 0;
    else if (key == "video")
        event.hasVideo = number != 0;
    else if (key == "subscribe")
        event.subscribeId = number;
    else
        return false;
    return true;
}

bool ParseEvent(const std::vector<std::string>& words, ScenarioEvent& parsed)
{
    if (words.size() < 3 || !ToInt(words[1], parsed.delayMs) || parsed.delayMs < 0 ||
        !ToInt(words[2], parsed.event.type))
        return false;
    for (std::size_t i = 3; i < words.size(); ++i) {
        const std::size_t equals = words[i].find('=');
        if (equals == std::string::npos ||
            !SetField(parsed.event, words[i].substr(0, equals), words[i].substr(equals + 1)))
            return false;
    }
    return true;
}

} // namespace

std::vector<ScenarioEvent> ParseScenario(const std::string& text)
{
    std::vector<ScenarioEvent> scenario;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::vector<std::string> words = Words(line);
        if (words.empty())
            continue;
        ScenarioEvent event{};
        if (words[0] == "event" && ParseEvent(words, event))
            scenario.push_back(std::move(event));
    }
    return scenario;
}

std::vector<ScenarioEvent> LoadScenarioFromEnvironment()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"LUMEO_ENGINE_SCENARIO", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(_wfopen(path, L"rb"), std::fclose);
    if (!file)
        return {};
    std::string text;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;)
        text.append(chunk, n);
    return ParseScenario(text);
}

} // namespace tavik_sim

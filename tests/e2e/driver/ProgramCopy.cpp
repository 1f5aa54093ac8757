#include "tests/e2e/driver/ProgramCopy.h"

#include <shellapi.h>

#include <vector>

namespace e2e {

namespace {

constexpr const wchar_t* kProgramFiles[] = {L"Lumeo.exe", L"TavikCore.dll", L"Ostrel.dll"};
// Folders the build lays beside the program that it reads but does not write itself.
constexpr const wchar_t* kProgramFolders[] = {L"sound", L"Skins", L"Skins\\Lumeo", L"Skins\\Lumeo\\avatars"};
constexpr const wchar_t* kCopiedFolders[] = {L"sound", L"Skins\\Lumeo\\avatars"};

bool CopyFolderFiles(const std::wstring& from, const std::wstring& to)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((from + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return true;   // nothing laid there by this build
    bool copied = true;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            copied = ::CopyFileW((from + found.cFileName).c_str(), (to + found.cFileName).c_str(), FALSE) && copied;
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return copied;
}

void RemoveTree(const std::wstring& folder)
{
    // SHFileOperation wants a list ending in two zeros.
    std::wstring from = folder;
    if (!from.empty() && from.back() == L'\\')
        from.pop_back();
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&operation);
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list)
{
    reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
    return TRUE;
}

} // namespace

std::wstring RunningProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::string ReadFileBytes(const std::wstring& path)
{
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char buffer[16384];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    ::CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                       written == bytes.size();
    ::CloseHandle(file);
    return whole;
}

ProgramCopy::ProgramCopy(const std::wstring& builtFolder)
{
    const std::wstring from = builtFolder.empty() ? RunningProgramFolder() : builtFolder;
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    static LONG s_count = 0;
    for (int attempt = 0; attempt < 100 && m_folder.empty(); ++attempt) {
        const std::wstring candidate = std::wstring(temp) + L"lumeo-e2e-" + std::to_wstring(::GetCurrentProcessId()) +
                                       L"-" + std::to_wstring(::InterlockedIncrement(&s_count)) + L"\\";
        if (::CreateDirectoryW(candidate.c_str(), nullptr))
            m_folder = candidate;
    }
    if (m_folder.empty())
        return;
    m_ready = true;
    for (const wchar_t* file : kProgramFiles)
        m_ready = ::CopyFileW((from + file).c_str(), (m_folder + file).c_str(), FALSE) && m_ready;
    for (const wchar_t* folder : kProgramFolders)
        ::CreateDirectoryW((m_folder + folder).c_str(), nullptr);
    for (const wchar_t* folder : kCopiedFolders)
        m_ready = CopyFolderFiles(from + folder + L"\\", m_folder + folder + L"\\") && m_ready;
}

ProgramCopy::~ProgramCopy()
{
    if (!m_folder.empty())
        RemoveTree(m_folder);
}

bool ProgramCopy::ReplaceResource(LPCWSTR type, UINT id, const std::string& bytes) const
{
    // Every language the resource is stored under.
    std::vector<WORD> languages;
    if (const HMODULE module = ::LoadLibraryExW(Program().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
        ::EnumResourceLanguagesW(module, type, MAKEINTRESOURCEW(id), &CollectLanguage,
                                 reinterpret_cast<LONG_PTR>(&languages));
        ::FreeLibrary(module);
    }
    if (languages.empty() || bytes.empty())
        return false;
    const HANDLE update = ::BeginUpdateResourceW(Program().c_str(), FALSE);
    if (!update)
        return false;
    bool done = true;
    for (const WORD language : languages) {
        done = ::UpdateResourceW(update, type, MAKEINTRESOURCEW(id), language, const_cast<char*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())) &&
               done;
    }
    return ::EndUpdateResourceW(update, !done) && done;
}

} // namespace e2e

#include "config/LanguageFiles.h"

#include "config/LanguageResources.h"
#include "config/UiTextLoader.h"
#include "core/Des.h"
#include "framework/File.h"

#include <windows.h>

#include <vector>

const LanguageFile kLanguageFiles[6] = {
    {L"SP_ENG", IDR_LANGUAGE_SP_ENG}, {L"SP_FRE", IDR_LANGUAGE_SP_FRE}, {L"SP_ITA", IDR_LANGUAGE_SP_ITA},
    {L"SP_RUS", IDR_LANGUAGE_SP_RUS}, {L"SP_SPA", IDR_LANGUAGE_SP_SPA}, {L"SP_POR", IDR_LANGUAGE_SP_POR},
};

namespace {

// Far above any language file the program ships (a few tens of kilobytes).
constexpr ULONGLONG kMaxEncipheredBytes = 1 << 20;

CString PlainPath(const CString& folder, const CString& code)
{
    return folder + code + L".INI";
}

CString EncipheredPath(const CString& folder, const CString& code)
{
    return folder + code + L".txt";
}

bool FileExists(const CString& path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

// Deciphers the chosen language's file; true with the plain file's path once it is there.
bool PreparePlainFile(const CString& folder, const std::string& storedCode, CString& plain)
{
    const CString code = LanguageCodeForFiles(storedCode);
    plain = PlainPath(folder, code);
    return DecipherLanguageFile(EncipheredPath(folder, code), plain) && FileExists(plain);
}

} // namespace

CString LanguageCodeForFiles(const std::string& storedCode)
{
    const CString wanted(storedCode.c_str());
    for (const LanguageFile& file : kLanguageFiles) {
        // Ordinal, ASCII-only comparison: the codes are plain ASCII and no locale should turn
        // another text into one of them.
        if (CompareStringOrdinal(wanted, -1, file.code, -1, TRUE) == CSTR_EQUAL)
            return file.code;
    }
    return kDefaultLanguageCode;
}

bool DecipherLanguageFile(const CString& encipheredPath, const CString& plainPath)
{
    CFile plain;
    if (!plain.Open(plainPath, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite))
        return false;
    CFile enciphered;
    if (!enciphered.Open(encipheredPath, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    const ULONGLONG length = enciphered.GetLength();
    if (length == 0 || length > kMaxEncipheredBytes)
        return false;

    std::vector<unsigned char> bytes(static_cast<size_t>(length));
    if (enciphered.Read(bytes.data(), static_cast<UINT>(bytes.size())) != bytes.size())
        return false;
    const int fullBlocks = static_cast<int>(bytes.size() / kDesBlockSize * kDesBlockSize);
    int written = 0;
    std::vector<unsigned char> text(static_cast<size_t>(fullBlocks));
    Des3EcbDecryptFixedKey(bytes.data(), fullBlocks, text.data(), &written);
    return plain.Write(text.data(), static_cast<UINT>(written)) != FALSE;
}

bool LoadLanguageFile(const CString& folder, const std::string& storedCode, UiTextTable& texts)
{
    CString plain;
    return PreparePlainFile(folder, storedCode, plain) && LoadUiTexts(plain, texts);
}

bool LoadLanguageFile(const CString& folder, const std::string& storedCode)
{
    CString plain;
    return PreparePlainFile(folder, storedCode, plain) && LoadUiTexts(plain);
}

void DeleteLanguageFiles(const CString& folder)
{
    static const wchar_t* const kDeleteOrder[] = {L"SP_ENG", L"SP_ITA", L"SP_RUS", L"SP_SPA", L"SP_FRE", L"SP_POR"};
    for (const wchar_t* code : kDeleteOrder)
        DeleteFileW(PlainPath(folder, code));
    for (const wchar_t* code : kDeleteOrder)
        DeleteFileW(EncipheredPath(folder, code));
}

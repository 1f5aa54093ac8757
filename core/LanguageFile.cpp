#include "core/LanguageFile.h"

#include "core/Des.h"
#include "core/FileHandle.h"
#include "core/OptionsRecord.h"
#include "core/ProgramResources.h"
#include "core/TextConvert.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace {

struct ViewUnmapper {
    void operator()(const void* view) const
    {
        if (view)
            ::UnmapViewOfFile(view);
    }
};
using MappedView = std::unique_ptr<const void, ViewUnmapper>;

bool WriteAll(HANDLE file, const unsigned char* bytes, DWORD size)
{
    DWORD written = 0;
    return ::WriteFile(file, bytes, size, &written, nullptr) && written == size;
}

// Deciphers `source`, whole 8-byte blocks, into `plain`. A file cut short is refused: one that
// ends inside a block, or one shorter than the program's own copy of it (`wholeSize`, when it
// has one), which start-up could not write again.
bool Decipher(HANDLE source, HANDLE plain, DWORD wholeSize)
{
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(source, &size) || size.QuadPart <= 0 || size.QuadPart > 0x7FFFFFF8)
        return false;   // an empty file cannot be mapped; a huge one is no language file
    if (size.QuadPart % kDesBlockSize != 0 || size.QuadPart < wholeSize)
        return false;
    const FileHandle mapping(::CreateFileMappingW(source, nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping)
        return false;
    const MappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
    if (!view)
        return false;
    const int whole = static_cast<int>(size.QuadPart);
    std::vector<unsigned char> text(static_cast<size_t>(whole));
    int produced = 0;
    Des3EcbDecryptFixedKey(static_cast<const unsigned char*>(view.get()), whole, text.data(), &produced);
    const bool written = WriteAll(plain, text.data(), static_cast<DWORD>(produced));
    WipeBytes(text.data(), text.size());
    return written;
}

constexpr const wchar_t* kLanguageCodes[] = {L"SP_ENG", L"SP_FRE", L"SP_ITA", L"SP_RUS", L"SP_SPA", L"SP_POR"};

} // namespace

CString LanguageCodeForFiles(const std::string& storedCode)
{
    const CString stored = AnsiToWide(storedCode);
    for (const wchar_t* code : kLanguageCodes) {
        // Ordinal and ASCII-only: no locale may turn some other text into one of the codes.
        if (::CompareStringOrdinal(stored, -1, code, -1, TRUE) == CSTR_EQUAL)
            return code;
    }
    return kLanguageCodes[0];
}

bool LoadLanguageFile(UiTextLoader loadTexts)
{
    const CString code = LanguageCodeForFiles(g_options.Language);
    const CString folder = LanguageFolder();
    const CString plainPath = folder + code + L".INI";
    const CString cipherPath = folder + code + L".txt";

    {
        const FileHandle plain = OwnCreatedFile(::CreateFileW(plainPath, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!plain)
            return false;
        // Only read: the enciphered file is never changed here.
        const FileHandle cipher = OwnCreatedFile(::CreateFileW(cipherPath, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!cipher || !Decipher(cipher.get(), plain.get(), LanguageResourceSize(code)))
            return false;
    }
    if (::GetFileAttributesW(plainPath) == INVALID_FILE_ATTRIBUTES || !loadTexts)
        return false;
    return loadTexts(plainPath);
}

void DeleteLanguageFiles()
{
    const CString folder = LanguageFolder();
    for (const wchar_t* file : {L"SP_ENG.INI", L"SP_ITA.INI", L"SP_RUS.INI", L"SP_SPA.INI", L"SP_FRE.INI", L"SP_POR.INI",
                                L"SP_ENG.txt", L"SP_ITA.txt", L"SP_RUS.txt", L"SP_SPA.txt", L"SP_FRE.txt", L"SP_POR.txt"})
        ::DeleteFileW(folder + file);
}

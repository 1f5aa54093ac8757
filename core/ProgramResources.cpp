#include "core/ProgramResources.h"

#include "core/DIBSectionLite.h"
#include "core/ProgramFolder.h"
#include "core/SameFileBytes.h"
#include "core/TavikSQL.h"
#include "core/WrittenFiles.h"
#include "framework/File.h"
#include "framework/WinApp.h"
#include "resources/ProgramIds.h"
#include "skin/model/SkinReader.h"

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::array<SkinBitmapFile, 80> kSkinBitmaps = {{
#define LUMEO_SKIN_BITMAP(id, file) {id, L"" file},
#include "resources/SkinBitmapList.inc"
#undef LUMEO_SKIN_BITMAP
}};

struct LanguageResource {
    UINT id;
    const wchar_t* file;
};

// In the order they are written.
constexpr LanguageResource kLanguageResources[] = {
    {IDR_LANGUAGE_ENG, L"SP_ENG.txt"}, {IDR_LANGUAGE_FRE, L"SP_FRE.txt"}, {IDR_LANGUAGE_ITA, L"SP_ITA.txt"},
    {IDR_LANGUAGE_RUS, L"SP_RUS.txt"}, {IDR_LANGUAGE_SPA, L"SP_SPA.txt"}, {IDR_LANGUAGE_POR, L"SP_POR.txt"},
};

constexpr wchar_t kSkinFilesType[] = L"SKINFILES";
constexpr wchar_t kLanguageFileType[] = L"LGFILE";

// Writes a resource byte for byte to `path`, replacing the file unless it already holds
// exactly those bytes; the stamp of what the file holds then goes to `stamp` when given. False
// when the resource is missing or empty, or the file cannot be created or written whole.
bool WriteResourceFile(LPCWSTR type, UINT id, const CString& path, std::string* stamp = nullptr)
{
    const HMODULE module = AfxGetResourceHandle();
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!found)
        return false;
    const DWORD size = ::SizeofResource(module, found);
    const HGLOBAL loaded = ::LoadResource(module, found);
    const void* const bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes || size == 0)
        return false;
    const FileBytesPart whole{bytes, size};
    if (!WriteFileUnlessSame(path, &whole, 1))
        return false;
    if (stamp)
        *stamp = WrittenFilesRecord::WrittenFileStamp(&whole, 1);
    return true;
}

// A bottom-up 24-bit bitmap resource without compression is saved by the DIB object exactly
// as its own pixels after a normalised header; such a resource is written straight from the
// program's image, sparing the decoding and the copy; `written` then says whether the file
// holds it, and `stamp` gets the stamp of what it holds. False, with nothing written, for any
// other kind of bitmap, and for one whose row padding is not zero, which the copy would clear.
bool WritePlainBitmap(UINT id, const CString& path, bool& written, std::string& stamp)
{
    const HMODULE module = AfxGetResourceHandle();
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_BITMAP);
    const HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const auto* const bytes = static_cast<const BYTE*>(loaded ? ::LockResource(loaded) : nullptr);
    const DWORD size = found ? ::SizeofResource(module, found) : 0;
    if (!bytes || size < sizeof(BITMAPINFOHEADER))
        return false;
    BITMAPINFOHEADER source;
    std::memcpy(&source, bytes, sizeof source);
    if (source.biSize != sizeof(BITMAPINFOHEADER) || source.biBitCount != 24 || source.biCompression != BI_RGB ||
        source.biPlanes != 1 || source.biClrUsed != 0 || source.biWidth <= 0 || source.biHeight <= 0)
        return false;
    const DWORD stride = CDIBSectionLite::BytesPerRow(source.biWidth, 24);
    const DWORD rowBytes = static_cast<DWORD>(source.biWidth) * 3;
    const DWORD imageSize = stride * static_cast<DWORD>(source.biHeight);
    if (imageSize / stride != static_cast<DWORD>(source.biHeight) || size - sizeof source < imageSize)
        return false;
    const BYTE* const pixels = bytes + sizeof source;
    for (DWORD row = 0; row < static_cast<DWORD>(source.biHeight) && rowBytes < stride; ++row) {
        for (DWORD i = rowBytes; i < stride; ++i) {
            if (pixels[row * stride + i] != 0)
                return false;
        }
    }

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = source.biWidth;
    header.biHeight = source.biHeight;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = imageSize;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;   // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + imageSize;
    const FileBytesPart parts[] = {{&file, sizeof file}, {&header, sizeof header}, {pixels, imageSize}};
    written = WriteFileUnlessSame(path, parts, std::size(parts));
    if (written)
        stamp = WrittenFilesRecord::WrittenFileStamp(parts, std::size(parts));
    return true;
}

// Every file of the skin folder that comes out of the program, bitmaps first.
std::vector<CString> SkinFileNames()
{
    std::vector<CString> names;
    for (const SkinBitmapFile& bitmap : kSkinBitmaps)
        names.emplace_back(bitmap.file);
    names.emplace_back(L"Resource.h");
    names.emplace_back(L"the.xui");
    return names;
}

void CreateFolder(const CString& path)
{
    ::CreateDirectoryW(path, nullptr);   // an existing folder is fine
}

} // namespace

const std::array<SkinBitmapFile, 80>& SkinBitmapFiles()
{
    return kSkinBitmaps;
}

CString SkinFolder()
{
    return GetProgramFolder() + L"Skins\\Lumeo\\";
}

CString LanguageFolder()
{
    return GetProgramFolder() + L"Language\\Lumeo\\";
}

CString WriteProgramResources()
{
    const CString program = GetProgramFolder();
    for (const wchar_t* folder : {L"Skins", L"Skins\\Lumeo", L"Skins\\Lumeo\\avatars", L"Language", L"Language\\Lumeo"})
        CreateFolder(program + folder);

    const CString skin = SkinFolder();
    CString unwritten;
    // A later start of the same program checks the skin folder against the record of what it
    // wrote (each file's size and digest), not against the resources: the bitmaps, most of the
    // program's image, stay on disk and out of memory.
    const WrittenFilesRecord record(program + L"Skins\\Lumeo.written", skin);
    const std::vector<CString> skinFiles = SkinFileNames();
    if (!record.StillHolds(skinFiles)) {
        record.Forget();   // while the files change, no record may vouch for them
        // What was written is stamped from the bytes in hand; a file without one is read back.
        std::vector<std::string> stamps(skinFiles.size());
        bool everyBitmap = true;
        CDIBSectionLite image;   // one object serves every bitmap not written straight
        for (size_t i = 0; i < kSkinBitmaps.size(); ++i) {
            const SkinBitmapFile& bitmap = kSkinBitmaps[i];
            bool written = false;
            if (!WritePlainBitmap(bitmap.id, skin + bitmap.file, written, stamps[i]))
                written = image.LoadResourceId(bitmap.id) && image.SaveUnlessSame(skin + bitmap.file);
            everyBitmap = everyBitmap && written;
        }

        // The skin's id table first: a skin file written without its ids would not open.
        const size_t idTable = kSkinBitmaps.size();
        if (!WriteResourceFile(kSkinFilesType, IDR_SKIN_RESOURCE_H, skin + L"Resource.h", &stamps[idTable]))
            unwritten = skin + L"Resource.h";
        else if (!WriteResourceFile(kSkinFilesType, IDR_SKIN_XUI, skin + L"the.xui", &stamps[idTable + 1]))
            unwritten = skin + L"the.xui";
        if (everyBitmap && unwritten.IsEmpty())
            record.Save(skinFiles, stamps);
    }
    WriteLanguageResources(LanguageFolder());
    return unwritten;
}

void WriteLanguageResources(const CString& folder)
{
    for (const LanguageResource& language : kLanguageResources) {
        if (!WriteResourceFile(kLanguageFileType, language.id, folder + language.file))
            return;
    }
}

DWORD LanguageResourceSize(const CString& code)
{
    const CString file = code + L".txt";
    for (const LanguageResource& language : kLanguageResources) {
        if (file.CompareNoCase(language.file) != 0)
            continue;
        const HMODULE module = AfxGetResourceHandle();
        const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(language.id), kLanguageFileType);
        return found ? ::SizeofResource(module, found) : 0;
    }
    return 0;
}

bool CreateRecordFolder()
{
    CreateFolder(GetProgramFolder() + L"RecordFiles");
    return true;
}

bool LoadSkin(SkinMenuClassRegistration registerMenuClass)
{
    CString path = GetProgramFolder() + L"Skins";
    CreateFolder(path);
    path += L"\\Lumeo";
    CreateFolder(path);
    path += L"\\the.xui";
    if (Vexel::OpenSkin(path, 1) != 0) {
        g_database.Close();
        return false;
    }
    if (registerMenuClass)
        registerMenuClass();
    return true;
}

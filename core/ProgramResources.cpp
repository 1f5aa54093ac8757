#include "core/ProgramResources.h"

#include "core/DIBSectionLite.h"
#include "core/ProgramFolder.h"
#include "core/SameFileBytes.h"
#include "core/TavikSQL.h"
#include "framework/File.h"
#include "framework/WinApp.h"
#include "resources/ProgramIds.h"
#include "skin/model/SkinReader.h"

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
// exactly those bytes. False when the resource is missing or empty, or the file cannot be
// created or written whole.
bool WriteResourceFile(LPCWSTR type, UINT id, const CString& path)
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
    if (FileHoldsBytes(path, &whole, 1))
        return true;
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite))
        return false;
    return file.Write(bytes, size) != FALSE;
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

void WriteProgramResources()
{
    const CString program = GetProgramFolder();
    for (const wchar_t* folder : {L"Skins", L"Skins\\Lumeo", L"Skins\\Lumeo\\avatars", L"Language", L"Language\\Lumeo"})
        CreateFolder(program + folder);

    const CString skin = SkinFolder();
    CDIBSectionLite image;   // one object serves every bitmap
    for (const SkinBitmapFile& bitmap : kSkinBitmaps) {
        if (image.LoadResourceId(bitmap.id))
            image.SaveUnlessSame(skin + bitmap.file);
    }

    if (!WriteResourceFile(kSkinFilesType, IDR_SKIN_RESOURCE_H, skin + L"Resource.h"))
        return;
    if (!WriteResourceFile(kSkinFilesType, IDR_SKIN_XUI, skin + L"the.xui"))
        return;
    WriteLanguageResources(LanguageFolder());
}

void WriteLanguageResources(const CString& folder)
{
    for (const LanguageResource& language : kLanguageResources) {
        if (!WriteResourceFile(kLanguageFileType, language.id, folder + language.file))
            return;
    }
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

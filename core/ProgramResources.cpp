#include "core/ProgramResources.h"

#include "core/DIBSectionLite.h"
#include "core/ProgramFolder.h"
#include "core/TavikSQL.h"
#include "framework/File.h"
#include "framework/WinApp.h"
#include "resources/ProgramIds.h"
#include "skin/model/SkinReader.h"

namespace {

const std::array<SkinBitmapFile, 80> kSkinBitmaps = {{
    {IDB_CALLLOG1, L"CallLog1.BMP"},
    {IDB_CALLLOG2, L"CallLog2.BMP"},
    {IDB_CALLLOG3, L"CallLog3.BMP"},
    {IDB_CALLLOG4, L"CallLog4.BMP"},
    {IDB_CALLPHONES_C, L"CallPhones_C.bmp"},
    {IDB_CALLPHONES_D, L"CallPhones_D.bmp"},
    {IDB_CALLPHONES_H, L"CallPhones_H.bmp"},
    {IDB_CALLPHONES_N, L"CallPhones_N.bmp"},
    {IDB_CALLPHONES_S, L"CallPhones_S.bmp"},
    {IDB_WEBCAM, L"WebCam.bmp"},
    {IDB_FRIENDS, L"Friends.bmp"},
    {IDB_FRIENDS_C, L"Friends_C.bmp"},
    {IDB_HISTORY, L"History.bmp"},
    {IDB_HISTORY_C, L"History_C.bmp"},
    {IDB_MAIN, L"Main.bmp"},
    {IDB_MAIN_H, L"Main_H.bmp"},
    {IDB_MAIN_N, L"Main_N.bmp"},
    {IDB_MAIN_S, L"Main_S.bmp"},
    {IDB_SCROLLBAR_H, L"ScrollBar_H.bmp"},
    {IDB_SCROLLBAR_N, L"ScrollBar_N.bmp"},
    {IDB_SCROLLBAR_S, L"ScrollBar_S.bmp"},
    {IDB_SCROLLBARTHUMB_D, L"ScrollBarThumb_D.bmp"},
    {IDB_SCROLLBARTHUMB_H, L"ScrollBarThumb_H.bmp"},
    {IDB_SCROLLBARTHUMB_N, L"ScrollBarThumb_N.bmp"},
    {IDB_SCROLLBARTHUMB_S, L"ScrollBarThumb_S.bmp"},
    {IDB_TICK_H, L"Tick_H.bmp"},
    {IDB_TICK_N, L"Tick_N.bmp"},
    {IDB_TICK_S, L"Tick_S.bmp"},
    {IDB_LINE5_CK, L"LINE5_CK.bmp"},
    {IDB_LINE1_CK, L"LINE1_CK.bmp"},
    {IDB_LINE2_CK, L"LINE2_CK.bmp"},
    {IDB_LINE3_CK, L"LINE3_CK.bmp"},
    {IDB_LINE4_CK, L"LINE4_CK.bmp"},
    {IDB_RECORD_CK, L"RECORD_CK.bmp"},
    {IDB_TRANSFER_CK, L"TRANSFER_CK.bmp"},
    {IDB_MICMUTE_CK, L"MICMUTE_CK.bmp"},
    {IDB_SPKMUTE_CK, L"SPKMUTE_CK.bmp"},
    {IDB_CONTACT_CANCEL_BUTTONS, L"CONTACT_CANCEL_BUTTONS.bmp"},
    {IDB_CONTACT_GROUPS, L"CONTACT_GROUPS.bmp"},
    {IDB_CONTACT_IMAGES, L"CONTACT_IMAGES.bmp"},
    {IDB_CONTACT_OK_BUTTONS, L"CONTACT_OK_BUTTONS.bmp"},
    {IDB_NEW_CHAT, L"NEW_CHAT.bmp"},
    {IDB_NEW_CONTACT_DETAILS, L"NEW_CONTACT_DETAILS.bmp"},
    {IDB_NEW_VIDEO_N, L"NEW_VIDEO_N.bmp"},
    {IDB_ONLINE_WINDOW, L"ONLINE_WINDOW.bmp"},
    {IDB_SEND_VIDEO, L"SEND_VIDEO.bmp"},
    {IDB_VIDEO_CLOSED_BUTTONS, L"VIDEO_CLOSED_BUTTONS.bmp"},
    {IDB_VIDEO_MINI_BUTTONS, L"VIDEO_MINI_BUTTONS.bmp"},
    {IDB_AUDIOCODECTASKBK, L"AudioCodecTaskBk.bmp"},
    {IDB_GROUPBOX_BOTTOM, L"GROUPBOX_BOTTOM.bmp"},
    {IDB_GROUPBOX_LEFT, L"GROUPBOX_LEFT.bmp"},
    {IDB_GROUPBOX_RIGHT, L"GROUPBOX_RIGHT.bmp"},
    {IDB_GROUPBOX_TOP, L"GROUPBOX_TOP.bmp"},
    {IDB_NEW_ADVANCED, L"New_Advanced.bmp"},
    {IDB_NEW_CHECKBOX, L"New_Checkbox.bmp"},
    {IDB_NEW_EDIT, L"New_Edit.bmp"},
    {IDB_NEW_EDIT2, L"New_Edit2.bmp"},
    {IDB_NEW_LOGIN, L"New_Login.bmp"},
    {IDB_NEW_MESSAGEBOX1, L"NEW_MESSAGEBOX1.bmp"},
    {IDB_NEW_MESSAGEBOX2, L"NEW_MESSAGEBOX2.bmp"},
    {IDB_PROGRESS, L"Progress.bmp"},
    {IDB_PROGRESSPOS, L"ProgressPos.bmp"},
    {IDB_RADIO_CHECKED_N, L"RADIO_CHECKED_N.bmp"},
    {IDB_RADIO_CHECKED_H, L"RADIO_CHECKED_H.bmp"},
    {IDB_RADIO_CHECKED_S, L"RADIO_CHECKED_S.bmp"},
    {IDB_RADIO_N, L"RADIO_N.bmp"},
    {IDB_MSGBOX, L"MsgBox.bmp"},
    {IDB_RADIO_H, L"RADIO_H.bmp"},
    {IDB_RADIO_S, L"RADIO_S.bmp"},
    {IDB_TASKBK, L"TaskBk.bmp"},
    {IDB_STOPVIDEO_S, L"StopVideo_S.bmp"},
    {IDB_VIDEOCODECTASKBK, L"VideoCodecTaskBk.bmp"},
    {IDB_VOLUME_SLIDER, L"VOLUME_SLIDER.bmp"},
    {IDB_VOLUMETBS, L"VOLUMETBS.bmp"},
    {IDB_LOGIN_BUTTONS, L"LOGIN_BUTTONS.bmp"},
    {IDB_NEW_UPDATEWINDOW, L"NEW_UPDATEWINDOW.bmp"},
    {IDB_SETTING, L"Setting.bmp"},
    {IDB_TREEITEMBK, L"TreeItemBk.bmp"},
    {IDB_MUTE_MIC, L"mute_mic.bmp"},
    {IDB_MUTE_SPK, L"mute_spk.bmp"},
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

// Writes a resource byte for byte to `path`, replacing the file. False when the resource is
// missing or empty, or the file cannot be created or written whole.
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
            image.Save(skin + bitmap.file);
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

#pragma once
// Our stand-in for Outlook's automation object, for tests only: an in-process COM server
// (OutlookStandIn.dll) under Outlook.Application's class id and program id. Through
// IDispatch it offers Application.GetNamespace("MAPI"), NameSpace.GetDefaultFolder(10),
// MAPIFolder.Items, Items.GetFirst/GetNext and, on each item, Class and the contact
// properties Ostrel reads.
//
// The contacts folder is read, each time a folder's Items are asked for, from the UTF-8 file
// named by the environment value kContactsFileVariable (no value or no file: an empty
// folder). One item per line, fields apart by tabs, each field Name=Value:
//   Class=40<TAB>FirstName=Zoë<TAB>Email1Address=zoe@example.org<TAB>Gender=1
//   Class=69<TAB>DLName=Team
// Class 40 is a contact, any other an item that offers only Class and DLName. A contact's
// unset texts read as empty and its unset Gender as 0. "Fail=Name" makes reading property
// Name of that item fail. Lines that are empty or start with '#' are skipped.
#include <windows.h>

#ifdef OUTLOOK_STANDIN_BUILDING
#define OUTLOOK_STANDIN_API __declspec(dllexport)
#else
#define OUTLOOK_STANDIN_API __declspec(dllimport)
#endif

constexpr const wchar_t* kContactsFileVariable = L"LUMEO_OUTLOOK_CONTACTS";

extern "C" {
// Registers the server under HKEY_CLASSES_ROOT at this DLL's file, or removes that
// registration; S_OK or the registry's failure. (Wine's COM looks for classes only there,
// not in the user's own HKCU\Software\Classes.)
OUTLOOK_STANDIN_API HRESULT __cdecl OutlookStandIn_Register();
OUTLOOK_STANDIN_API HRESULT __cdecl OutlookStandIn_Unregister();

// Objects of the object model alive now (application, namespace, folder, items, item).
OUTLOOK_STANDIN_API int __cdecl OutlookStandIn_LiveObjects();
// How often property `name` was read on items since the last reset.
OUTLOOK_STANDIN_API int __cdecl OutlookStandIn_ReadCount(const wchar_t* name);
OUTLOOK_STANDIN_API void __cdecl OutlookStandIn_ResetCounts();
}

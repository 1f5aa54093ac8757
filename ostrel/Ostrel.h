#pragma once
// The interface of Ostrel.dll, which reads the user's Outlook contacts and hands them to the
// program one fixed record at a time. Included by the program, which binds the four
// functions by import (libOstrel.dll.a), and by the library itself.
//
// - Calling convention: __cdecl (the caller pops), C linkage, exported under the plain names;
//   the import library binds them as they are on both i686 and x86_64.
// - The handle is an opaque pointer to the library's reader; null means no reader.
// - Results of the two readers: true = the record holds the next contact; false = no more
//   contacts, or a failure (Outlook refused a call, a property could not be read), after
//   which the record must not be read. No error crosses these functions in any other form.
// - Items that are not contacts (distribution lists) and contacts with no address at all
//   (ContactAddress below gives null) are passed over: the readers go on to the next item.
// - A handle belongs to the thread that called Ostrel_initialize and must not be used after
//   Ostrel_unInitialize.
#include <cstddef>
#include <cstdint>

#ifdef OSTREL_BUILDING_LIBRARY
#define OSTREL_API
#else
#define OSTREL_API __declspec(dllimport)
#endif
#define OSTREL_CALL __cdecl

// One Outlook contact, in the caller's storage (7684 bytes, little-endian). Each text is
// zero-terminated in the ANSI code page, at most 511 bytes of text; every byte no text
// covers is zero. The Extra fields are filled but the program has no use for them.
struct ContactRecord {
    static constexpr std::size_t kTextSize = 512;

    char FirstName[kTextSize];
    char LastName[kTextSize];
    char Extra2[kTextSize];            // the full name
    char NickName[kTextSize];
    char Email[kTextSize];
    char Extra5[kTextSize];            // the web page
    char PreferredAddress[kTextSize];  // the instant-messaging address
    char Extra7[kTextSize];            // the home postal address
    char Extra8[kTextSize];            // the office location
    char Extra9[kTextSize];            // company and full name
    char MobilePhone[kTextSize];
    char HomePhone[kTextSize];
    char Extra12[kTextSize];           // the company's main number
    char Extra13[kTextSize];           // the business fax number
    char WorkPhone[kTextSize];
    std::int32_t AvatarKind;           // Outlook's gender value: 1 selects the second avatar
};

// The contact's address for the program: the first non-empty field among PreferredAddress,
// Email, WorkPhone, MobilePhone and HomePhone, in that order; null when all five are empty.
inline const char* ContactAddress(const ContactRecord& record)
{
    const char* const choices[] = {record.PreferredAddress, record.Email, record.WorkPhone,
                                   record.MobilePhone, record.HomePhone};
    for (const char* text : choices) {
        if (text[0] != '\0')
            return text;
    }
    return nullptr;
}

class Ostrel;

extern "C" {
// A reader connected to Outlook's default contacts folder; null when Outlook is missing,
// refuses automation or has no contacts folder.
OSTREL_API Ostrel* OSTREL_CALL Ostrel_initialize();
// Restarts at the folder's first item and fills `record` with the first contact.
OSTREL_API bool OSTREL_CALL Ostrel_getFirstContact(Ostrel* handle, ContactRecord* record);
// Moves past the contact last read and fills `record` with the next one.
OSTREL_API bool OSTREL_CALL Ostrel_getNextContact(Ostrel* handle, ContactRecord* record);
// Lets go of the reader and everything it holds of Outlook; Outlook itself keeps running.
// A null handle is ignored.
OSTREL_API void OSTREL_CALL Ostrel_unInitialize(Ostrel* handle);
}

// The layout is the contract between the two deliverables; it holds no pointer, so it is
// the same for 32-bit and 64-bit builds. The readers' result is returned as one byte.
static_assert(sizeof(bool) == 1, "the readers return one byte");
static_assert(sizeof(ContactRecord) == 7684, "ContactRecord is 7684 bytes");
static_assert(offsetof(ContactRecord, FirstName) == 0, "FirstName");
static_assert(offsetof(ContactRecord, LastName) == 512, "LastName");
static_assert(offsetof(ContactRecord, Extra2) == 1024, "Extra2");
static_assert(offsetof(ContactRecord, NickName) == 1536, "NickName");
static_assert(offsetof(ContactRecord, Email) == 2048, "Email");
static_assert(offsetof(ContactRecord, Extra5) == 2560, "Extra5");
static_assert(offsetof(ContactRecord, PreferredAddress) == 3072, "PreferredAddress");
static_assert(offsetof(ContactRecord, Extra7) == 3584, "Extra7");
static_assert(offsetof(ContactRecord, Extra8) == 4096, "Extra8");
static_assert(offsetof(ContactRecord, Extra9) == 4608, "Extra9");
static_assert(offsetof(ContactRecord, MobilePhone) == 5120, "MobilePhone");
static_assert(offsetof(ContactRecord, HomePhone) == 5632, "HomePhone");
static_assert(offsetof(ContactRecord, Extra12) == 6144, "Extra12");
static_assert(offsetof(ContactRecord, Extra13) == 6656, "Extra13");
static_assert(offsetof(ContactRecord, WorkPhone) == 7168, "WorkPhone");
static_assert(offsetof(ContactRecord, AvatarKind) == 7680, "AvatarKind");

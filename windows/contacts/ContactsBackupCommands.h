#pragma once
// The contacts tree's "Export contacts" and "Import contacts" commands: the folder or file
// chooser (framework seams), the backup itself (ContactsBackup.h) on the program's database,
// and what the user is told.
#include "windows/contacts/ContactsBackup.h"

class CWnd;

// Asks for a folder (CONTACTTREE_WND 33005) and writes "Lumeo_Back.db" there. A file that
// cannot be made, or rows the backup refused, show CONTACTTREE_WND 33006 in the skinned
// message box (with the count of refused rows); success shows 33007 captioned 33008. Cancel
// does nothing. The outcome, for its callers' tests.
BackupExport RunContactsExport(CWnd* owner);

// Asks for a ".db" file and imports it into the program's database; `sink` hears of each
// contact stored. A file that is no contacts backup shows CONTACTTREE_WND 33010 and stores
// nothing. Cancel does nothing (the outcome then says isBackup false and error empty).
BackupImport RunContactsImport(CWnd* owner, ContactImportSink* sink);

#pragma once
// What start-up wrote out of the program into one folder, recorded so that a later start of
// the same program can tell the files are still as written without paging in the resources
// they came from (the skin bitmaps are most of the program's image): each file's size and a
// digest of its bytes, read through a small buffer, against the record.
//
// The record names the program file it was made by (its size and write time), and each file
// with its size and digest once written. A file the user edits, or a new program file, and
// the record no longer holds: start-up compares with the resources and writes as before.
#include "core/SameFileBytes.h"
#include "framework/String.h"

#include <string>
#include <vector>

class WrittenFilesRecord {
public:
    // `recordPath`: the record's own file; `folder`: where the files are (trailing backslash).
    WrittenFilesRecord(const CString& recordPath, const CString& folder);

    // True when the record was made by the running program file, lists exactly `names` in
    // that order, and every one of them still has the size and bytes it was written with.
    bool StillHolds(const std::vector<CString>& names) const;

    // Records `names` as they are now; false (and no record left) when one of them is missing
    // or the record cannot be written. `written` may hold, for each name, the stamp of the bytes
    // just written to it (WrittenFileStamp): such a file is not read again. An empty stamp, or
    // a name beyond the list, is read from the file.
    bool Save(const std::vector<CString>& names, const std::vector<std::string>& written = {}) const;

    // Removes the record, so the next start compares and writes every file.
    void Forget() const;

    // The stamp a record keeps for a file that holds exactly `parts`, in order.
    static std::string WrittenFileStamp(const FileBytesPart* parts, size_t count);

private:
    CString m_recordPath;
    CString m_folder;
};

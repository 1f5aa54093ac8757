#pragma once
// Helpers shared by the core tests.
#include "tests/support/TempDir.h"

#include <windows.h>

#include <string>

namespace core_test {

// A wide path in a narrow code page.
inline std::string NarrowPath(const std::wstring& path, UINT codePage)
{
    const int n = WideCharToMultiByte(codePage, 0, path.c_str(), static_cast<int>(path.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, path.c_str(), static_cast<int>(path.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// What TavikSQL::Open takes.
inline std::string Utf8Path(const std::wstring& path)
{
    return NarrowPath(path, CP_UTF8);
}

// What the program's folders are kept in.
inline std::string AnsiPath(const std::wstring& path)
{
    return NarrowPath(path, CP_ACP);
}

} // namespace core_test

#include "core/Database.h"
#include "core/TavikSQL.h"

#include <optional>

namespace core_test {

// The first value of the first row, or nothing when the query fails or gives no row.
inline std::optional<std::string> QueryValue(TavikSQL& db, const std::string& sql)
{
    SqlTable table;
    if (!db.GetTable(sql, table) || table.Rows() < 1 || table.Columns() < 1)
        return std::nullopt;
    const char* value = table.Value(0, 0);
    return value ? std::optional<std::string>(value) : std::optional<std::string>("<NULL>");
}

inline int CountRows(TavikSQL& db, const std::string& tableName)
{
    const auto count = QueryValue(db, "select count(*) from " + tableName);
    return count ? std::stoi(*count) : -1;
}

inline bool IsFolder(const std::string& ansiPath)
{
    const DWORD attributes = GetFileAttributesA(ansiPath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A program folder and a local application data folder inside a temporary folder.
class DatabaseFixtureFolders {
public:
    explicit DatabaseFixtureFolders(const std::string& programName = "program")
    {
        folders.program = AnsiPath(dir.Path()) + "\\" + programName;
        folders.localAppData = AnsiPath(dir.Path()) + "\\local";
        CreateDirectoryA(folders.program.c_str(), nullptr);
        CreateDirectoryA(folders.localAppData.c_str(), nullptr);
    }

    std::string DataFile() const { return folders.program + "\\data\\Data.db"; }
    std::string RecordFolder() const { return folders.localAppData + "\\Lumeo\\RecordFiles"; }

    lumeo_test::TempDir dir;
    DatabaseFolders folders;
};

} // namespace core_test

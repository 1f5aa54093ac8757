#include "core/WrittenFiles.h"

#include "core/TextConvert.h"
#include "framework/File.h"
#include "framework/WinApp.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The program file: its size and last write time. Its resources are what the files hold, and
// reading it to check would page in the very resources the record spares.
bool ProgramStamp(const CString& path, std::string& stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path, GetFileExInfoStandard, &data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    char text[64];
    std::snprintf(text, sizeof text, "%lu:%lu %lu:%lu", static_cast<unsigned long>(data.nFileSizeHigh),
                  static_cast<unsigned long>(data.nFileSizeLow), static_cast<unsigned long>(data.ftLastWriteTime.dwHighDateTime),
                  static_cast<unsigned long>(data.ftLastWriteTime.dwLowDateTime));
    stamp = text;
    return true;
}

// A written file's stamp: its size and a digest of its bytes (64-bit FNV-1a), so an edit shows
// whatever it did to the file's times.
class Stamp {
public:
    void Add(const void* data, size_t size)
    {
        const auto* const bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i)
            m_digest = (m_digest ^ bytes[i]) * 1099511628211ull;
        m_size += size;
    }
    unsigned long long Size() const { return m_size; }
    std::string Text() const
    {
        char text[64];
        std::snprintf(text, sizeof text, "%llu %016llx", m_size, m_digest);
        return text;
    }

private:
    unsigned long long m_digest = 14695981039346656037ull;
    unsigned long long m_size = 0;
};

// The stamp of the file at `path`, read through a small buffer.
bool FileStamp(const CString& path, std::string& stamp)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    Stamp made;
    unsigned char buffer[65536];
    for (UINT read; (read = file.Read(buffer, sizeof buffer)) > 0;)
        made.Add(buffer, read);
    if (made.Size() != file.GetLength())
        return false;
    stamp = made.Text();
    return true;
}

// The program file whose resources the files came from.
CString ProgramFile()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(AfxGetResourceHandle(), path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? CString(path) : CString();
}

// The whole record as it would be written now, taking each stamp given in `written` as it is;
// false when a file is missing.
bool MakeRecord(const CString& folder, const std::vector<CString>& names, const std::vector<std::string>& written,
                std::string& record)
{
    std::string stamp;
    const CString program = ProgramFile();
    if (program.IsEmpty() || !ProgramStamp(program, stamp))
        return false;
    record = "program " + stamp + "\n";
    for (size_t i = 0; i < names.size(); ++i) {
        if (i < written.size() && !written[i].empty())
            stamp = written[i];
        else if (!FileStamp(folder + names[i], stamp))
            return false;
        record += stamp + " " + WideToUtf8(names[i]) + "\n";
    }
    return true;
}

} // namespace

WrittenFilesRecord::WrittenFilesRecord(const CString& recordPath, const CString& folder)
    : m_recordPath(recordPath), m_folder(folder)
{
}

bool WrittenFilesRecord::StillHolds(const std::vector<CString>& names) const
{
    CFile file;
    if (!file.Open(m_recordPath, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    const ULONGLONG length = file.GetLength();
    if (length == 0 || length > 1 << 20)
        return false;
    std::string stored(static_cast<size_t>(length), '\0');
    if (file.Read(&stored[0], static_cast<UINT>(stored.size())) != stored.size())
        return false;
    std::string now;
    return MakeRecord(m_folder, names, {}, now) && now == stored;
}

bool WrittenFilesRecord::Save(const std::vector<CString>& names, const std::vector<std::string>& written) const
{
    std::string record;
    if (MakeRecord(m_folder, names, written, record)) {
        CFile file;
        if (file.Open(m_recordPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive) &&
            file.Write(record.data(), static_cast<UINT>(record.size())))
            return true;
    }
    Forget();
    return false;
}

std::string WrittenFilesRecord::WrittenFileStamp(const FileBytesPart* parts, size_t count)
{
    Stamp made;
    for (size_t i = 0; i < count; ++i)
        made.Add(parts[i].data, parts[i].size);
    return made.Text();
}

void WrittenFilesRecord::Forget() const
{
    ::DeleteFileW(m_recordPath);
}

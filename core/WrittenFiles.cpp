#include "core/WrittenFiles.h"

#include "core/TextConvert.h"
#include "framework/File.h"
#include "framework/ModulePath.h"
#include "framework/WinApp.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
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

// A written file's stamp: its size and a digest of its bytes, so an edit shows whatever it did
// to the file's times. A later start digests every skin file, so the digest takes 32 bytes a
// step in four independent lanes (the processor keeps their multiplies in flight) and folds the
// lanes, the last bytes and the size together at the end. Each step is one-to-one in its lane,
// so a change of any one word, or of the last bytes, always changes the digest. The bytes may
// come in pieces of any size: the digest is that of the whole.
class Stamp {
public:
    void Add(const void* data, size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        m_size += size;
        if (m_pending > 0) {
            const size_t take = size < kBlock - m_pending ? size : kBlock - m_pending;
            std::memcpy(m_block + m_pending, bytes, take);
            m_pending += take;
            bytes += take;
            size -= take;
            if (m_pending < kBlock)
                return;
            TakeBlock(m_block);
            m_pending = 0;
        }
        for (; size >= kBlock; bytes += kBlock, size -= kBlock)
            TakeBlock(bytes);
        std::memcpy(m_block, bytes, size);
        m_pending = size;
    }
    unsigned long long Size() const { return m_size; }
    std::string Text() const
    {
        unsigned long long digest = m_size * kOdd;
        for (const unsigned long long lane : m_lanes)
            digest = Mixed(digest ^ lane);
        for (size_t i = 0; i < m_pending; ++i)
            digest = (digest ^ m_block[i]) * kOdd;
        char text[64];
        std::snprintf(text, sizeof text, "%llu %016llx", m_size, Mixed(digest));
        return text;
    }

private:
    static constexpr size_t kBlock = 32;
    static constexpr unsigned long long kOdd = 0x9e3779b97f4a7c15ull;

    static unsigned long long Rotated(unsigned long long value, int bits)
    {
        return (value << bits) | (value >> (64 - bits));
    }
    // One-to-one: an xor-shift and an odd multiply each are.
    static unsigned long long Mixed(unsigned long long value)
    {
        value ^= value >> 31;
        value *= kOdd;
        return value ^ (value >> 29);
    }
    void TakeBlock(const unsigned char* block)
    {
        for (int i = 0; i < 4; ++i) {
            unsigned long long word;
            std::memcpy(&word, block + 8 * i, sizeof word);
            m_lanes[i] = Rotated((m_lanes[i] ^ word) * kOdd, 31);
        }
    }

    unsigned long long m_lanes[4] = {0x243f6a8885a308d3ull, 0x13198a2e03707344ull, 0xa4093822299f31d0ull,
                                     0x082efa98ec4e6c89ull};
    unsigned long long m_size = 0;
    unsigned char m_block[kBlock] = {};
    size_t m_pending = 0;
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
    return ModuleFilePath(AfxGetResourceHandle());
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

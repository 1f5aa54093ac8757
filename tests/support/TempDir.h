#pragma once
#include <cstddef>
#include <cstring>
#include <string>

namespace lumeo_test {

// A fresh, empty folder under the system temporary folder, removed with everything in it
// when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Reads a whole file as bytes; empty when it cannot be opened.
std::string ReadFileBytes(const std::wstring& path);
// The value stored at `offset` of `bytes` (a file's or a resource's), copied out whatever its
// alignment; a zero value when it would run past the end.
template <class T>
T At(const std::string& bytes, size_t offset)
{
    T value{};
    if (offset + sizeof value <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}
// Writes bytes to a file, replacing it; false on failure.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The folder of the running test program, ending with a backslash: where the build lays the
// data files a test reads.
std::wstring ProgramFolder();

} // namespace lumeo_test

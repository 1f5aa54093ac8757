#pragma once
// A copy of the built program (Lumeo.exe, TavikCore.dll, Ostrel.dll, the sounds and avatars
// the build lays beside them) in a fresh temporary folder, removed again with everything the
// program wrote there. Every run of the real program starts from one.
#include <windows.h>

#include <string>

namespace e2e {

class ProgramCopy {
public:
    // Copies from `builtFolder` (with a trailing backslash); by default the folder of the
    // running test program, where the build puts Lumeo.exe.
    explicit ProgramCopy(const std::wstring& builtFolder = {});
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    // False when a file of the program could not be copied.
    bool Ready() const { return m_ready; }
    // The folder, with a trailing backslash, and a path within it.
    const std::wstring& Folder() const { return m_folder; }
    std::wstring Path(const std::wstring& relative) const { return m_folder + relative; }
    std::wstring Program() const { return Path(L"Lumeo.exe"); }
    // data\Data.db, where the program keeps its database.
    std::wstring Database() const { return Path(L"data\\Data.db"); }

    // Replaces resource `type`/`id` of the copied Lumeo.exe with `bytes` (all languages of
    // it). False for empty bytes, or when the program could not be rewritten.
    bool ReplaceResource(LPCWSTR type, UINT id, const std::string& bytes) const;

    // Numbers the runs of the program in this copy: 1, 2, 3 ...
    int NextRun() const { return ++m_runs; }

private:
    mutable int m_runs = 0;
    std::wstring m_folder;
    bool m_ready = false;
};

// Reads or writes a whole file; empty / false on failure.
std::string ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The folder of the running program, with a trailing backslash.
std::wstring RunningProgramFolder();

} // namespace e2e

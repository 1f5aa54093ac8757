#pragma once
// Points GetProgramFolder at a fresh temporary folder for the life of the object, so what
// start-up writes beside the program lands there; puts the real folder back afterwards.
#include "core/ProgramFolder.h"
#include "tests/support/TempDir.h"

#include <string>

namespace lumeo_test {

class ProgramFolderScope {
public:
    ProgramFolderScope()
    {
        s_folder = CString(m_folder.Path().c_str()) + L"\\";
        m_previous = SetProgramFolderSource(&Folder);
    }
    ~ProgramFolderScope() { SetProgramFolderSource(m_previous); }
    ProgramFolderScope(const ProgramFolderScope&) = delete;
    ProgramFolderScope& operator=(const ProgramFolderScope&) = delete;

    // A path below the folder, as text.
    std::wstring Path(const wchar_t* relative) const { return m_folder.Path() + L"\\" + relative; }

private:
    static CString Folder() { return s_folder; }
    static inline CString s_folder;
    lumeo_test::TempDir m_folder;
    ProgramFolderSource m_previous = nullptr;
};

} // namespace lumeo_test

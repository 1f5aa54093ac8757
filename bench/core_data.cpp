// Opening the database at start-up and loading the options: time per call on an existing file.
#include "BenchHarness.h"

#include "core/Database.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

// A scratch folder holding a program folder and a local application data folder, removed
// at the end.
class ScratchFolder {
public:
    ScratchFolder()
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "lumeo-bench-core-data-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder()
    {
        std::string from = path_;
        from.push_back('\0');
        SHFILEOPSTRUCTA op = {};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NO_UI;
        SHFileOperationA(&op);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

} // namespace

int main()
{
    ScratchFolder scratch;
    DatabaseFolders folders;
    folders.program = scratch.Path() + "\\program";
    folders.localAppData = scratch.Path() + "\\local";
    CreateDirectoryA(folders.program.c_str(), nullptr);
    CreateDirectoryA(folders.localAppData.c_str(), nullptr);

    if (!OpenDatabase(g_database, folders)) {
        std::printf("OpenDatabase failed on a fresh folder\n");
        return 1;
    }

    const long opens = 50;
    bench::Measure("OpenDatabase (existing, current file)", 7, opens, [&] {
        for (long i = 0; i < opens; ++i)
            OpenDatabase(g_database, folders);
    });

    const long loads = 500;
    bench::Measure("LoadOptions (one row, 82 columns)", 7, loads, [&] {
        for (long i = 0; i < loads; ++i) {
            bool loaded = false;
            LoadOptions(loaded);
        }
    });

    g_database.Close();
    return 0;
}

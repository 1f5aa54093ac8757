#pragma once
// Reading a loaded DLL's export table, for the tests that pin a DLL's exported names.
#include <windows.h>

#include <string>
#include <vector>

namespace lumeo_test {

// The names in the module's export directory, in the directory's order.
std::vector<std::string> ExportedNames(HMODULE module);

} // namespace lumeo_test

#pragma once
// Reading an image file's import table, for the tests that pin which DLLs a program loads at
// its start and which it leaves to their first use.
#include <string>
#include <vector>

namespace lumeo_test {

// The DLL names of the image file's import directory, in its order; empty when the file
// cannot be read or is not an image of this build's architecture. Delay-loaded DLLs are not
// among them.
std::vector<std::string> ImportedDllNames(const std::wstring& imageFile);

// Whether `names` holds `dll`, letter case aside.
bool HoldsDll(const std::vector<std::string>& names, const std::string& dll);

} // namespace lumeo_test

#pragma once
// The stand-in's contacts folder, as read from the test's data file (OutlookStandIn.h).
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace standin {

struct ItemData {
    long itemClass = 0;
    std::map<std::wstring, std::wstring> values;   // property name -> text, as written
    std::wstring failing;                           // a property whose reading fails
};

using Folder = std::vector<std::shared_ptr<const ItemData>>;

// The items of the file the environment names, in file order; empty when there is none.
Folder ReadContactsFile();

} // namespace standin

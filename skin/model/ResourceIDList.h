#pragma once
// The (symbolic name, number) pairs of a skin's Resource.h, in file or numbering order.
#include "framework/String.h"

#include <vector>

namespace Vexel {

struct ResourceID {
    CString name;
    int id = 0;
};

using ResourceIDList = std::vector<ResourceID>;

} // namespace Vexel

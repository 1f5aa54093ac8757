#pragma once
// The GDI object count of the shared test support, under the names the skin tests use.
#include "tests/support/GdiCount.h"

namespace skin_ui_test {

using lumeo_test::GdiObjectsLeftBy;
using lumeo_test::LiveGdiObjects;

} // namespace skin_ui_test

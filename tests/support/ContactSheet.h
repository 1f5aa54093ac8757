#pragma once
// One picture that shows many: the screenshots a test keeps, side by side in rows.
#include "tests/support/PngWriter.h"

#include <vector>

namespace lumeo_test {

// `pictures` in rows on a grey ground, each row as high as its tallest picture, no row wider
// than a screen (unless one picture is).
RgbImage ContactSheet(const std::vector<const RgbImage*>& pictures);

} // namespace lumeo_test

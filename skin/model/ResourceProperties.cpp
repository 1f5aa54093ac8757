#include "skin/model/ResourceProperties.h"

namespace Vexel {

using namespace records;

namespace {

constexpr int kResourceRecordSize = RecordSizeFor(ResourceVar::Count);

// The font is written, unlike the base record's superseded inline fonts.
constexpr VarRow kFontRows[] = {
    Var(43, L"Font", nullptr, nullptr, Font(), nullptr, L"Font(Size)"),
};

constexpr VarRow kColorRows[] = {
    Var(43, L"Color", nullptr, nullptr, Color(0), nullptr, L"Color"),
};

// Of the base only ID remains.
constexpr VarChange kResourceChanges[] = {
    DisableBackground(false),
    DisableFont(false),
    DisableColor(false),
    Span(3, 10).Off(),
    At(20).Off(),
};

constexpr RecordLayout kFontLayout =
    Layout(&CTRLPROPERTIES::kLayout, kResourceRecordSize, ResourceVar::Count, L"FONT", kFontRows, kResourceChanges);
constexpr RecordLayout kColorLayout =
    Layout(&CTRLPROPERTIES::kLayout, kResourceRecordSize, ResourceVar::Count, L"COLOR", kColorRows, kResourceChanges);
static_assert(IsWellFormed(kFontLayout), "font resource table");
static_assert(IsWellFormed(kColorLayout), "colour resource table");

} // namespace

const RecordLayout RESFONTPROPERTIES::kLayout = kFontLayout;
const RecordLayout RESCOLORPROPERTIES::kLayout = kColorLayout;

RESFONTPROPERTIES::RESFONTPROPERTIES() : CTRLPROPERTIES(kLayout)
{
}

RESFONTPROPERTIES::~RESFONTPROPERTIES() = default;

RESCOLORPROPERTIES::RESCOLORPROPERTIES() : CTRLPROPERTIES(kLayout)
{
}

RESCOLORPROPERTIES::~RESCOLORPROPERTIES() = default;

} // namespace Vexel

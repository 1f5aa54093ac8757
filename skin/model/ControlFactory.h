#pragma once
// Records made by what the skin file calls them: a control record by its element name
// under Controls, a style record by the style group it stands in.
#include "skin/model/CtrlProperties.h"
#include "skin/model/StyleKind.h"

#include <memory>

namespace Vexel {

// A control record with its constructor's defaults for an element name of the skin
// file. "PUSHBUTTON" must match exactly; every other name matches in any letter case.
// Null for a name that names no control. The record's type name is its own, whatever
// the case of the element name.
std::unique_ptr<CTRLPROPERTIES> CreateControlRecord(LPCWSTR elementName);

// A style record of a style kind with its constructor's defaults; null outside the 24.
std::unique_ptr<CTRLPROPERTIES> CreateStyleRecord(StyleKind kind);

// A Record with its constructor's defaults, as the control record a creator table holds
// (these by element name and style kind, the legacy import's by type word).
template <class Record>
std::unique_ptr<CTRLPROPERTIES> NewRecord()
{
    return std::make_unique<Record>();
}

} // namespace Vexel

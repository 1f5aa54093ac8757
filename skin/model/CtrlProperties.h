#pragma once
// CTRLPROPERTIES: the base of every property record. A record is a fixed,
// ordered array of PropertyValue variables addressed by index; a derived kind
// appends its own after all inherited ones, so an inherited variable keeps its
// index in every record. The variables are built from the kind's table
// (RecordLayout.h); readers and writers walk them by index up to GetVarCount.
#include "skin/model/PropertyValue.h"
#include "skin/model/RecordLayout.h"

#include <memory>

namespace Vexel {

// Indices of the base record's variables, by XML element (the legacy key
// where there is no element).
namespace CtrlVar {
enum : int {
    RecordSize = 0,
    Type = 1,
    ID = 2,
    Rect = 3,
    IsVisible = 4,
    IsDisabled = 5,
    IsTabStop = 6,
    IsClipChildren = 7,
    IsClipSiblings = 8,
    HorLayoutMode = 9,
    VerLayoutMode = 10,
    IsCanBackgroundChange = 11,
    IsSpecifyImages = 12,
    IsCombineImages = 13,
    BkCombine = 14,
    BackgroundNormal = 15,
    BackgroundHighlight = 16,
    BackgroundSelected = 17,
    BackgroundDisabled = 18,
    ImageResizeMode = 19,
    ResizingPoint = 20,
    FontN = 21,
    FontH = 22,
    FontS = 23,
    FontD = 24,
    FontResN = 25,
    IsHSameNFont = 26,
    FontResH = 27,
    IsSSameNFont = 28,
    FontResS = 29,
    IsDSameNFont = 30,
    FontResD = 31,
    ColorN = 32,
    ColorH = 33,
    ColorS = 34,
    ColorD = 35,
    ColorResN = 36,
    IsHSameNColor = 37,
    ColorResH = 38,
    IsSSameNColor = 39,
    ColorResS = 40,
    IsDSameNColor = 41,
    ColorResD = 42,
    Count = 43,
};
} // namespace CtrlVar

class CTRLPROPERTIES {
public:
    // The base record: 43 variables, record size 5512, empty type name.
    CTRLPROPERTIES();
    virtual ~CTRLPROPERTIES();

    CTRLPROPERTIES(const CTRLPROPERTIES&) = delete;
    CTRLPROPERTIES& operator=(const CTRLPROPERTIES&) = delete;

    // The number of variables, from the record size in variable 0 (66 for a
    // record whose type name is "UIWND"). A size that does not fit
    // 8 + 128 x n is reported with a message box; the count is never more
    // than the variables the record holds.
    virtual int GetVarCount() const;
    virtual bool IsCustomScrollBarEnabled() const { return false; }
    virtual bool IsFontResource() const { return false; }
    virtual bool IsColorResource() const { return false; }

    // Variable by index; an index outside the record raises DISP_E_BADINDEX.
    PropertyValue& GetVar(int index);
    const PropertyValue& GetVar(int index) const;
    PropertyValue& operator[](int index) { return GetVar(index); }
    const PropertyValue& operator[](int index) const { return GetVar(index); }

    // Switch off a group of inherited variables (isSaved and editorFlag2
    // cleared): all of it, or with `highlightSelectedOnly` only its highlight
    // and selected variables. Each returns 0.
    int DisableBackgroundProperties(bool highlightSelectedOnly);
    int DisableFontProperties(bool highlightSelectedOnly);
    int DisableColorProperties(bool highlightSelectedOnly);

    // Declare a variable as a font-resource or colour-resource id: empty text,
    // kind, XML element and display name set. 0; -1 null variable, -2 null
    // element, -3 null display name (nothing changed). Names must be static texts.
    static int SetupFontResourceVariable(PropertyValue* var, LPCWSTR element, LPCWSTR displayName);
    static int SetupColorResourceVariable(PropertyValue* var, LPCWSTR element, LPCWSTR displayName);

    // The base record's table.
    static const RecordLayout kLayout;

protected:
    // Builds the record of a kind: the whole chain of layouts from the base
    // record down, then variable 0 = the kind's record size and variable 1 =
    // its type name.
    explicit CTRLPROPERTIES(const RecordLayout& layout);

    // Copies every variable of a record of the same kind (value and default
    // by VariantCopy, then kind, flags, names and options).
    void CopyVariablesFrom(const CTRLPROPERTIES& source);

private:
    void ApplyLayout(const RecordLayout& layout);
    void ApplyChange(const VarChange& change);
    void SwitchOffAll(const int* indices, int count);

    std::unique_ptr<PropertyValue[]> m_vars;
    int m_count = 0;
};

// Sets a variable as a table row states it (used by the record constructors).
void ApplyVarRow(PropertyValue& var, const VarRow& row);
// Gives a variable a new initial value, and its default by the same rule.
void ApplyInitialValue(PropertyValue& var, const InitialValue& initial, bool storeDefault);

} // namespace Vexel

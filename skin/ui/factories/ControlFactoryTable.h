#pragma once
// The kinds of child control a skinned window can make from the control records of its
// skin record, keyed by each record's type word ("PUSHBUTTON", "RECT" ...). The window
// compares a record's type word with the words in table order, exactly and case-
// sensitively; the first match makes the control through that kind's factory. A word that
// is not in the table, or whose kind has no factory, makes nothing.
//
// The table (ControlFactoryTable.cpp) fixes the words, their order and where each kind's
// design rectangle comes from. The factories and releases are put into it by one explicit
// call, RegisterSkinControlKinds (ControlKinds.h), which start-up and the tests make before
// the first skinned window is created: a row per kind there, so each control kind adds
// its own line. (Nothing registers itself from a static initialiser: the linker drops the
// files of a static library that nothing refers to.)
//
// Every kind's factory and release live in this folder, skin/ui/factories/, beside this
// table; the controls they make are in skin/ui/controls/ and skin/ui/. UIWnd finds a
// record's kind, and with it the factory, from its type word by FindControlKind alone.
#include "framework/Object.h"
#include "skin/model/CtrlProperties.h"

#include <cstddef>
#include <memory>

#include <windows.h>

class CWnd;

namespace Vexel {

class CUIWnd;
class CRectCtrl;

// The window's four state backgrounds, from which a control cuts the parts that lie
// under it. Any of them may be null; they stay the window's.
struct ParentBackgrounds {
    HBITMAP normal = nullptr;
    HBITMAP highlight = nullptr;
    HBITMAP selected = nullptr;
    HBITMAP disabled = nullptr;
};

// What a factory made. Empty `object`: the control could not be made (its factory has
// already destroyed whatever it had begun).
struct CreatedControl {
    std::unique_ptr<CObject> object;   // the control; the window owns it from here on
    CWnd* window = nullptr;            // the same object as a window (windowed kinds)
    CRectCtrl* placeholder = nullptr;  // the same object as a placeholder (RECT, SPLITTER)
};

// Makes one control as a child of `parent` from its record. A windowed control is made at
// parent.ControlRect(record), its Rect scaled as the window's images are.
using ControlFactory = CreatedControl (*)(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
// Frees the skin bitmaps and GDI objects the window owns in a control of this kind; runs
// once, just before the control's window is destroyed.
using ControlRelease = void (*)(CObject& control);

// Where a child's design rectangle, the base of its layout, comes from.
enum class DesignRectFrom {
    CreatedWindow,   // the control's window rectangle right after creation
    RecordRect,      // the record's Rect (combo boxes, whose window includes the list,
                     // and the windowless placeholders)
};

struct ControlKind {
    LPCWSTR typeWord;
    DesignRectFrom designRect;
    ControlFactory create;     // null until the kind is built: its records are skipped
    ControlRelease release;    // null: the window owns nothing in such a control
};

// The kind of a type word, or null when the word names none (null word included).
const ControlKind* FindControlKind(LPCWSTR typeWord);

// Every kind, in the order words are compared.
const ControlKind* ControlKindsBegin();
const ControlKind* ControlKindsEnd();

// Fills the row of `typeWord` with its factory and release; false (nothing changed) for a
// word outside the table.
bool RegisterControlKind(LPCWSTR typeWord, ControlFactory create, ControlRelease release);

// Puts `kind` in the row of its type word and answers the row as it was, so a caller
// (a test with controls of its own) can put it back. A word outside the table changes
// nothing and answers `kind` itself.
ControlKind ReplaceControlKind(const ControlKind& kind);

} // namespace Vexel

#pragma once
// The skin file's vocabulary for enumerated properties: one fixed word table
// per enumeration kind. A word is always looked up within its own kind
// ("Center" is 4, 3 or 0 depending on the kind).
#include "skin/model/AsciiCase.h"
#include "skin/model/ValueKind.h"

#include <windows.h>

namespace Vexel {

struct EnumWord {
    int value;
    LPCWSTR word;
};

struct EnumWordTable {
    const EnumWord* words;      // in the order of the kind's table
    int wordCount;
    const int* optionOrder;     // the numbers an editor offers, in its order
    int optionCount;
};

// The table of an enumeration kind; null for any other kind.
const EnumWordTable* FindEnumWordTable(ValueKind kind);

// The word of a number within a kind; null when the kind is no enumeration
// or the number has no word.
LPCWSTR EnumNumberToWord(ValueKind kind, int value);

// Looks a word up within a kind, ignoring the case of A to Z. True and the
// number stored in *value when found; false (and *value untouched) otherwise.
bool EnumWordToNumber(ValueKind kind, LPCWSTR word, int* value);

} // namespace Vexel

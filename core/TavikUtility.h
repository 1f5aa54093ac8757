#pragma once
// Small helpers the whole program shares: a case-blind compare, hex codecs, the program folder.
#include <cstddef>
#include <string>
#include <string_view>

class TavikUtility {
public:
    // -1, 0 or 1. Letters a..z compare as A..Z; every other byte as itself, bytes above 127
    // counting as negative (below all ASCII). The first difference decides, then the
    // shorter text is the smaller.
    static int CompareNoCase(std::string_view a, std::string_view b);
    // The text as CompareNoCase sees it, a..z made A..Z: two texts compare equal exactly when
    // their folds are equal, so a fold can key a table.
    static std::string FoldCase(std::string_view text);

    // Decodes hex text two digits at a time (a last single digit alone) into out. *count
    // holds out's capacity on entry; when the text needs more bytes nothing is written and
    // *count is left as it was. Otherwise *count receives the number of pieces; a piece not
    // starting with a hex digit leaves its byte as it was but still counts.
    static void HexToBytes(std::string_view hex, unsigned char* out, size_t* count);

    // Two upper-case hex digits per byte.
    static std::string BytesToHex(const unsigned char* bytes, size_t n);

    // The running program's folder, with a trailing backslash unless noTrailingBackslash.
    // False (and out empty) when the module path cannot be read whole.
    static bool GetAppDirectory(std::string& out, bool noTrailingBackslash);
};

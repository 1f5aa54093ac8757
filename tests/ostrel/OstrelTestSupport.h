#pragma once
// Shared by the Ostrel tests: the stand-in Outlook registered for one test with the contacts
// it serves, a handle that lets go of its reader, and the record's fields by name.
#include "ostrel/Ostrel.h"
#include "tests/support/TempDir.h"

#include <memory>
#include <string>
#include <vector>

namespace ostrel_test {

// Writes `contacts` (UTF-8 lines, OutlookStandIn.h's format) into a file the stand-in reads,
// and registers the stand-in as Outlook until the object goes away.
class StandInOutlook {
public:
    explicit StandInOutlook(const std::string& contacts);
    ~StandInOutlook();
    StandInOutlook(const StandInOutlook&) = delete;
    StandInOutlook& operator=(const StandInOutlook&) = delete;

    bool Registered() const { return registered_; }

private:
    lumeo_test::TempDir folder_;
    bool registered_ = false;
};

struct ReaderRelease {
    void operator()(Ostrel* reader) const { Ostrel_unInitialize(reader); }
};
using Reader = std::unique_ptr<Ostrel, ReaderRelease>;

// Every record the reader gives: the first, then the next ones while the call says true.
std::vector<ContactRecord> ReadAll(Ostrel* reader);

using TextField = char (ContactRecord::*)[ContactRecord::kTextSize];
struct NamedField {
    const char* name;
    TextField field;
};
extern const NamedField kTextFields[15];

// A zeroed record with `texts` copied in (ANSI, shorter than a field) and `avatarKind`.
struct FieldText {
    TextField field;
    const char* text;
};
ContactRecord MakeRecord(std::initializer_list<FieldText> texts, int avatarKind);

// Each field of `actual` against `expected` by name, then every byte of the two records.
void ExpectSameRecord(const ContactRecord& expected, const ContactRecord& actual, const std::string& label);

} // namespace ostrel_test

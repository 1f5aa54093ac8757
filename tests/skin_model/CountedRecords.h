#pragma once
// Records made for the store and lifecycle tests: with an ID, or counting how many of them are
// alive, to see what the skin's owners delete.
#include "skin/model/CtrlProperties.h"

namespace record_test {

// `record` with its ID set to `id`.
template <class Record>
Record* WithId(Record* record, LPCWSTR id)
{
    record->GetVar(Vexel::CtrlVar::ID).SetString(id);
    return record;
}

// The Counted records alive; a test sets it to 0 before it counts.
inline int g_alive = 0;

template <class Base>
struct Counted : Base {
    Counted() { ++g_alive; }
    ~Counted() override { --g_alive; }
};

} // namespace record_test

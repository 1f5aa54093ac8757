// The four exported functions. Nothing thrown inside the library leaves it: every failure
// becomes the function's failure value.
#include "ostrel/Ostrel.h"
#include "ostrel/OstrelReader.h"

#include <memory>

extern "C" {

Ostrel* OSTREL_CALL Ostrel_initialize()
{
    try {
        std::unique_ptr<Ostrel> reader(new Ostrel);
        if (!reader->Connect())
            return nullptr;
        return reader.release();
    } catch (...) {
        return nullptr;
    }
}

bool OSTREL_CALL Ostrel_getFirstContact(Ostrel* handle, ContactRecord* record)
{
    try {
        return handle && record && handle->GetFirst(*record);
    } catch (...) {
        return false;
    }
}

bool OSTREL_CALL Ostrel_getNextContact(Ostrel* handle, ContactRecord* record)
{
    try {
        return handle && record && handle->GetNext(*record);
    } catch (...) {
        return false;
    }
}

void OSTREL_CALL Ostrel_unInitialize(Ostrel* handle)
{
    delete handle;
}

} // extern "C"

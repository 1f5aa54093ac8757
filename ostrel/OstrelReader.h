#pragma once
// Ostrel: the reader behind one handle. It holds Outlook's application object, the default
// contacts folder, its item collection and the item last reached, from Connect until it is
// destroyed; the enumeration position is the collection's own.
#include "framework/ComPtr.h"
#include "ostrel/Ostrel.h"

#include <oaidl.h>

namespace ostrel {

// Keeps COM entered on the calling thread for the reader's lifetime, and leaves it only when
// this object's own entry counted (a thread already in another apartment mode stays as it is).
class ComApartment {
public:
    ComApartment() : m_result(CoInitialize(nullptr)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT m_result;
};

} // namespace ostrel

class Ostrel {
public:
    Ostrel() = default;
    Ostrel(const Ostrel&) = delete;
    Ostrel& operator=(const Ostrel&) = delete;

    // Starts Outlook (or joins the running one) and opens its default contacts folder.
    // False when any step fails; what was reached is released with the reader.
    bool Connect();
    // Fills `record` with the first, or the next, contact that has an address, passing over
    // every other item; false at the end of the folder or on any failure.
    bool GetFirst(ContactRecord& record);
    bool GetNext(ContactRecord& record);

private:
    bool SettleOn(ComPtr<IDispatch> item, ContactRecord& record);
    bool FillRecord(ContactRecord& record) const;

    // Declared first, so COM is left only after every reference below is released; the
    // references go in the order current item, folder, collection, application.
    ostrel::ComApartment m_apartment;
    ComPtr<IDispatch> m_application;
    ComPtr<IDispatch> m_items;
    ComPtr<IDispatch> m_folder;
    ComPtr<IDispatch> m_current;   // null before the first item and after the end
    bool m_connected = false;
};

#pragma once
// COleDataObject: the receiving side of OLE data transfer, a thin holder of an
// IDataObject (the data of a drag that reaches a drop target). DROPEFFECT is the word in
// which the drag-and-drop classes speak of effects (DROPEFFECT_COPY, _MOVE ...).
#include <windows.h>
#include <ole2.h>

using DROPEFFECT = DWORD;

class COleDataObject {
public:
    COleDataObject() = default;
    ~COleDataObject() { Release(); }
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // Holds `dataObject`; with `autoRelease` this holder releases the caller's reference
    // when it lets go, without it the reference stays the caller's. What was held before
    // is let go first.
    void Attach(IDataObject* dataObject, BOOL autoRelease = TRUE);
    // Lets go without releasing; answers what was held.
    IDataObject* Detach();
    // Lets go, releasing the reference when it was ours.
    void Release();
    // The held interface, with a reference added for the caller when `addRef`.
    IDataObject* GetIDataObject(BOOL addRef) const;

    // Whether the data is offered in `format` (as global memory unless `formatEtc` says
    // otherwise). FALSE when nothing is held.
    BOOL IsDataAvailable(CLIPFORMAT format, const FORMATETC* formatEtc = nullptr) const;
    // The data in `format` into `medium`, which the caller then frees with
    // ReleaseStgMedium. FALSE, with `medium` empty, when it is not to be had.
    BOOL GetData(CLIPFORMAT format, STGMEDIUM* medium, const FORMATETC* formatEtc = nullptr) const;
    // The data in `format` as a global memory block of the caller's own (GlobalFree, or a
    // CGlobalMemory); null when it is not offered as global memory.
    HGLOBAL GetGlobalData(CLIPFORMAT format, const FORMATETC* formatEtc = nullptr) const;

private:
    IDataObject* m_dataObject = nullptr;
    bool m_autoRelease = false;
};

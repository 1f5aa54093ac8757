#pragma once
// The giving side of OLE drag and drop. COleDataSource offers blocks of global memory
// under clipboard formats and runs a drag with them (DoDragDrop); COleDropSource decides,
// while the drag runs, when it drops or is cancelled. Both are ordinary C++ objects (a
// data source usually lives on the stack of the code that starts the drag); the COM
// objects that OLE holds are their own, so a target that keeps the data after the drag
// keeps it safely: the offered blocks are freed when the last holder lets go.
#include "framework/CmdTarget.h"
#include "framework/ComPtr.h"
#include "framework/OleDataObject.h"

#include <windows.h>
#include <ole2.h>

class COleDropSource : public CCmdTarget {
    DECLARE_DYNAMIC(COleDropSource)
public:
    COleDropSource();
    ~COleDropSource() override;

    // Asked by the drag loop after each input: DRAGDROP_S_CANCEL on Escape or when the
    // other mouse button comes down, DRAGDROP_S_DROP once the button that started the drag
    // is up, S_OK to go on.
    virtual SCODE QueryContinueDrag(BOOL escapePressed, DWORD keyState);
    // DRAGDROP_S_USEDEFAULTCURSORS: the system's cursors show the effect.
    virtual SCODE GiveFeedback(DROPEFFECT effect);

    // The OLE face of this source (no reference added); null when it could not be made.
    IDropSource* GetDropSource() const;

private:
    friend class COleDataSource;
    DWORD m_dropButton = MK_LBUTTON;     // MK_LBUTTON or MK_RBUTTON: the button dragging
    ComPtr<IDropSource> m_face;
};

class COleDataSource : public CCmdTarget {
    DECLARE_DYNAMIC(COleDataSource)
public:
    COleDataSource();
    ~COleDataSource() override;

    // Offers `block` under `format` (as global memory for the content aspect unless
    // `formatEtc` describes otherwise); an earlier offer of the same format is replaced.
    // The block belongs to the data from here on, also when the source cannot take it
    // (then it is freed at once); receivers get copies.
    void CacheGlobalData(CLIPFORMAT format, HGLOBAL block, const FORMATETC* formatEtc = nullptr);
    // Withdraws every offer.
    void Empty();

    // Runs OLE's drag loop with this data until the drag ends. `allowedEffects` are the
    // effects the source permits; `dropSource` null uses a COleDropSource with the default
    // rules. Answers the effect the target carried out, DROPEFFECT_NONE when the drag was
    // cancelled, nothing accepted it, or OLE refused (not started on this thread).
    DROPEFFECT DoDragDrop(DWORD allowedEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          COleDropSource* dropSource = nullptr);

    // The OLE face of the data (no reference added); null when it could not be made.
    IDataObject* GetDataObject() const { return m_face.Get(); }

private:
    ComPtr<IDataObject> m_face;
};

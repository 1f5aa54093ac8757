#include "framework/OleDataSource.h"

#include "framework/CallbackGuard.h"
#include "framework/ComObject.h"
#include "framework/GlobalMemory.h"

#include <shlobj.h>

#include <vector>

namespace {

// What OLE holds of a COleDropSource. It asks its owner while the owner lives; the owner
// lets go of it (Forget) when it is destroyed.
class DropSourceFace : public ComObject<IDropSource> {
public:
    explicit DropSourceFace(COleDropSource* owner) : m_owner(owner) {}
    void Forget() { m_owner = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override
    {
        try {
            return m_owner ? m_owner->QueryContinueDrag(escapePressed, keyState) : DRAGDROP_S_CANCEL;
        } catch (...) {
            AfxReportCallbackException("drop source");
            return DRAGDROP_S_CANCEL;
        }
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override
    {
        try {
            return m_owner ? m_owner->GiveFeedback(effect) : DRAGDROP_S_USEDEFAULTCURSORS;
        } catch (...) {
            AfxReportCallbackException("drop source");
            return DRAGDROP_S_USEDEFAULTCURSORS;
        }
    }

private:
    COleDropSource* m_owner;
};

// The offered data: one global memory block per format, freed with the last reference.
class DataObjectFace : public ComObject<IDataObject> {
public:
    void Cache(const FORMATETC& format, CGlobalMemory block)
    {
        for (Offer& offer : m_offers) {
            if (offer.format.cfFormat == format.cfFormat) {
                offer.format = format;
                offer.block = std::move(block);
                return;
            }
        }
        m_offers.push_back({format, std::move(block)});
    }
    void Empty() { m_offers.clear(); }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* request, STGMEDIUM* medium) override
    {
        if (!request || !medium)
            return E_POINTER;
        *medium = STGMEDIUM{};
        const Offer* const offer = Find(*request);
        if (!offer)
            return DV_E_FORMATETC;
        // A copy of the receiver's own, so it may keep or free it as it likes.
        CGlobalMemory copy;
        if (!copy.CopyFrom(offer->block.Get()))
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy.Detach();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* request) override
    {
        if (!request)
            return E_POINTER;
        return Find(*request) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        if (!out)
            return E_POINTER;
        out->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> formats;
        formats.reserve(m_offers.size());
        for (const Offer& offer : m_offers)
            formats.push_back(offer.format);
        return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.data(), out);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    struct Offer {
        FORMATETC format;
        CGlobalMemory block;
    };
    const Offer* Find(const FORMATETC& request) const
    {
        for (const Offer& offer : m_offers) {
            if (offer.format.cfFormat == request.cfFormat && (request.tymed & offer.format.tymed) != 0 &&
                request.dwAspect == offer.format.dwAspect)
                return &offer;
        }
        return nullptr;
    }

    std::vector<Offer> m_offers;
};

} // namespace

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

COleDropSource::COleDropSource()
{
    if (ComPtr<DropSourceFace> face = DropSourceFace::Make<DropSourceFace>(this))
        m_face.Attach(face.Detach());
}

COleDropSource::~COleDropSource()
{
    if (m_face)
        static_cast<DropSourceFace*>(m_face.Get())->Forget();
}

SCODE COleDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState)
{
    const DWORD otherButton = m_dropButton == MK_LBUTTON ? MK_RBUTTON : MK_LBUTTON;
    if (escapePressed || (keyState & otherButton) != 0)
        return DRAGDROP_S_CANCEL;
    if ((keyState & m_dropButton) == 0)
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

IDropSource* COleDropSource::GetDropSource() const
{
    return m_face.Get();
}

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

COleDataSource::COleDataSource()
{
    if (ComPtr<DataObjectFace> face = DataObjectFace::Make<DataObjectFace>())
        m_face.Attach(face.Detach());
}

COleDataSource::~COleDataSource() = default;

void COleDataSource::CacheGlobalData(CLIPFORMAT format, HGLOBAL block, const FORMATETC* formatEtc)
{
    CGlobalMemory owned(block);
    if (!m_face || !owned)
        return;
    FORMATETC described = formatEtc ? *formatEtc : FORMATETC{0, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    described.cfFormat = format;
    described.ptd = nullptr;
    described.tymed = TYMED_HGLOBAL;
    static_cast<DataObjectFace*>(m_face.Get())->Cache(described, std::move(owned));
}

void COleDataSource::Empty()
{
    if (m_face)
        static_cast<DataObjectFace*>(m_face.Get())->Empty();
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD allowedEffects, COleDropSource* dropSource)
{
    COleDropSource standard;
    COleDropSource* const source = dropSource ? dropSource : &standard;
    if (!m_face || !source->GetDropSource())
        return DROPEFFECT_NONE;
    // The drag belongs to whichever button is down as it starts; the left one by default.
    const bool right = ::GetKeyState(VK_RBUTTON) < 0 && ::GetKeyState(VK_LBUTTON) >= 0;
    source->m_dropButton = right ? MK_RBUTTON : MK_LBUTTON;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT hr = ::DoDragDrop(m_face.Get(), source->GetDropSource(), allowedEffects, &effect);
    return hr == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

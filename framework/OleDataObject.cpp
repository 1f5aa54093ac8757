#include "framework/OleDataObject.h"

#include "framework/GlobalMemory.h"

#include <utility>

namespace {

// The request for `format`: the caller's description when given, else global memory.
FORMATETC Describe(CLIPFORMAT format, const FORMATETC* formatEtc)
{
    if (formatEtc) {
        FORMATETC described = *formatEtc;
        described.cfFormat = format;
        return described;
    }
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

} // namespace

void COleDataObject::Attach(IDataObject* dataObject, BOOL autoRelease)
{
    Release();
    m_dataObject = dataObject;
    m_autoRelease = autoRelease != FALSE;
}

IDataObject* COleDataObject::Detach()
{
    m_autoRelease = false;
    return std::exchange(m_dataObject, nullptr);
}

void COleDataObject::Release()
{
    IDataObject* const held = std::exchange(m_dataObject, nullptr);
    if (held && m_autoRelease)
        held->Release();
    m_autoRelease = false;
}

IDataObject* COleDataObject::GetIDataObject(BOOL addRef) const
{
    if (m_dataObject && addRef)
        m_dataObject->AddRef();
    return m_dataObject;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT format, const FORMATETC* formatEtc) const
{
    if (!m_dataObject)
        return FALSE;
    FORMATETC request = Describe(format, formatEtc);
    return m_dataObject->QueryGetData(&request) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT format, STGMEDIUM* medium, const FORMATETC* formatEtc) const
{
    if (!medium)
        return FALSE;
    *medium = STGMEDIUM{};
    if (!m_dataObject)
        return FALSE;
    FORMATETC request = Describe(format, formatEtc);
    if (FAILED(m_dataObject->GetData(&request, medium))) {
        *medium = STGMEDIUM{};
        return FALSE;
    }
    return TRUE;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT format, const FORMATETC* formatEtc) const
{
    STGMEDIUM medium;
    if (!GetData(format, &medium, formatEtc))
        return nullptr;
    CGlobalMemory block;
    if (medium.tymed == TYMED_HGLOBAL) {
        // A block the source keeps (it set a releaser) is copied; one without a releaser
        // was handed over and becomes the caller's as it is.
        if (medium.pUnkForRelease)
            block.CopyFrom(medium.hGlobal);
        else
            block.Attach(std::exchange(medium.hGlobal, nullptr));
    }
    ::ReleaseStgMedium(&medium);   // whatever is left: a kept block's releaser, another medium
    return block.Detach();
}

#include "framework/OleDropTarget.h"

#include "framework/CallbackGuard.h"
#include "framework/ComObject.h"
#include "framework/Wnd.h"

#include <utility>

namespace {

DROPEFFECT FilterDropEffect(DROPEFFECT wanted, DROPEFFECT allowed)
{
    const DROPEFFECT scroll = wanted & DROPEFFECT_SCROLL;
    DROPEFFECT effect = wanted & ~DROPEFFECT_SCROLL;
    if ((effect & DROPEFFECT_MOVE) && !(allowed & DROPEFFECT_MOVE))
        effect = (effect & ~DROPEFFECT_MOVE) | DROPEFFECT_COPY;
    return (effect & allowed) | scroll;
}

} // namespace

// What OLE holds of a COleDropTarget: it forwards to its owner while the owner is
// registered, and answers "no effect" after.
class DropTargetFace : public ComObject<IDropTarget> {
public:
    explicit DropTargetFace(COleDropTarget* owner) : m_owner(owner) {}
    void Forget() { m_owner = nullptr; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
    {
        return Guard(effect, [&](COleDropTarget& t, CWnd* wnd) {
            Keep(t, data);
            *effect = FilterDropEffect(ScrollFirst(t, wnd, keyState, point, &COleDropTarget::OnDragEnter), *effect);
        });
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override
    {
        return Guard(effect, [&](COleDropTarget& t, CWnd* wnd) {
            *effect = FilterDropEffect(ScrollFirst(t, wnd, keyState, point, &COleDropTarget::OnDragOver), *effect);
        });
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        DWORD unused = DROPEFFECT_NONE;
        return Guard(&unused, [&](COleDropTarget& t, CWnd* wnd) {
            t.OnDragLeave(wnd);
            Keep(t, nullptr);
        });
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
    {
        const HRESULT hr = Guard(effect, [&](COleDropTarget& t, CWnd* wnd) {
            const CPoint client = ToClient(t, point);
            COleDataObject dataObject;
            dataObject.Attach(data, FALSE);
            const DROPEFFECT allowed = *effect;
            DROPEFFECT chosen = FilterDropEffect(t.OnDragOver(wnd, &dataObject, keyState, client), allowed) &
                                ~DROPEFFECT_SCROLL;
            const DROPEFFECT handled = t.OnDropEx(wnd, &dataObject, chosen, allowed, client);
            if (handled != kDropExNotHandled)
                chosen = handled;
            else if (chosen != DROPEFFECT_NONE && !t.OnDrop(wnd, &dataObject, chosen, client))
                chosen = DROPEFFECT_NONE;
            else if (chosen == DROPEFFECT_NONE)
                t.OnDragLeave(wnd);
            *effect = chosen;
        });
        if (m_owner)
            Keep(*m_owner, nullptr);
        return hr;
    }

private:
    // Runs one call on the owner; no exception goes back into OLE. Once the registration
    // has ended (or the owner is gone) nothing is accepted.
    template <class Body>
    HRESULT Guard(DWORD* effect, Body&& body)
    {
        if (!effect)
            return E_INVALIDARG;
        COleDropTarget* const target = m_owner;
        if (!target || !target->m_hWnd) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        try {
            body(*target, CWnd::FromHandle(target->m_hWnd));
            return S_OK;
        } catch (...) {
            AfxReportCallbackException("drop target");
            *effect = DROPEFFECT_NONE;
            return E_UNEXPECTED;
        }
    }
    // Drag-scroll first; the enter or over overridable only outside a scrolling zone.
    using Overridable = DROPEFFECT (COleDropTarget::*)(CWnd*, COleDataObject*, DWORD, CPoint);
    static DROPEFFECT ScrollFirst(COleDropTarget& t, CWnd* wnd, DWORD keyState, POINTL point, Overridable step)
    {
        const CPoint client = ToClient(t, point);
        const DROPEFFECT scroll = t.OnDragScroll(wnd, keyState, client);
        if (scroll & DROPEFFECT_SCROLL)
            return scroll;
        COleDataObject dataObject;
        dataObject.Attach(t.m_dragData, FALSE);
        return (t.*step)(wnd, &dataObject, keyState, client);
    }
    static void Keep(COleDropTarget& t, IDataObject* data)
    {
        if (data)
            data->AddRef();
        if (IDataObject* const previous = std::exchange(t.m_dragData, data))
            previous->Release();
    }
    static CPoint ToClient(const COleDropTarget& t, POINTL point)
    {
        POINT client{point.x, point.y};
        ::ScreenToClient(t.m_hWnd, &client);
        return CPoint(client.x, client.y);
    }

    COleDropTarget* m_owner;
};

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

COleDropTarget::COleDropTarget()
{
    if (ComPtr<DropTargetFace> face = DropTargetFace::Make<DropTargetFace>(this))
        m_face.Attach(face.Detach());
}

COleDropTarget::~COleDropTarget()
{
    // Not virtual dispatch: a derived Revoke is gone by now.
    COleDropTarget::Revoke();
    if (m_face)
        static_cast<DropTargetFace*>(m_face.Get())->Forget();
}

BOOL COleDropTarget::Register(CWnd* wnd)
{
    if (!wnd || !wnd->m_hWnd || m_hWnd || !m_face || wnd->m_pDropTarget)
        return FALSE;
    if (FAILED(::RegisterDragDrop(wnd->m_hWnd, m_face.Get())))
        return FALSE;
    m_hWnd = wnd->m_hWnd;
    wnd->m_pDropTarget = this;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    const HWND hwnd = std::exchange(m_hWnd, nullptr);
    if (!hwnd)
        return;
    ::RevokeDragDrop(hwnd);
    if (CWnd* const wnd = CWnd::FromHandlePermanent(hwnd); wnd && wnd->m_pDropTarget == this)
        wnd->m_pDropTarget = nullptr;
    if (IDataObject* const data = std::exchange(m_dragData, nullptr))
        data->Release();
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return kDropExNotHandled;
}

void COleDropTarget::OnDragLeave(CWnd*) {}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

#include "framework/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id,
                                              const AFX_MSGMAP_ENTRY* after)
{
    // `after` resumes the search behind an entry that declined the message.
    bool skipping = after != nullptr;
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfnThunk; ++entry) {
            if (skipping) {
                skipping = entry != after;
                continue;
            }
            if (entry->nMessage == message && entry->nCode == code && entry->nID <= id && id <= entry->nLastID)
                return entry;
        }
    }
    return nullptr;
}

bool CCmdTarget::DispatchMsg(UINT message, UINT code, UINT id, AFX_MSGCALL& call)
{
    const AFX_MSGMAP* const map = GetMessageMap();
    for (const AFX_MSGMAP_ENTRY* entry = FindEntry(map, message, code, id); entry;
         entry = FindEntry(map, message, code, id, entry)) {
        // The thunk may destroy this object (a command that closes its window): nothing
        // here touches `this` once a handler has accepted the message.
        if (entry->pfnThunk(this, call))
            return true;
    }
    return false;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    const UINT packed = static_cast<UINT>(nCode);
    const bool notify = HIWORD(packed) == WM_NOTIFY;
    const UINT message = notify ? WM_NOTIFY : WM_COMMAND;
    // Notification codes are negative ints and travel in the low word only: widen them back.
    const UINT code = notify ? static_cast<UINT>(static_cast<int>(static_cast<short>(LOWORD(packed)))) : packed;

    if (pHandlerInfo) {
        const AFX_MSGMAP_ENTRY* const entry = FindEntry(GetMessageMap(), message, code, nID);
        if (!entry)
            return FALSE;
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = entry;
        return TRUE;
    }

    if (notify) {
        AFX_NOTIFY* const info = static_cast<AFX_NOTIFY*>(pExtra);
        if (!info || !info->pNMHDR)
            return FALSE;
        AFX_MSGCALL call{WM_NOTIFY, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(info->pNMHDR), 0};
        LRESULT* const resultOut = info->pResult;
        if (!DispatchMsg(message, code, nID, call))
            return FALSE;
        if (resultOut)
            *resultOut = call.result;
        return TRUE;
    }

    AFX_MSGCALL call{WM_COMMAND, MAKEWPARAM(nID, code), 0, 0};
    return DispatchMsg(message, code, nID, call) ? TRUE : FALSE;
}

bool CCmdTarget::HasCommandHandler(UINT nID)
{
    AFX_CMDHANDLERINFO info{};
    return OnCmdMsg(nID, CN_COMMAND, nullptr, &info) != FALSE;
}

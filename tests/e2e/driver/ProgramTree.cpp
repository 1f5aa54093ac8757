#include "tests/e2e/driver/ProgramTree.h"

namespace e2e {

namespace {

// The drag and drop loop ends at once (no button is really held); this only bounds a hang.
constexpr UINT kDragPatience = 20000;

// Memory in the program's process for one message's structure, released when done.
class RemoteBlock {
public:
    RemoteBlock(HANDLE process, size_t size)
        : m_process(process),
          m_address(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
    {
    }
    ~RemoteBlock()
    {
        if (m_address)
            ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool Ready() const { return m_address != nullptr; }
    char* Address() const { return static_cast<char*>(m_address); }
    bool Write(size_t offset, const void* bytes, size_t size) const
    {
        SIZE_T written = 0;
        return ::WriteProcessMemory(m_process, Address() + offset, bytes, size, &written) && written == size;
    }
    bool Read(size_t offset, void* bytes, size_t size) const
    {
        SIZE_T read = 0;
        return ::ReadProcessMemory(m_process, Address() + offset, bytes, size, &read) && read == size;
    }

private:
    HANDLE m_process;
    void* m_address;
};

HTREEITEM Next(HWND tree, UINT how, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}

std::vector<HTREEITEM> Siblings(HWND tree, HTREEITEM first)
{
    std::vector<HTREEITEM> items;
    for (HTREEITEM item = first; item; item = Next(tree, TVGN_NEXT, item))
        items.push_back(item);
    return items;
}

} // namespace

std::vector<HTREEITEM> ProgramTree::Roots() const
{
    return Siblings(m_tree, Next(m_tree, TVGN_ROOT, nullptr));
}

std::vector<HTREEITEM> ProgramTree::Children(HTREEITEM item) const
{
    return item ? Siblings(m_tree, Next(m_tree, TVGN_CHILD, item)) : std::vector<HTREEITEM>{};
}

HTREEITEM ProgramTree::Root(const std::wstring& text) const
{
    for (const HTREEITEM root : Roots()) {
        if (Text(root) == text)
            return root;
    }
    return nullptr;
}

HTREEITEM ProgramTree::Parent(HTREEITEM item) const
{
    return Next(m_tree, TVGN_PARENT, item);
}

std::wstring ProgramTree::Text(HTREEITEM item) const
{
    constexpr size_t kChars = 260;
    const RemoteBlock block(m_process, sizeof(TVITEMW) + kChars * sizeof(wchar_t));
    if (!item || !block.Ready())
        return {};
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = reinterpret_cast<LPWSTR>(block.Address() + sizeof(TVITEMW));
    query.cchTextMax = static_cast<int>(kChars);
    const wchar_t nothing = L'\0';
    if (!block.Write(0, &query, sizeof query) || !block.Write(sizeof(TVITEMW), &nothing, sizeof nothing) ||
        !::SendMessageW(m_tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block.Address())))
        return {};
    // The control may answer with a pointer of its own instead of filling ours.
    TVITEMW answer{};
    if (!block.Read(0, &answer, sizeof answer) || !answer.pszText)
        return {};
    wchar_t text[kChars] = {};
    SIZE_T read = 0;
    if (!::ReadProcessMemory(m_process, answer.pszText, text, sizeof text - sizeof(wchar_t), &read))
        return {};
    return text;
}

RECT ProgramTree::Row(HTREEITEM item) const
{
    RECT row{};
    const RemoteBlock block(m_process, sizeof row);
    // In: the item's handle in the rectangle's first bytes; out: the rectangle.
    if (!item || !block.Ready() || !block.Write(0, &item, sizeof item) ||
        !::SendMessageW(m_tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(block.Address())) ||
        !block.Read(0, &row, sizeof row))
        return RECT{};
    return row;
}

bool ProgramTree::Select(HTREEITEM item) const
{
    return item && ::SendMessageW(m_tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

HWND ProgramTree::LabelEditor() const
{
    return reinterpret_cast<HWND>(::SendMessageW(m_tree, TVM_GETEDITCONTROL, 0, 0));
}

bool ProgramTree::Drag(HTREEITEM item, HTREEITEM onto) const
{
    const RECT from = Row(item);
    const RECT to = Row(onto);
    if (::IsRectEmpty(&from) || ::IsRectEmpty(&to))
        return false;
    POINT target{(to.left + to.right) / 2, (to.top + to.bottom) / 2};
    ::ClientToScreen(m_tree, &target);
    if (!::SetCursorPos(target.x, target.y) || ::WindowFromPoint(target) != m_tree)
        return false;
    // What the tree view tells its parent when the button goes down on an entry and the pointer
    // moves off it; the parent hands it back to the tree, which starts the drag.
    NMTREEVIEWW begin{};
    begin.hdr.hwndFrom = m_tree;
    begin.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_tree));
    begin.hdr.code = static_cast<UINT>(TVN_BEGINDRAGW);
    begin.itemNew.mask = TVIF_HANDLE;
    begin.itemNew.hItem = item;
    begin.ptDrag = POINT{(from.left + from.right) / 2, (from.top + from.bottom) / 2};
    const RemoteBlock block(m_process, sizeof begin);
    DWORD_PTR result = 0;
    return block.Ready() && block.Write(0, &begin, sizeof begin) &&
           ::SendMessageTimeoutW(::GetParent(m_tree), WM_NOTIFY, begin.hdr.idFrom,
                                 reinterpret_cast<LPARAM>(block.Address()), SMTO_NORMAL, kDragPatience, &result);
}

bool PressKey(HWND window, UINT key)
{
    const UINT scan = ::MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    return window && ::PostMessageW(window, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16))) &&
           ::PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

} // namespace e2e

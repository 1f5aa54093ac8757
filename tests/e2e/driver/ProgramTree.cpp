#include "tests/e2e/driver/ProgramTree.h"

namespace e2e {

namespace {

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

RECT ProgramTree::ItemRect(HTREEITEM item, bool labelOnly) const
{
    RECT rect{};
    const RemoteBlock block(m_process, sizeof rect);
    // In: the item's handle in the rectangle's first bytes; out: the rectangle.
    if (!item || !block.Ready() || !block.Write(0, &item, sizeof item) ||
        !::SendMessageW(m_tree, TVM_GETITEMRECT, labelOnly ? TRUE : FALSE, reinterpret_cast<LPARAM>(block.Address())) ||
        !block.Read(0, &rect, sizeof rect))
        return RECT{};
    return rect;
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
    const RECT to = Row(onto);
    if (::IsRectEmpty(&to))
        return false;
    POINT target{(to.left + to.right) / 2, (to.top + to.bottom) / 2};
    const POINT over = target;
    ::ClientToScreen(m_tree, &target);
    if (!::SetCursorPos(target.x, target.y) || ::WindowFromPoint(target) != m_tree)
        return false;
    // The press lands on the entry's label: elsewhere on its row the tree view takes it for a
    // click, not the start of a drag. A contact's label is empty, so this is its first pixel.
    const RECT label = LabelOf(item);
    if (label.bottom <= label.top)
        return false;
    const POINT press{label.left + 1, (label.top + label.bottom) / 2};
    return ::PostMessageW(m_tree, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y)) &&
           ::PostMessageW(m_tree, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(over.x, over.y));
}

bool PressKey(HWND window, UINT key)
{
    const UINT scan = ::MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    return window && ::PostMessageW(window, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16))) &&
           ::PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

} // namespace e2e

#pragma once
// Owning holder of a global memory block (the currency of clipboard and drag-and-drop
// data), and a scope that keeps one locked.
#include <windows.h>

#include <cstddef>
#include <utility>

class CGlobalMemory {
public:
    CGlobalMemory() = default;
    explicit CGlobalMemory(HGLOBAL block) : m_block(block) {}
    ~CGlobalMemory() { Free(); }
    CGlobalMemory(CGlobalMemory&& other) noexcept : m_block(std::exchange(other.m_block, nullptr)) {}
    CGlobalMemory& operator=(CGlobalMemory&& other) noexcept
    {
        if (this != &other)
            Attach(std::exchange(other.m_block, nullptr));
        return *this;
    }
    CGlobalMemory(const CGlobalMemory&) = delete;
    CGlobalMemory& operator=(const CGlobalMemory&) = delete;

    // A new movable, zero-filled, shareable block holding `bytes` bytes copied from `data`
    // (none copied when `data` is null); FALSE, holding nothing, when it cannot be had.
    bool Allocate(SIZE_T bytes, const void* data = nullptr);
    // A copy of `block`'s bytes in a block of this holder's own.
    bool CopyFrom(HGLOBAL block);

    HGLOBAL Get() const { return m_block; }
    explicit operator bool() const { return m_block != nullptr; }
    // Takes over `block`; the block held before is freed.
    void Attach(HGLOBAL block)
    {
        Free();
        m_block = block;
    }
    HGLOBAL Detach() { return std::exchange(m_block, nullptr); }
    void Free()
    {
        if (HGLOBAL block = std::exchange(m_block, nullptr))
            ::GlobalFree(block);
    }

private:
    HGLOBAL m_block = nullptr;
};

// Locks a block for the life of the scope; Data() is null when the block is null or
// cannot be locked.
class CGlobalLock {
public:
    explicit CGlobalLock(HGLOBAL block) : m_block(block), m_data(block ? ::GlobalLock(block) : nullptr) {}
    ~CGlobalLock()
    {
        if (m_data)
            ::GlobalUnlock(m_block);
    }
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;

    void* Data() const { return m_data; }
    SIZE_T Size() const { return m_data ? ::GlobalSize(m_block) : 0; }

private:
    HGLOBAL m_block;
    void* m_data;
};

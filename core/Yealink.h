#pragma once
// Holder for a USB handset, embedded in the main window. It is built and destroyed with the
// window and has no behaviour of its own yet: no handset is driven.
#include "core/ThreadMutex.h"
#include "framework/String.h"

#include <cstdint>

class Yealink {
public:
    Yealink() = default;
    virtual ~Yealink() = default;
    Yealink(const Yealink&) = delete;
    Yealink& operator=(const Yealink&) = delete;

private:
    ThreadMutex lock_;
    std::uint32_t deviceState_[2] = {0, 0};
    CString deviceText_[2];
};

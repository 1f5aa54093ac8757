#pragma once
// ScopedVariant: a VARIANT that clears itself, so whatever it holds (a BSTR, an interface
// reference) is freed exactly once on every path.
#include <windows.h>
#include <oleauto.h>

struct ScopedVariant {
    VARIANT v;
    ScopedVariant() noexcept { VariantInit(&v); }
    ~ScopedVariant() { VariantClear(&v); }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;
};

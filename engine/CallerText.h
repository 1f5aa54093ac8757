#pragma once
// Texts the engine takes from its callers and events, where NULL stands for no text.

namespace tavik_sim {

// The text, or "" for NULL.
inline const char* OrEmpty(const char* text)
{
    return text ? text : "";
}

} // namespace tavik_sim

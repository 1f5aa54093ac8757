#pragma once
// Byte mutations for the bounded fuzz tests: from a seed file, each call makes one damaged copy
// (bytes flipped, inserted, removed, repeated, cut, or a token the reader cares about spliced
// in). The same seed number always gives the same sequence, so a failure names the case that
// shows it again.
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace lumeo_test {

// `count` bytes of noise, the same for the same seed.
inline std::string RandomBytes(std::uint32_t seed, std::size_t count)
{
    std::mt19937 random(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

class Mutations {
public:
    // `tokens`: texts worth splicing in (markup, separators, long numbers).
    Mutations(std::uint32_t seed, std::vector<std::string> tokens) : m_random(seed), m_tokens(std::move(tokens)) {}

    // One to four edits of `seed`.
    std::string Next(const std::string& seed)
    {
        std::string bytes = seed;
        const int edits = 1 + static_cast<int>(Below(4));
        for (int i = 0; i < edits; ++i)
            Edit(bytes);
        return bytes;
    }

private:
    std::size_t Below(std::size_t limit) { return limit == 0 ? 0 : static_cast<std::size_t>(m_random() % limit); }

    void Edit(std::string& bytes)
    {
        const std::size_t at = Below(bytes.size() + 1);
        switch (Below(7)) {
        case 0:   // flip one byte
            if (at < bytes.size())
                bytes[at] = static_cast<char>(bytes[at] ^ (1 << Below(8)));
            break;
        case 1:   // a random byte
            bytes.insert(at, 1, static_cast<char>(Below(256)));
            break;
        case 2:   // a run removed
            bytes.erase(at, Below(64) + 1);
            break;
        case 3: { // a run repeated
            const std::string run = bytes.substr(at, Below(64) + 1);
            bytes.insert(at, run);
            break;
        }
        case 4:   // cut short
            bytes.resize(at);
            break;
        case 5:   // a token spliced in
            if (!m_tokens.empty())
                bytes.insert(at, m_tokens[Below(m_tokens.size())]);
            break;
        default:  // a run overwritten with random bytes
            for (std::size_t i = at, end = std::min(bytes.size(), at + Below(16) + 1); i < end; ++i)
                bytes[i] = static_cast<char>(m_random());
            break;
        }
    }

    std::mt19937 m_random;
    std::vector<std::string> m_tokens;
};

} // namespace lumeo_test

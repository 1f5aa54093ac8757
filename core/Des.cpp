#include "core/Des.h"

#include <array>
#include <cstring>

namespace {

// The program's one key, K1 K2 K3. It enciphers the stored passwords and the shipped language
// files, so it must never change: data written by one build has to be readable by the next.
constexpr unsigned char kFixedKey[kDes3KeySize] = {
    0xD9, 0x7B, 0x12, 0xEB, 0x88, 0x54, 0x84, 0x1D,
    0x39, 0xE3, 0x34, 0xFF, 0xDB, 0xA1, 0x24, 0x4F,
    0x65, 0xF0, 0xDD, 0x86, 0xAA, 0x19, 0x2A, 0x1D,
};

// The tables of the standard. Bits are numbered from 1 at the most significant end.
constexpr unsigned char kInitialPermutation[64] = {
    58, 50, 42, 34, 26, 18, 10, 2, 60, 52, 44, 36, 28, 20, 12, 4,
    62, 54, 46, 38, 30, 22, 14, 6, 64, 56, 48, 40, 32, 24, 16, 8,
    57, 49, 41, 33, 25, 17, 9,  1, 59, 51, 43, 35, 27, 19, 11, 3,
    61, 53, 45, 37, 29, 21, 13, 5, 63, 55, 47, 39, 31, 23, 15, 7,
};

constexpr unsigned char kFinalPermutation[64] = {
    40, 8, 48, 16, 56, 24, 64, 32, 39, 7, 47, 15, 55, 23, 63, 31,
    38, 6, 46, 14, 54, 22, 62, 30, 37, 5, 45, 13, 53, 21, 61, 29,
    36, 4, 44, 12, 52, 20, 60, 28, 35, 3, 43, 11, 51, 19, 59, 27,
    34, 2, 42, 10, 50, 18, 58, 26, 33, 1, 41, 9,  49, 17, 57, 25,
};

constexpr unsigned char kExpansion[48] = {
    32, 1,  2,  3,  4,  5,  4,  5,  6,  7,  8,  9,
    8,  9,  10, 11, 12, 13, 12, 13, 14, 15, 16, 17,
    16, 17, 18, 19, 20, 21, 20, 21, 22, 23, 24, 25,
    24, 25, 26, 27, 28, 29, 28, 29, 30, 31, 32, 1,
};

constexpr unsigned char kPermutation[32] = {
    16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
    2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25,
};

constexpr unsigned char kPermutedChoice1[56] = {
    57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
    10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
    63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
    14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4,
};

constexpr unsigned char kPermutedChoice2[48] = {
    14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10,
    23, 19, 12, 4,  26, 8,  16, 7,  27, 20, 13, 2,
    41, 52, 31, 37, 47, 55, 30, 40, 51, 45, 33, 48,
    44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32,
};

constexpr unsigned char kShifts[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};

// S1..S8, each as four rows of sixteen.
constexpr unsigned char kSBoxes[8][64] = {
    {14, 4,  13, 1,  2,  15, 11, 8,  3,  10, 6,  12, 5,  9,  0,  7,
     0,  15, 7,  4,  14, 2,  13, 1,  10, 6,  12, 11, 9,  5,  3,  8,
     4,  1,  14, 8,  13, 6,  2,  11, 15, 12, 9,  7,  3,  10, 5,  0,
     15, 12, 8,  2,  4,  9,  1,  7,  5,  11, 3,  14, 10, 0,  6,  13},
    {15, 1,  8,  14, 6,  11, 3,  4,  9,  7,  2,  13, 12, 0,  5,  10,
     3,  13, 4,  7,  15, 2,  8,  14, 12, 0,  1,  10, 6,  9,  11, 5,
     0,  14, 7,  11, 10, 4,  13, 1,  5,  8,  12, 6,  9,  3,  2,  15,
     13, 8,  10, 1,  3,  15, 4,  2,  11, 6,  7,  12, 0,  5,  14, 9},
    {10, 0,  9,  14, 6,  3,  15, 5,  1,  13, 12, 7,  11, 4,  2,  8,
     13, 7,  0,  9,  3,  4,  6,  10, 2,  8,  5,  14, 12, 11, 15, 1,
     13, 6,  4,  9,  8,  15, 3,  0,  11, 1,  2,  12, 5,  10, 14, 7,
     1,  10, 13, 0,  6,  9,  8,  7,  4,  15, 14, 3,  11, 5,  2,  12},
    {7,  13, 14, 3,  0,  6,  9,  10, 1,  2,  8,  5,  11, 12, 4,  15,
     13, 8,  11, 5,  6,  15, 0,  3,  4,  7,  2,  12, 1,  10, 14, 9,
     10, 6,  9,  0,  12, 11, 7,  13, 15, 1,  3,  14, 5,  2,  8,  4,
     3,  15, 0,  6,  10, 1,  13, 8,  9,  4,  5,  11, 12, 7,  2,  14},
    {2,  12, 4,  1,  7,  10, 11, 6,  8,  5,  3,  15, 13, 0,  14, 9,
     14, 11, 2,  12, 4,  7,  13, 1,  5,  0,  15, 10, 3,  9,  8,  6,
     4,  2,  1,  11, 10, 13, 7,  8,  15, 9,  12, 5,  6,  3,  0,  14,
     11, 8,  12, 7,  1,  14, 2,  13, 6,  15, 0,  9,  10, 4,  5,  3},
    {12, 1,  10, 15, 9,  2,  6,  8,  0,  13, 3,  4,  14, 7,  5,  11,
     10, 15, 4,  2,  7,  12, 9,  5,  6,  1,  13, 14, 0,  11, 3,  8,
     9,  14, 15, 5,  2,  8,  12, 3,  7,  0,  4,  10, 1,  13, 11, 6,
     4,  3,  2,  12, 9,  5,  15, 10, 11, 14, 1,  7,  6,  0,  8,  13},
    {4,  11, 2,  14, 15, 0,  8,  13, 3,  12, 9,  7,  5,  10, 6,  1,
     13, 0,  11, 7,  4,  9,  1,  10, 14, 3,  5,  12, 2,  15, 8,  6,
     1,  4,  11, 13, 12, 3,  7,  14, 10, 15, 6,  8,  0,  5,  9,  2,
     6,  11, 13, 8,  1,  4,  10, 7,  9,  5,  0,  15, 14, 2,  3,  12},
    {13, 2,  8,  4,  6,  15, 11, 1,  10, 9,  3,  14, 5,  0,  12, 7,
     1,  15, 13, 8,  10, 3,  7,  4,  12, 5,  6,  11, 0,  14, 9,  2,
     7,  11, 4,  1,  9,  12, 14, 2,  0,  6,  10, 13, 15, 3,  5,  8,
     2,  1,  14, 7,  4,  10, 8,  13, 15, 12, 9,  0,  3,  5,  6,  11},
};

// Picks bit table[i] of an inWidth-bit value as bit i + 1 of a result of count bits.
template <std::size_t count>
constexpr std::uint64_t Permute(std::uint64_t value, int inWidth, const unsigned char (&table)[count]) {
    std::uint64_t result = 0;
    for (std::size_t i = 0; i < count; ++i)
        result = (result << 1) | ((value >> (inWidth - table[i])) & 1u);
    return result;
}

// Each S-box merged with the permutation P that follows it: entry [s][six input bits] is the
// 32-bit contribution of S-box s + 1 to the round function's output.
using SpTables = std::array<std::array<std::uint32_t, 64>, 8>;

constexpr SpTables MakeSpTables() {
    SpTables tables{};
    for (int box = 0; box < 8; ++box) {
        for (int input = 0; input < 64; ++input) {
            const int row = ((input >> 4) & 2) | (input & 1);
            const int column = (input >> 1) & 0xF;
            const std::uint64_t nibble = kSBoxes[box][row * 16 + column];
            const std::uint64_t placed = nibble << (28 - 4 * box);
            tables[box][input] = static_cast<std::uint32_t>(Permute(placed, 32, kPermutation));
        }
    }
    return tables;
}

constexpr SpTables kSp = MakeSpTables();

std::uint32_t RoundFunction(std::uint32_t right, std::uint64_t roundKey) {
    const std::uint64_t mixed = Permute(right, 32, kExpansion) ^ roundKey;
    std::uint32_t result = 0;
    for (int box = 0; box < 8; ++box)
        result |= kSp[box][(mixed >> (42 - 6 * box)) & 0x3F];
    return result;
}

std::uint64_t LoadBlock(const unsigned char bytes[8]) {
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

void StoreBlock(std::uint64_t value, unsigned char bytes[8]) {
    for (int i = 7; i >= 0; --i) {
        bytes[i] = static_cast<unsigned char>(value);
        value >>= 8;
    }
}

std::uint64_t CryptBlock(const DesKeySchedule& schedule, bool encrypt, std::uint64_t block) {
    const std::uint64_t permuted = Permute(block, 64, kInitialPermutation);
    std::uint32_t left = static_cast<std::uint32_t>(permuted >> 32);
    std::uint32_t right = static_cast<std::uint32_t>(permuted);
    for (int round = 0; round < 16; ++round) {
        const std::uint64_t key = schedule.round[encrypt ? round : 15 - round];
        const std::uint32_t next = left ^ RoundFunction(right, key);
        left = right;
        right = next;
    }
    // The halves leave the last round swapped.
    const std::uint64_t preOutput = (static_cast<std::uint64_t>(right) << 32) | left;
    return Permute(preOutput, 64, kFinalPermutation);
}

std::uint64_t Crypt3(const Des3KeySchedule& schedule, bool encrypt, std::uint64_t block) {
    if (encrypt) {
        block = CryptBlock(schedule.k1, true, block);
        block = CryptBlock(schedule.k2, false, block);
        return CryptBlock(schedule.k3, true, block);
    }
    block = CryptBlock(schedule.k3, false, block);
    block = CryptBlock(schedule.k2, true, block);
    return CryptBlock(schedule.k1, false, block);
}

// A schedule built from the fixed key for one call, wiped when the call ends.
class FixedKeySchedule {
public:
    FixedKeySchedule() { Des3SetThreeKeys(kFixedKey, schedule_); }
    ~FixedKeySchedule() { WipeBytes(&schedule_, sizeof schedule_); }
    FixedKeySchedule(const FixedKeySchedule&) = delete;
    FixedKeySchedule& operator=(const FixedKeySchedule&) = delete;

    const Des3KeySchedule& Get() const { return schedule_; }

private:
    Des3KeySchedule schedule_;
};

} // namespace

void WipeBytes(void* data, std::size_t size) {
    volatile unsigned char* bytes = static_cast<volatile unsigned char*>(data);
    while (size--)
        *bytes++ = 0;
}

void DesSetKey(const unsigned char key[8], DesKeySchedule& schedule) {
    constexpr std::uint32_t kHalfMask = 0x0FFFFFFF;
    const std::uint64_t chosen = Permute(LoadBlock(key), 64, kPermutedChoice1);
    std::uint32_t c = static_cast<std::uint32_t>(chosen >> 28) & kHalfMask;
    std::uint32_t d = static_cast<std::uint32_t>(chosen) & kHalfMask;
    for (int round = 0; round < 16; ++round) {
        const int shift = kShifts[round];
        c = ((c << shift) | (c >> (28 - shift))) & kHalfMask;
        d = ((d << shift) | (d >> (28 - shift))) & kHalfMask;
        const std::uint64_t joined = (static_cast<std::uint64_t>(c) << 28) | d;
        schedule.round[round] = Permute(joined, 56, kPermutedChoice2);
    }
}

void Des3SetThreeKeys(const unsigned char key[kDes3KeySize], Des3KeySchedule& schedule) {
    DesSetKey(key, schedule.k1);
    DesSetKey(key + 8, schedule.k2);
    DesSetKey(key + 16, schedule.k3);
}

void DesBlockCrypt(const DesKeySchedule& schedule, bool encrypt,
                   const unsigned char in[8], unsigned char out[8]) {
    StoreBlock(CryptBlock(schedule, encrypt, LoadBlock(in)), out);
}

void Des3BlockCrypt(const Des3KeySchedule& schedule, bool encrypt,
                    const unsigned char in[8], unsigned char out[8]) {
    StoreBlock(Crypt3(schedule, encrypt, LoadBlock(in)), out);
}

void Des3EcbEncryptFixedKey(const unsigned char* in, int length, unsigned char* out, int* outLength) {
    if (length < 0 || !in || !out || !outLength)
        return;
    const FixedKeySchedule schedule;
    const int fullBlocks = length / kDesBlockSize;
    for (int i = 0; i < fullBlocks; ++i) {
        Des3BlockCrypt(schedule.Get(), true, in + i * kDesBlockSize, out + i * kDesBlockSize);
        *outLength += kDesBlockSize;
    }
    const int rest = length % kDesBlockSize;
    if (rest == 0)
        return;
    unsigned char last[kDesBlockSize] = {};
    std::memcpy(last, in + fullBlocks * kDesBlockSize, rest);
    Des3BlockCrypt(schedule.Get(), true, last, out + fullBlocks * kDesBlockSize);
    *outLength += kDesBlockSize;
    WipeBytes(last, sizeof last);
}

void Des3EcbDecryptFixedKey(const unsigned char* in, int length, unsigned char* out, int* outLength) {
    if (length < kDesBlockSize || length % kDesBlockSize != 0 || !in || !out || !outLength)
        return;
    const FixedKeySchedule schedule;
    for (int offset = 0; offset < length; offset += kDesBlockSize) {
        Des3BlockCrypt(schedule.Get(), false, in + offset, out + offset);
        *outLength += kDesBlockSize;
    }
}

bool Des::Encrypt(const unsigned char* in, int length, unsigned char* out, int* outLength) const {
    if (!in || !out || !outLength)
        return false;
    Des3EcbEncryptFixedKey(in, length, out, outLength);
    return true;
}

bool Des::Decrypt(const unsigned char* in, int length, unsigned char* out, int* outLength) const {
    if (!in || !out || !outLength)
        return false;
    Des3EcbDecryptFixedKey(in, length, out, outLength);
    return true;
}

#pragma once
// Triple DES (three independent keys, encrypt-decrypt-encrypt) in ECB mode under the program's
// fixed key. Plain C++ with no platform headers: the host-side language-file tool compiles this
// same source, so what it enciphers the program can decipher.
#include <cstddef>
#include <cstdint>

// The 16 round keys of one DES key, 48 bits each, in encryption order.
struct DesKeySchedule {
    std::uint64_t round[16];
};

// The schedules of K1, K2 and K3.
struct Des3KeySchedule {
    DesKeySchedule k1, k2, k3;
};

constexpr int kDesBlockSize = 8;
constexpr int kDes3KeySize = 24;

// Builds the round keys of one 8-byte DES key; the parity bits are ignored.
void DesSetKey(const unsigned char key[8], DesKeySchedule& schedule);
// Builds the schedules of a 24-byte key laid out as K1, K2, K3.
void Des3SetThreeKeys(const unsigned char key[kDes3KeySize], Des3KeySchedule& schedule);
// One single-DES block; in and out may be the same buffer.
void DesBlockCrypt(const DesKeySchedule& schedule, bool encrypt,
                   const unsigned char in[8], unsigned char out[8]);
// One triple-DES block: E(K1) D(K2) E(K3) to encrypt, D(K3) E(K2) D(K1) to decrypt.
// in and out may be the same buffer.
void Des3BlockCrypt(const Des3KeySchedule& schedule, bool encrypt,
                    const unsigned char in[8], unsigned char out[8]);

// Enciphers length bytes under the fixed key: every full block, then the remainder padded
// with zero bytes (an exact multiple of 8 gets no extra block). Adds 8 to *outLength per
// block written; out must hold length rounded up to a multiple of 8. Does nothing for a
// negative length or a null pointer.
void Des3EcbEncryptFixedKey(const unsigned char* in, int length, unsigned char* out, int* outLength);
// Deciphers length bytes under the fixed key, adding 8 to *outLength per block. Does nothing
// unless length is a positive multiple of 8 and no pointer is null.
void Des3EcbDecryptFixedKey(const unsigned char* in, int length, unsigned char* out, int* outLength);

// The byte-buffer cipher; a stateless object made on the stack where needed.
class Des {
public:
    virtual ~Des() = default;

    // false when a pointer is null; otherwise Des3EcbEncryptFixedKey, true.
    bool Encrypt(const unsigned char* in, int length, unsigned char* out, int* outLength) const;
    // false when a pointer is null; otherwise Des3EcbDecryptFixedKey, true.
    bool Decrypt(const unsigned char* in, int length, unsigned char* out, int* outLength) const;
};

// Overwrites a buffer that held secret bytes in a way the optimiser may not drop.
void WipeBytes(void* data, std::size_t size);

#include "core/Crypto.h"

#include "core/Des.h"
#include "core/TavikUtility.h"

#include <cstring>

namespace {

// A fixed-size scratch buffer that starts zeroed and is wiped when it goes away: it may hold
// a plain password.
class SecretBuffer {
public:
    SecretBuffer() { std::memset(bytes_, 0, sizeof bytes_); }
    ~SecretBuffer() { WipeBytes(bytes_, sizeof bytes_); }
    SecretBuffer(const SecretBuffer&) = delete;
    SecretBuffer& operator=(const SecretBuffer&) = delete;

    unsigned char* Data() { return bytes_; }
    static constexpr std::size_t Size() { return Crypto::kMaxBytes; }

private:
    unsigned char bytes_[Crypto::kMaxBytes];
};

} // namespace

bool Crypto::Encrypt(std::string_view text, std::string& hexOut) const
{
    if (text.size() > kMaxBytes)
        return false;
    SecretBuffer cipher;
    int cipherLength = 0;
    // A multiple of 8 never exceeds the buffer: kMaxBytes is one.
    Des3EcbEncryptFixedKey(reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()),
                           cipher.Data(), &cipherLength);
    hexOut = TavikUtility::BytesToHex(cipher.Data(), static_cast<std::size_t>(cipherLength));
    return true;
}

bool Crypto::Decrypt(std::string_view hex, std::string& textOut) const
{
    // An odd digit count still writes a byte for its last digit.
    if ((hex.size() + 1) / 2 > kMaxBytes)
        return false;
    SecretBuffer cipher;
    std::size_t cipherLength = SecretBuffer::Size();
    TavikUtility::HexToBytes(hex, cipher.Data(), &cipherLength);

    SecretBuffer plain;
    int plainLength = 0;
    Des3EcbDecryptFixedKey(cipher.Data(), static_cast<int>(cipherLength), plain.Data(), &plainLength);
    // Ends at the first zero byte, or after the whole buffer when it holds none.
    const void* zero = std::memchr(plain.Data(), 0, SecretBuffer::Size());
    const std::size_t length = zero ? static_cast<const unsigned char*>(zero) - plain.Data() : SecretBuffer::Size();
    textOut.assign(reinterpret_cast<const char*>(plain.Data()), length);
    return true;
}

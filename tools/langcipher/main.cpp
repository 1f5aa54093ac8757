// langcipher PLAIN ENCIPHERED
// Writes PLAIN enciphered with the program's fixed key (triple DES, ECB, last block padded with
// zero bytes), the form in which the program carries its language files.
#include "core/Des.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

namespace {

bool ReadAll(const char* path, std::vector<unsigned char>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

bool WriteAll(const char* path, const std::vector<unsigned char>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: langcipher PLAIN ENCIPHERED\n");
        return 2;
    }
    std::vector<unsigned char> plain;
    if (!ReadAll(argv[1], plain)) {
        std::fprintf(stderr, "langcipher: cannot read %s\n", argv[1]);
        return 1;
    }
    if (plain.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() - kDesBlockSize)) {
        std::fprintf(stderr, "langcipher: %s is too large\n", argv[1]);
        return 1;
    }
    const int length = static_cast<int>(plain.size());
    std::vector<unsigned char> enciphered((plain.size() + kDesBlockSize - 1) / kDesBlockSize * kDesBlockSize);
    int written = 0;
    if (!plain.empty() && !Des().Encrypt(plain.data(), length, enciphered.data(), &written)) {
        std::fprintf(stderr, "langcipher: enciphering failed\n");
        return 1;
    }
    enciphered.resize(static_cast<std::size_t>(written));
    if (!WriteAll(argv[2], enciphered)) {
        std::fprintf(stderr, "langcipher: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

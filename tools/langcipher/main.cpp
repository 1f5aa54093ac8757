// langcipher PLAIN ENCIPHERED
// langcipher --language SOURCE ENCIPHERED
// Writes PLAIN enciphered with the program's fixed key (triple DES, ECB, last block padded with
// zero bytes), the form in which the program carries its language files. With --language the
// input is a UTF-8 language source, turned into the shipped text form first (LanguageText.h).
#include "LanguageText.h"
#include "core/Des.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
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
    const bool language = argc == 4 && std::strcmp(argv[1], "--language") == 0;
    if (argc != 3 && !language) {
        std::fprintf(stderr, "usage: langcipher [--language] PLAIN ENCIPHERED\n");
        return 2;
    }
    const char* const input = argv[argc - 2];
    const char* const output = argv[argc - 1];
    std::vector<unsigned char> plain;
    if (!ReadAll(input, plain)) {
        std::fprintf(stderr, "langcipher: cannot read %s\n", input);
        return 1;
    }
    if (language) {
        std::string text;
        std::string error;
        if (!MakeLanguageText(std::string(plain.begin(), plain.end()), text, error)) {
            std::fprintf(stderr, "langcipher: %s: %s\n", input, error.c_str());
            return 1;
        }
        plain.assign(text.begin(), text.end());
    }
    if (plain.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() - kDesBlockSize)) {
        std::fprintf(stderr, "langcipher: %s is too large\n", input);
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
    if (!WriteAll(output, enciphered)) {
        std::fprintf(stderr, "langcipher: cannot write %s\n", output);
        return 1;
    }
    return 0;
}

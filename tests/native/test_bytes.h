// Byte strings the native tests build their inputs from.
#pragma once
#include <random>
#include <string>
#include <vector>

typedef std::vector<unsigned char> Bytes;

inline Bytes text_of(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The same bytes for the same seed on every run.
inline Bytes random_bytes(size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    Bytes bytes(size);
    for (unsigned char& b : bytes)
        b = static_cast<unsigned char>(generator());
    return bytes;
}

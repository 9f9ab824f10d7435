// SourceHash: a 64-bit FNV-1a over shader source text, as the loader hands it
// to GL (LF line ends). Start-up compares the hash of what it compiled with
// the hash of the shipped sources, computed at compile time from copies built
// in, to know whether the shipped effect is the one on screen. Not a
// safeguard against anyone: a match only lets a pass be narrowed to where
// the shipped effect can reach.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::uint64_t kSourceHashStart = 14695981039346656037ull;

// `hash` carried on over `length` characters of `text` and then a NUL, so
// that where one stage ends and the next begins counts too.
constexpr std::uint64_t SourceHash(std::uint64_t hash, const char* text, std::size_t length) {
    constexpr std::uint64_t kPrime = 1099511628211ull;
    for (std::size_t i = 0; i < length; ++i)
        hash = (hash ^ static_cast<unsigned char>(text[i])) * kPrime;
    return hash * kPrime;
}

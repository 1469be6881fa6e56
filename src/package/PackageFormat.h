#pragma once
// The layout of the resource package Res.pac, shared by the game's reader and the build's
// packer. All numbers little-endian:
//
//   0        4 bytes   "LBFP"
//   4        3 bytes   not read (the header is seven bytes; only its first four are compared)
//   7        1 byte    N, the number of files, 1..255
//   8        5 * N     per file: 1 byte name length L, 4 bytes size S (signed)
//   8 + 5N   sum of L  the names, Windows-1252, back to back without separators
//   then     sum of S  the contents, in the same order, back to back
//
// There are no offsets, checksums or padding: file i starts where file i - 1 ends.
// Standard library only, so that the build's packer can use it.
#include <cstdint>

namespace package {

inline constexpr char Magic[4] = {'L', 'B', 'F', 'P'};
inline constexpr int HeaderSize = 8; // the seven-byte header and the count
inline constexpr int CountOffset = 7;
inline constexpr int EntrySize = 5; // name length and size
inline constexpr int MaxFiles = 255;
inline constexpr int MaxNameBytes = 255;
inline constexpr std::int64_t MaxFileBytes = INT32_MAX;

inline constexpr std::int32_t readInt32(const unsigned char* at) {
    return std::int32_t(std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 |
                        std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24);
}

inline constexpr void writeInt32(unsigned char* at, std::int32_t value) {
    const auto v = std::uint32_t(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(v >> (8 * i));
}

} // namespace package

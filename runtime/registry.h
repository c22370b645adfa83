#pragma once

#include <cstdint>
#include <string>

namespace runtime {

// A registry key handle, wide enough for the platform's own.
using RegKey = std::uintptr_t;

// The predefined root, sign-extended as Windows defines it.
inline constexpr RegKey kHKeyLocalMachine = static_cast<RegKey>(static_cast<std::intptr_t>(std::int32_t(0x80000002u)));

inline constexpr std::uint32_t kKeyRead = 0x20019;

inline constexpr std::uint32_t kRegSz = 1;    // a string
inline constexpr std::uint32_t kRegDword = 4; // a 32-bit little-endian number

inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;

// The three registry calls the program makes, with the Windows meanings of
// their arguments and results.
class Registry {
public:
    virtual ~Registry() = default;

    virtual long open(RegKey root, const std::string &subKey, std::uint32_t access, RegKey *key) = 0;
    // Copies the value into data, at most *size bytes, and sets *size to the
    // bytes written or, with kErrorMoreData, to the bytes needed.
    virtual long query(RegKey key, const std::string &valueName, std::uint32_t *type, char *data,
                       std::uint32_t *size) = 0;
    virtual long close(RegKey key) = 0;
};

} // namespace runtime

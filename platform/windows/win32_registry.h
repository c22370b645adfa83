#pragma once

#include "runtime/registry.h"

namespace runtime {

// The Windows registry, through advapi32's ANSI calls.
class Win32Registry : public Registry {
public:
    long open(RegKey root, const std::string &subKey, std::uint32_t access, RegKey *key) override;
    long query(RegKey key, const std::string &valueName, std::uint32_t *type, char *data,
               std::uint32_t *size) override;
    long close(RegKey key) override;
};

} // namespace runtime

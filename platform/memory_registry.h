#pragma once

#include <map>
#include <string>

#include "runtime/registry.h"

namespace runtime {

// A registry held in memory, for platforms without one. Key and value names
// are matched without regard to case, as Windows does.
class MemoryRegistry : public Registry {
public:
    void setValue(RegKey root, const std::string &subKey, const std::string &name, std::uint32_t type,
                  std::string data);
    // A string value with its terminating NUL, as Windows stores it.
    void setString(RegKey root, const std::string &subKey, const std::string &name, const std::string &text);

    long open(RegKey root, const std::string &subKey, std::uint32_t access, RegKey *key) override;
    long query(RegKey key, const std::string &valueName, std::uint32_t *type, char *data,
               std::uint32_t *size) override;
    long close(RegKey key) override;

private:
    struct Value {
        std::uint32_t type;
        std::string data;
    };
    using Values = std::map<std::string, Value>;

    std::map<std::string, Values> keys_;
    std::map<RegKey, const Values *> open_;
    RegKey nextHandle_ = 1;
};

} // namespace runtime

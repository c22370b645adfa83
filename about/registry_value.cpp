#include "about/registry_value.h"

using namespace runtime;

namespace {

constexpr std::uint32_t kBufferSize = 1024;

// Reads a value whole: one longer than the buffer gets a second, larger
// buffer rather than being cut short.
long queryWhole(Registry &registry, RegKey key, const std::string &name, std::uint32_t &type, std::string &data)
{
    data.assign(kBufferSize, '\0');
    auto size = kBufferSize;
    long result = registry.query(key, name, &type, data.data(), &size);
    if (result == kErrorMoreData) {
        data.assign(size, '\0');
        result = registry.query(key, name, &type, data.data(), &size);
    }
    data.resize(result == kErrorSuccess ? size : 0);
    return result;
}

// An open key, closed by its owner however the reading ends.
class OpenKey {
public:
    OpenKey(Registry &registry, RegKey key) : registry_(registry), key_(key) {}
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
    ~OpenKey() { registry_.close(key_); }

private:
    Registry &registry_;
    RegKey key_;
};

// Every byte as two digits, most significant first, none dropped.
std::string hexNumber(const std::string &littleEndian)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto byte = littleEndian.rbegin(); byte != littleEndian.rend(); ++byte) {
        const auto value = static_cast<unsigned char>(*byte);
        text += kDigits[value >> 4];
        text += kDigits[value & 0xF];
    }
    return text;
}

} // namespace

bool readKeyValue(Registry &registry, RegKey KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                  std::string &KeyVal)
{
    // Read access only: the write rights the original asked for are refused
    // to a standard user under HKEY_LOCAL_MACHINE, so the look-up failed.
    RegKey key = 0;
    if (registry.open(KeyRoot, KeyName, kKeyRead, &key) != kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenKey owner(registry, key);
    std::uint32_t type = 0;
    std::string data;
    if (queryWhole(registry, key, SubKeyRef, type, data) != kErrorSuccess) {
        KeyVal.clear();
        return false;
    }

    if (type == kRegSz) {
        // The size counts the terminating NUL when the value was stored with one.
        if (!data.empty() && data.back() == '\0')
            data.pop_back();
        KeyVal = data;
    } else if (type == kRegDword) {
        KeyVal = hexNumber(data);
    }
    return true;
}

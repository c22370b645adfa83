#include "platform/memory_registry.h"

#include <algorithm>
#include <cstring>

namespace runtime {
namespace {

std::string folded(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

std::string path(RegKey root, const std::string &subKey)
{
    return std::to_string(root) + '\\' + folded(subKey);
}

} // namespace

void MemoryRegistry::setValue(RegKey root, const std::string &subKey, const std::string &name, std::uint32_t type,
                              std::string data)
{
    keys_[path(root, subKey)][folded(name)] = {type, std::move(data)};
}

void MemoryRegistry::setString(RegKey root, const std::string &subKey, const std::string &name, const std::string &text)
{
    setValue(root, subKey, name, kRegSz, text + '\0');
}

long MemoryRegistry::open(RegKey root, const std::string &subKey, std::uint32_t /*access*/, RegKey *key)
{
    const auto found = keys_.find(path(root, subKey));
    if (found == keys_.end())
        return kErrorFileNotFound;
    *key = nextHandle_++;
    open_[*key] = &found->second;
    return kErrorSuccess;
}

long MemoryRegistry::query(RegKey key, const std::string &valueName, std::uint32_t *type, char *data,
                           std::uint32_t *size)
{
    const auto handle = open_.find(key);
    if (handle == open_.end())
        return kErrorInvalidHandle;
    const auto value = handle->second->find(folded(valueName));
    if (value == handle->second->end())
        return kErrorFileNotFound;
    *type = value->second.type;
    const auto needed = static_cast<std::uint32_t>(value->second.data.size());
    const bool fits = needed <= *size;
    if (fits)
        std::memcpy(data, value->second.data.data(), needed);
    *size = needed;
    return fits ? kErrorSuccess : kErrorMoreData;
}

long MemoryRegistry::close(RegKey key)
{
    return open_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

} // namespace runtime

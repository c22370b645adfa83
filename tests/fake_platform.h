#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/memory_registry.h"
#include "runtime/platform.h"

// The registry as a standard user meets it: keys under HKEY_LOCAL_MACHINE
// open for reading only. It also keeps count of the handles left open and of
// the closes of handles never opened.
class StandardUserRegistry : public runtime::MemoryRegistry {
public:
    int openHandles = 0;
    int badCloses = 0;

    long open(runtime::RegKey root, const std::string &subKey, std::uint32_t access, runtime::RegKey *key) override
    {
        constexpr std::uint32_t kWriteRights = 0x2 | 0x4 | 0x20 | 0x40000 | 0x80000;
        if (root == runtime::kHKeyLocalMachine && (access & kWriteRights))
            return runtime::kErrorAccessDenied;
        const long result = MemoryRegistry::open(root, subKey, access, key);
        openHandles += result == runtime::kErrorSuccess;
        return result;
    }
    long close(runtime::RegKey key) override
    {
        const long result = MemoryRegistry::close(key);
        if (result == runtime::kErrorSuccess)
            --openHandles;
        else
            ++badCloses;
        return result;
    }
};

// A platform that starts nothing: it records what it is asked instead.
class FakePlatform : public runtime::Platform {
public:
    StandardUserRegistry store;
    std::set<std::string> files;
    bool startSucceeds = true;
    std::vector<std::string> fileTests;
    std::vector<std::string> started;

    runtime::Registry &registry() override { return store; }
    bool fileExists(const std::string &path) override
    {
        fileTests.push_back(path);
        return files.contains(path);
    }
    bool startProgram(const std::string &path) override
    {
        started.push_back(path);
        return startSucceeds;
    }
};

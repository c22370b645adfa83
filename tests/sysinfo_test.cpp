// Finding the system-information tool: the registry look-ups and the start.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "about/frmAbout.h"
#include "about/sysinfo_registry.h"
#include "fake_platform.h"
#include "user.h"

using runtime::kHKeyLocalMachine;

namespace {

const std::string kToolPath = "C:\\Programmi\\MSInfo\\msinfo32.exe";
const std::string kToolFolder = "C:\\Programmi\\Strumenti";
const std::string kToolInFolder = kToolFolder + "\\MSINFO32.EXE";

using Texts = std::vector<std::string>;

} // namespace

TEST_CASE("a registry value is read as text")
{
    const std::string path = "C:\\Programmi\\msinfo32.exe";
    const struct {
        const char *what;
        std::uint32_t type;
        std::string data;
        std::string text;
    } cases[] = {
        {"a string with its NUL", 1, path + '\0', path},
        {"a string filling its size without a NUL keeps all", 1, path, path},
        {"an empty string", 1, std::string(1, '\0'), ""},
        {"a string longer than the buffer is read whole", 1, std::string(3000, 'y') + '\0', std::string(3000, 'y')},
        {"a 32-bit number keeps its zero high byte", 4, std::string("\x0A\x00\x00\x00", 4), "&h0000000A"},
        {"a 32-bit number, two digits a byte", 4, "\x78\x56\x34\x12", "&h12345678"},
        {"other types leave the text as it was", 3, "\x01\x02", "before"},
    };
    for (const auto &[what, type, data, text] : cases) {
        CAPTURE(what);
        FakePlatform platform;
        platform.store.values.setValue(kHKeyLocalMachine, "SOFTWARE\\Valutrino", "Valore", type, data);
        std::string keyVal = "before";
        // Key and value names are matched without regard to case, as Windows does.
        CHECK(frmAbout(platform).GetKeyValue(kHKeyLocalMachine, "software\\valutrino", "VALORE", keyVal));
        CHECK(keyVal == text);
        CHECK(platform.store.openHandles == 0);
    }
}

TEST_CASE("a failed look-up empties the text and closes nothing it did not open")
{
    for (const auto &[key, value] : {std::pair{"SOFTWARE\\Altro", "Valore"}, std::pair{"SOFTWARE\\Valutrino", "Altro"}}) {
        CAPTURE(key);
        FakePlatform platform;
        platform.store.values.setString(kHKeyLocalMachine, "SOFTWARE\\Valutrino", "Valore", "x");
        std::string keyVal = "before";
        CHECK_FALSE(frmAbout(platform).GetKeyValue(kHKeyLocalMachine, key, value, keyVal));
        CHECK(keyVal.empty());
        CHECK(platform.store.openHandles == 0);
        CHECK(platform.store.badCloses == 0);
    }
}

TEST_CASE("System Info starts the tool the registry records, or says it is unavailable")
{
    const struct {
        const char *what;
        bool pathRecorded, folderRecorded, toolInFolder, startSucceeds;
        Texts fileTests, started;
    } cases[] = {
        {"the path, started as read without a file test", true, false, false, true, {}, {kToolPath}},
        {"the path wins over the folder", true, true, true, true, {}, {kToolPath}},
        {"a folder holding the tool", false, true, true, true, {kToolInFolder}, {kToolInFolder}},
        {"a folder without the tool", false, true, false, true, {kToolInFolder}, {}},
        {"nothing recorded", false, false, false, true, {}, {}},
        {"a tool that fails to start", true, false, false, false, {}, {kToolPath}},
    };
    for (const auto &c : cases) {
        CAPTURE(c.what);
        FakePlatform platform;
        if (c.pathRecorded)
            platform.store.values.setString(kHKeyLocalMachine, kSysInfoKey, kSysInfoValue, kToolPath);
        if (c.folderRecorded)
            platform.store.values.setString(kHKeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue, kToolFolder);
        if (c.toolInFolder)
            platform.files.insert(kToolInFolder);
        platform.startSucceeds = c.startSucceeds;

        User &u = user();
        u.messages.clear();
        frmAbout(platform).StartSysInfo();

        CHECK(platform.fileTests == c.fileTests);
        CHECK(platform.started == c.started);
        const bool unavailable = c.started.empty() || !c.startSucceeds;
        REQUIRE(u.messages.size() == (unavailable ? 1 : 0));
        if (unavailable) {
            CHECK(u.messages[0].prompt == "Le informazioni sul sistema non sono attualmente disponibili.");
            CHECK(u.messages[0].title == "Valutrino");
            CHECK(u.messages[0].icon == runtime::MsgBoxIcon::None);
        }
        CHECK(platform.store.openHandles == 0);
    }
}

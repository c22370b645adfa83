// Finding the system-information tool: the registry look-ups and the start.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "about/frmAbout.h"
#include "platform/sysinfo_keys.h"
#include "fake_platform.h"
#include "user.h"

using runtime::kHKeyLocalMachine;

namespace {

const std::string kToolPath = "C:\\Programmi\\MSInfo\\msinfo32.exe";
const std::string kToolFolder = "C:\\Programmi\\Strumenti";
const std::string kToolInFolder = kToolFolder + "\\MSINFO32.EXE";

using Texts = std::vector<std::string>;

} // namespace

TEST_CASE("a registry value is read as text, and a failed look-up empties the text")
{
    const std::string path = "C:\\Programmi\\msinfo32.exe";
    const struct {
        const char *what;
        const char *key, *value;
        std::uint32_t type;
        std::string data;
        bool found;
        std::string text;
    } cases[] = {
        {"a string with its NUL", "software\\valutrino", "VALORE", 1, path + '\0', true, path},
        {"a string filling its size without a NUL keeps all", "SOFTWARE\\Valutrino", "Valore", 1, path, true, path},
        {"an empty string", "SOFTWARE\\Valutrino", "Valore", 1, std::string(1, '\0'), true, ""},
        {"a string longer than the buffer is read whole", "SOFTWARE\\Valutrino", "Valore", 1,
         std::string(3000, 'y') + '\0', true, std::string(3000, 'y')},
        {"a 32-bit number keeps its zero high byte", "SOFTWARE\\Valutrino", "Valore", 4,
         std::string("\x0A\x00\x00\x00", 4), true, "&h0000000A"},
        {"a 32-bit number, two digits a byte", "SOFTWARE\\Valutrino", "Valore", 4, "\x78\x56\x34\x12", true, "&h12345678"},
        {"other types leave the text as it was", "SOFTWARE\\Valutrino", "Valore", 3, "\x01\x02", true, "before"},
        {"a missing key", "SOFTWARE\\Altro", "Valore", 1, "x", false, ""},
        {"a missing value", "SOFTWARE\\Valutrino", "Altro", 1, "x", false, ""},
    };
    for (const auto &c : cases) {
        CAPTURE(c.what);
        FakePlatform platform;
        platform.store.setValue(kHKeyLocalMachine, "SOFTWARE\\Valutrino", "Valore", c.type, c.data);
        std::string keyVal = "before";
        CHECK(frmAbout(platform).GetKeyValue(kHKeyLocalMachine, c.key, c.value, keyVal) == c.found);
        CHECK(keyVal == c.text);
        // Every key opened is closed, and no key that never opened.
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
            platform.store.setString(kHKeyLocalMachine, kSysInfoKey, kSysInfoValue, kToolPath);
        if (c.folderRecorded)
            platform.store.setString(kHKeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue, kToolFolder);
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
    }
}

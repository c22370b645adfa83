// The registry look-ups and the amount rules on Windows itself, against a
// real registry (Wine's, under `./dev wincheck`). Plain C++: no toolkit for
// Windows is needed. The keys it reads are written beforehand by
// tests/windows/keys.sh.
#include <cstdio>
#include <string>

#include "about/registry_value.h"
#include "converter/amount_format.h"
#include "converter/amount_reading.h"
#include "runtime/win32_registry.h"

namespace {

int passed = 0;
int failed = 0;

void check(bool ok, const char *what, const std::string &detail = {})
{
    ok ? ++passed : ++failed;
    std::printf("%s: %s%s%s\n", ok ? "PASS" : "FAIL", what, detail.empty() ? "" : " -> ", detail.c_str());
}

constexpr const char *kKey = "SOFTWARE\\Valutrino\\Prova";

} // namespace

int main()
{
    runtime::Win32Registry registry;
    // Reads a value into a text that held something before, as callers do.
    std::string text;
    const auto read = [&](const char *key, const char *value) {
        text = "before";
        return readKeyValue(registry, runtime::kHKeyLocalMachine, key, value, text);
    };

    bool found = read(kKey, "Percorso");
    check(found && text == "C:\\Programmi\\msinfo32.exe", "string value", text);
    found = read(kKey, "Lungo");
    check(found && text == std::string(2000, 'x'), "string longer than the buffer, read whole",
          std::to_string(text.size()) + " characters");
    found = read(kKey, "Numero");
    check(found && text == "&h0000000A", "32-bit value, every digit", text);
    found = read(kKey, "Vuoto");
    check(found && text.empty(), "empty string", text);
    found = read(kKey, "Manca");
    check(!found && text.empty(), "missing value empties the text", text);
    found = read("SOFTWARE\\Valutrino\\Manca", "Percorso");
    check(!found && text.empty(), "missing key empties the text", text);
    found = read("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    check(found && text == "C:\\Windows\\system32\\msinfo32.exe", "where the system-information tool is recorded", text);

    const amounts::Separators italian{".", ","};
    check(amounts::formatAmount(amounts::readAmount("0.5") * 1936.27, italian) == "968,14", "half a euro in lire");
    check(amounts::formatAmount(amounts::readAmount("1 936.27") / 1936.27, italian) == "1,00", "1936.27 lire in euro");

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

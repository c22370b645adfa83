#include "about/frmAbout.h"

#include "about/registry_value.h"
#include "platform/sysinfo_keys.h"
#include "runtime/message_box.h"
#include "runtime/platform.h"

frmAbout::frmAbout(runtime::Platform &platform) : Form(Layout()), platform_(platform) {}

void frmAbout::bind()
{
    lblVersion = &control<runtime::Label>("lblVersion");
    control<runtime::CommandButton>("cmdOK").Click = [this] { cmdOK_Click(); };
    control<runtime::CommandButton>("cmdSysInfo").Click = [this] { cmdSysInfo_Click(); };
}

void frmAbout::Form_Load()
{
    setCaption("Informazioni su Valutrino");
    lblVersion->setCaption("Versione 1.10 (06/01/2001)");
}

void frmAbout::cmdOK_Click()
{
    unload();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    // Whatever goes wrong on the way ends in the same message.
    try {
        std::string SysInfoPath;
        bool found = GetKeyValue(runtime::kHKeyLocalMachine, kSysInfoKey, kSysInfoValue, SysInfoPath);
        if (!found && GetKeyValue(runtime::kHKeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue, SysInfoPath)) {
            const std::string program = SysInfoPath + "\\MSINFO32.EXE";
            found = platform_.fileExists(program);
            SysInfoPath = program;
        }
        if (found && platform_.startProgram(SysInfoPath))
            return;
    } catch (...) {
    }
    runtime::MsgBox("Le informazioni sul sistema non sono attualmente disponibili.", runtime::MsgBoxIcon::None);
}

bool frmAbout::GetKeyValue(runtime::RegKey KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                           std::string &KeyVal)
{
    return readKeyValue(platform_.registry(), KeyRoot, KeyName, SubKeyRef, KeyVal);
}

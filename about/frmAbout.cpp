#include "about/frmAbout.h"

#include <QLabel>
#include <QPushButton>

#include "about/registry_value.h"
#include "about/sysinfo_registry.h"
#include "app/colours.h"
#include "runtime/dialog.h"
#include "runtime/message_box.h"
#include "runtime/platform.h"

namespace {

constexpr runtime::Window kWindow{"", 5175, 2340, colours::Beige};

// Where the client area stands on the screen, in pixels.
constexpr QPoint kScreenPosition(146, 206);

} // namespace

frmAbout::frmAbout(runtime::Platform &platform) : platform_(platform) {}

QWidget *frmAbout::build()
{
    // Fixed dialog frame: a close button only. No parent window, so that it
    // outlives the converter when the user closes that first.
    auto *window = new runtime::Dialog;
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    window->setObjectName(QStringLiteral("frmAbout"));
    runtime::layOut(window, window, kWindow, layout());
    window->setGeometry(QRect(kScreenPosition, window->size()));

    auto *cmdOK = runtime::control<QPushButton>(window, "cmdOK");
    auto *cmdSysInfo = runtime::control<QPushButton>(window, "cmdSysInfo");
    lblVersion = runtime::control<QLabel>(window, "lblVersion");
    cmdOK->setDefault(true);
    window->setCancelButton(cmdOK);

    QObject::connect(cmdOK, &QPushButton::clicked, cmdOK, [this] { cmdOK_Click(); });
    QObject::connect(cmdSysInfo, &QPushButton::clicked, cmdSysInfo, [this] { cmdSysInfo_Click(); });
    return window;
}

void frmAbout::Form_Load()
{
    window()->setWindowTitle(QStringLiteral("Informazioni su Valutrino"));
    lblVersion->setText(QStringLiteral("Versione 1.10 (06/01/2001)"));
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
    runtime::MsgBox(QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili."),
                    runtime::MsgBoxIcon::None);
}

bool frmAbout::GetKeyValue(runtime::RegKey KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                           std::string &KeyVal)
{
    return readKeyValue(platform_.registry(), KeyRoot, KeyName, SubKeyRef, KeyVal);
}

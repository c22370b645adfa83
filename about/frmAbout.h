#pragma once

#include <string>

#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/registry.h"

namespace runtime {
class Platform;
}

// The About window: the program's name, version and credits, and the way to
// the system-information tool.
class frmAbout : public runtime::Form {
public:
    explicit frmAbout(runtime::Platform &platform);

    void StartSysInfo();
    bool GetKeyValue(runtime::RegKey KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                     std::string &KeyVal);

private:
    static const runtime::WindowLayout &Layout();
    void bind() override;
    void Form_Load() override;

    void cmdOK_Click();
    void cmdSysInfo_Click();

    runtime::Platform &platform_;
    runtime::Label *lblVersion = nullptr;
};

#pragma once

#include "info/InfoWindow.h"

namespace info {

// The About box: the product's title, version, description and the maker's
// contact text, and the way to the system information tool.
class frmAbout : public InfoWindow {
    Q_OBJECT
public:
    frmAbout();

    // Finds and starts the system information tool, or says it cannot;
    // returns normally either way.
    void StartSysInfo();

private slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void Form_Load();
};

} // namespace info

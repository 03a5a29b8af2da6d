#include "app/Frmlotto.h"

#include "info/HelpWindows.h"
#include "info/frmAbout.h"
#include "platform/ModalUi.h"

namespace app {

namespace {

const QString makerSite = QStringLiteral("www.norvane.example");

// The exit button and File > Exit ask the same. Closing the window from its
// title bar asks nothing: the window has no handler for its closing.
void confirmExit(Frmlotto &window)
{
    using namespace platform;
    if (messageBox(&window, QStringLiteral("Are you sure?"), QMessageBox::Warning, QStringLiteral("Exit"),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        != QMessageBox::Yes)
        return;
    messageBox(&window, QStringLiteral("Thank You for using this program. Please visit our site ") + makerSite);
    // Only this window goes: an information window left open keeps the
    // program running until it is closed too.
    window.close();
}

} // namespace

void Frmlotto::cmdexit_Click()
{
    confirmExit(*this);
}

void Frmlotto::mnuexit_Click()
{
    confirmExit(*this);
}

void Frmlotto::mnuabtus_Click()
{
    info::showWindow<info::frmAbout>();
}

void Frmlotto::mnuViewhelp_Click()
{
    info::showWindow<info::Dialog>();
}

void Frmlotto::mnuDis_Click()
{
    info::showWindow<info::frmdis>();
}

} // namespace app

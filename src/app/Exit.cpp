#include "app/Exit.h"

#include "platform/ModalUi.h"

namespace app {

bool confirmExit(QWidget *parent)
{
    if (platform::messageBox(parent, QStringLiteral("Are you sure?"), QMessageBox::Warning, QStringLiteral("Exit"),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        != QMessageBox::Yes)
        return false;
    platform::messageBox(parent, QStringLiteral("Thank You for using this program. Please visit our site ")
                                     + QStringLiteral("www.norvane.example"));
    return true;
}

} // namespace app

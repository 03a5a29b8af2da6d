#include "info/frmAbout.h"

#include "form/Fonts.h"
#include "info/SystemInformation.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVersionNumber>

namespace info {

namespace {

const QString description = QStringLiteral("Ziventa is a free random genarating tool that emulates the national lotto quickpick function.")
                            + QString(14, QLatin1Char(' '))
                            + QStringLiteral("It is fun, easy to use and looks great.")
                            + QString(27, QLatin1Char(' '))
                            + QStringLiteral("It is free to download and distribute.. Goodluck (<\")");

// Each run of blanks is wider than the label, so the next part starts a line
// of its own.
const QString contactGap(120, QLatin1Char(' '));
const QString contact = QStringLiteral("Computer related questions? Ask us any time:") + contactGap
                        + QStringLiteral("NORVANE") + contactGap
                        + QStringLiteral("Tel: 555-0147   Cell: 555-0183") + contactGap
                        + QStringLiteral("E-mail: support@norvane.example");

// Back to front: the pictures and lines lie behind the labels, whose text
// stays readable where it runs over one.
const std::vector<form::ControlDesign> &aboutControls()
{
    using K = form::ControlKind;
    const QColor black(0, 0, 0);
    static const std::vector<form::ControlDesign> table = {
        {"Line1", K::Line, {}, {105, 2460, 5654 - 105, 0}, -1, {}, QColor(255, 255, 255), {}, nullptr, {}, 2, 0},
        {"Line1", K::Line, {}, {90, 2445, 7560 - 90, 0}, -1, {}, QColor(128, 128, 128), {}, nullptr, {}, 1, 1},
        {"Image1", K::Picture, {}, {120, 240, 855, 1575}, -1, ":/assets/about-side.jpg"},
        {"Image2", K::Picture, {}, {5280, 120, 2295, 2175}, -1, ":/assets/about-seal.jpg"},
        {"cmdOK", K::Button, {}, {5760, 2640, 1260, 345}, 0, "OK"},
        {"cmdSysInfo", K::Button, {}, {5760, 3120, 1245, 345}, 1, "&System Info..."},
        {"lblDescription", K::WrappedText, {}, {1050, 1125, 3885, 1170}, 2, description, black},
        {"lblTitle", K::WrappedText, {}, {1050, 240, 3885, 480}, 4, "Ziventa", black, {}, form::aboutTitleFont},
        {"lblVersion", K::WrappedText, {}, {1050, 780, 3885, 225}, 5, "Version 1.0"},
        {"lblDisclaimer", K::WrappedText, {}, {840, 2640, 3870, 825}, 3, contact, black},
    };
    return table;
}

} // namespace

frmAbout::frmAbout() : InfoWindow(QStringLiteral("frmAbout"), {7890, 3975}, aboutControls())
{
    setWindowTitle(QStringLiteral("About Ziventa"));
    auto *cmdOK = control<QPushButton>("cmdOK");
    cmdOK->setDefault(true);
    cancelButton = cmdOK;
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(control<QPushButton>("cmdSysInfo"), &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Form_Load();
}

void frmAbout::Form_Load()
{
    const QString title = QCoreApplication::applicationName();
    const QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    setWindowTitle(QStringLiteral("About ") + title);
    control<QLabel>("lblVersion")->setText(QStringLiteral("Version %1.%2.%3")
                                              .arg(version.majorVersion())
                                              .arg(version.minorVersion())
                                              .arg(version.microVersion()));
    control<QLabel>("lblTitle")->setText(title);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    info::StartSysInfo(this);
}

} // namespace info

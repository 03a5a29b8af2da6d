#include "info/HelpWindows.h"

#include "form/Fonts.h"
#include "form/Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace info {

namespace {

const QChar lf = QLatin1Char('\n');

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// Back to front: the picture lies behind the labels.
const std::vector<form::ControlDesign> &helpControls()
{
    using K = form::ControlKind;
    static const std::vector<form::ControlDesign> table = {
        {"Image1", K::Picture, {}, {4440, 360, 2175, 1935}, -1, ":/assets/help.jpg"},
        {"OKButton", K::Button, {}, {4920, 2520, 1215, 375}, 0, "OK"},
        {"Label1", K::WrappedText, {}, {120, 120, 4335, 615}, 2, {}, {}, {}, form::helpTitleFont},
        {"help", K::WrappedText, {}, {240, 840, 4335, 2295}, 1},
    };
    return table;
}

const std::vector<form::ControlDesign> &disclaimerControls()
{
    using K = form::ControlKind;
    static const std::vector<form::ControlDesign> table = {
        {"OKButton", K::Button, {}, {5880, 4800, 1215, 375}, 0, "OK"},
        {"Label1", K::WrappedText, {}, {120, 0, 6855, 4695}, 1},
    };
    return table;
}

// Each clause as it stands on its line, its leading and trailing blanks included.
const QString clauses[] = {
    "  1.  This software product is in no way affiliated with the national lottery or with any other "
    "lottery board anywhere in the world.",
    " 2.  This software product is free, and it is given as it is, without any charge and without "
    "support of any kind.",
    " 3.  No guarantee of any win is given or implied: the numbers it picks are as likely to lose as "
    "any other numbers.",
    " 4.  NORVANE makes no representations or warranties of any kind about the safety or suitability "
    "of this software product, or that it is free of harmful components.  ",
    " 5.  Although the author has attempted to find and correct the faults of this program, the author "
    "is not responsible for damage or losses of any kind arising from its use or misuse.",
    " 6.  There are inherent dangers in the use of any software, and you alone decide whether this "
    "software product suits your equipment and the other software installed on it. ",
    " 7.  You are also solely responsible for the protection of your equipment and the backup of your "
    "data, and NORVANE is not liable for any damages from using or distributing this software product. ",
    " 8.  This software product is created for ENTERTAINMENT PURPOSES only, and NORVANE is not liable "
    "for any monetary loss of any kind. ",
    " 9.  By using this software product you accept the terms of this disclaimer.",
};

} // namespace

Dialog::Dialog() : InfoWindow(QStringLiteral("Dialog"), {6915, 3255}, helpControls())
{
    setWindowTitle(QStringLiteral("Help Menu"));
    connect(control<QPushButton>("OKButton"), &QPushButton::clicked, this, &Dialog::OKButton_Click);
    Form_Load();
}

void Dialog::Form_Load()
{
    control<QLabel>("Label1")->setText(lf + blanks(18) + QStringLiteral("Help Menu"));
    QString HelpText(3, lf);
    HelpText += QStringLiteral("  This is a lotto quickpick and powerball quickpick generator") + lf + lf;
    HelpText += QStringLiteral(" 1. Choose the number of boards you wish to play") + lf;
    HelpText += QStringLiteral(" 2. Choose either the Lotto or Powerball button") + lf;
    HelpText += QStringLiteral(" 3.You can now save / print the results in the destination of ") + lf
                + QStringLiteral("    your Choice") + lf;
    control<QLabel>("help")->setText(HelpText);
}

void Dialog::OKButton_Click()
{
    close();
}

frmdis::frmdis() : InfoWindow(QStringLiteral("frmdis"), {7245, 5265}, disclaimerControls())
{
    setWindowTitle(QStringLiteral("Software Disclaimer"));
    connect(control<QPushButton>("OKButton"), &QPushButton::clicked, this, &frmdis::OKButton_Click);
    // The client area opens at a fixed place from the screen's top left corner.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    setGeometry(QRect(origin + QPoint(form::twipsToPixels(2760), form::twipsToPixels(3750)), size()));
    Form_Load();
}

void frmdis::Form_Load()
{
    QString DisclaimerText = lf + blanks(57) + QStringLiteral("Software Disclaimer");
    DisclaimerText += QString(3, lf);
    for (const QString &clause : clauses)
        DisclaimerText += clause + lf;
    control<QLabel>("Label1")->setText(DisclaimerText);
}

void frmdis::OKButton_Click()
{
    close();
}

} // namespace info

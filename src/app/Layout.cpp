#include "app/Layout.h"

#include "form/Fonts.h"

namespace app {

namespace {

constexpr int RowTop = 4080;
constexpr int RowPitch = 840;
constexpr int BallLeft = 1440;
constexpr int BallPitch = 840;

// Board k's images are numbered from here; Image7 is the logo, so board 1
// stops at Image6 and board 2 starts at Image8.
constexpr int firstImageNumber[] = {1, 8, 14, 20, 26, 32};

struct RowStyle {
    QColor color;
    Qt::Alignment alignment;
};

const RowStyle rowStyles[] = {
    {QColor(0, 255, 0), Qt::AlignHCenter},
    {QColor(255, 0, 0), Qt::AlignHCenter},
    {QColor(0, 255, 255), Qt::AlignLeft},
    {QColor(255, 255, 0), Qt::AlignHCenter},
    {QColor(255, 0, 255), Qt::AlignLeft},
    {QColor(255, 128, 0), Qt::AlignLeft},
};

std::vector<form::ControlDesign> buildTable()
{
    using K = form::ControlKind;
    const QColor white = Qt::white;
    std::vector<form::ControlDesign> t = {
        {"Label4", K::Label, {}, {240, 120, 855, 255}, 9, "Created by:", {}, white},
        {"Image7", K::Picture, {}, {1200, 0, 3210, 780}, -1, ":/assets/logo.jpg"},
        {"Label3", K::Label, {}, {5160, 0, 1095, 255}, 8, "Save Results:", {}, white},
        {"Command1", K::PictureButton, {}, {5280, 240, 855, 855}, 7, ":/assets/save.jpg", {}, white},
        {"Label13", K::Label, {}, {5280, 1200, 975, 255}, 21, "Print Results:", {}, white},
        {"Command2", K::PictureButton, {}, {5280, 1440, 855, 855}, 20, ":/assets/print.jpg", {}, white},
        {"Label1", K::Label, {}, {5280, 2400, 975, 255}, 5, "Exit Program:", {}, white},
        {"cmdexit", K::PictureButton, {}, {5280, 2640, 855, 855}, 3, ":/assets/exit.bmp", {}, white},
        {"Frame2", K::Frame, {}, {840, 960, 3855, 855}, 10, "Number of boards", {}, white},
        {"Label5", K::Label, "Frame2", {840, 360, 615, 255}, 11, "Play", {}, white},
        {"Combo1", K::ComboBox, "Frame2", {1440, 360, 735, 315}, 12},
        {"Label6", K::Label, "Frame2", {2400, 360, 735, 255}, 19, "Boards", {}, white},
        {"Frame1", K::Frame, {}, {720, 1920, 4095, 1095}, 0, "Which Ziventa would you like to create...", {}, white},
        // The game buttons belong to the window, not to Frame1: they only lie over it.
        {"CmdLotto", K::Button, {}, {1200, 2280, 1215, 495}, 1, "Lotto"},
        {"CmdPowerball", K::Button, {}, {3000, 2280, 1215, 495}, 2, "PowerBall"},
        {"Label2", K::Label, {}, {1560, 3120, 3495, 615}, 6, {}, {}, {}, form::gameTitleFont, Qt::AlignCenter},
        {"lblpowerball", K::Label, {}, {5400, 3600, 1095, 255}, 4, "PowerBall No:", {}, QColor(255, 255, 0)},
    };
    for (int k = 1; k <= 6; ++k) {
        const int rowTop = RowTop + RowPitch * (k - 1);
        const RowStyle &style = rowStyles[k - 1];
        t.push_back({QStringLiteral("Label%1").arg(6 + k), K::Label, {}, {120, rowTop, 1215, 495}, 12 + k,
                     QStringLiteral("Board %1").arg(k), style.color, Qt::black, form::rowLabelFont,
                     style.alignment | Qt::AlignVCenter});
        for (int j = 1; j <= 6; ++j)
            t.push_back({ballImageName(k, j), K::BallImage, {}, {BallLeft + BallPitch * (j - 1), rowTop, 615, 495}});
        // 120 twips outside the sixth ball on every side.
        t.push_back({frameShapeName(k), K::FrameShape, {}, {5520, rowTop - 120, 855, 735}});
    }
    return t;
}

} // namespace

const std::vector<form::ControlDesign> &controlTable()
{
    static const std::vector<form::ControlDesign> table = buildTable();
    return table;
}

QString ballImageName(int board, int position)
{
    return QStringLiteral("Image%1").arg(firstImageNumber[board - 1] + position - 1);
}

QString frameShapeName(int board)
{
    return QStringLiteral("Shape%1").arg(board);
}

} // namespace app

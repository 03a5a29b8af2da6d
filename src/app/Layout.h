#pragma once

#include "platform/Twips.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <vector>

namespace app {

// The window was designed in twips; every size below is in twips and is
// converted to pixels once, when the window is built.
using platform::TwipsPerInch;
using platform::twipsToPixels;
constexpr int ClientWidthTwips = 6585;
constexpr int ClientHeightTwips = 8970;

enum class ControlKind {
    Label,          // caption label, white background
    Logo,           // picture stretched to the control
    PictureButton,  // button showing only a picture on a white face
    Frame,          // titled group frame
    ComboBox,       // editable text with a drop-down list
    PushButton,
    Title,          // the big game title
    PowerballLabel, // "PowerBall No:" above the sixth column
    RowLabel,       // "Board k", seven-segment style
    BallImage,      // one ball of a board, picture at its own size
    FrameShape,     // outline round a board's powerball
};

struct ControlSpec {
    QString name;     // also the Qt object name
    ControlKind kind;
    QString parent;   // empty: the window's client area
    QRect twips;      // left, top, width, height relative to the parent
    int tabIndex;     // -1: the control has none
    QString caption;  // text, or the resource path of a picture
    QColor textColor = {};
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};

// Every control of the main window, parents before their children.
const std::vector<ControlSpec> &controlTable();

// The names of board k's six ball images (k from 1 to 6), left to right, and
// of its frame shape.
QString ballImageName(int board, int position);
QString frameShapeName(int board);

} // namespace app

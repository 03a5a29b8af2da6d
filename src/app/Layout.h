#pragma once

#include "form/ControlDesign.h"

#include <QString>
#include <vector>

namespace app {

// The client area's size as designed, in twips.
constexpr int ClientWidthTwips = 6585;
constexpr int ClientHeightTwips = 8970;

// Every control of the main window, parents before their children.
const std::vector<form::ControlDesign> &controlTable();

// The names of board k's six ball images (k from 1 to 6), left to right, and
// of its frame shape.
QString ballImageName(int board, int position);
QString frameShapeName(int board);

} // namespace app

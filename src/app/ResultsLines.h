#pragma once

#include "draw/BoardNumbers.h"
#include "draw/Game.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace app {

// The lines of the results file, kept apart from the window so they can be
// checked character by character. A line is a list of items laid out in
// print zones, as a sequential text print lays out a list of items.
constexpr int PrintZoneWidth = 14;

// A date as the line carries it: the locale's short date form, no time.
QString dateItem(const QDate &date, const QLocale &locale);
// A 16-bit integer as the print writes it: a blank where a plus sign would
// be (a minus sign for a negative), the digits, then one blank.
QString numberItem(std::int16_t number);
// The items joined on one line: each item after the first starts at the
// first zone start that leaves at least one blank after the one before it.
QString zonedLine(const QStringList &items);

// One line per board 1 to boards, all of one game, each carrying date.
QStringList resultsLines(const draw::Game &game, int boards,
                         const std::array<draw::BoardNumbers, draw::BoardCount> &numbers,
                         const QString &date);

} // namespace app

#include "app/ResultsLines.h"

#include <cstdlib>

namespace app {

QString dateItem(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

QString numberItem(std::int16_t number)
{
    const QChar sign = number < 0 ? QLatin1Char('-') : QLatin1Char(' ');
    return sign + QString::number(std::abs(int(number))) + QLatin1Char(' ');
}

QString zonedLine(const QStringList &items)
{
    QString line;
    int column = 0; // in characters, not UTF-16 units: a date may hold any script
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0) {
            const int zoneStart = (column / PrintZoneWidth + 1) * PrintZoneWidth;
            line += QString(zoneStart - column, QLatin1Char(' '));
            column = zoneStart;
        }
        line += items[i];
        column += int(items[i].toUcs4().size());
    }
    return line;
}

QStringList resultsLines(const draw::Game &game, int boards,
                         const std::array<draw::BoardNumbers, draw::BoardCount> &numbers,
                         const QString &date)
{
    QStringList lines;
    for (int k = 1; k <= boards && k <= draw::BoardCount; ++k) {
        const draw::BoardNumbers &board = numbers[k - 1];
        QStringList items = {date, QString::fromLatin1(game.name), QStringLiteral("Board %1").arg(k)};
        for (int p = 1; p <= draw::BallsPerBoard; ++p) {
            // The powerball stands apart from the five main numbers.
            if (game.hasPowerball() && p == draw::BallsPerBoard)
                items << QStringLiteral("-");
            items << numberItem(board[p]);
        }
        lines << zonedLine(items);
    }
    return lines;
}

} // namespace app

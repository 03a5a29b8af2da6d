// The results lines over any 16-bit numbers, any count of boards, any date
// in any locale, and any date text at all (any length, any UTF-16, lone
// surrogates too): never a crash, and every line laid out in its zones.
#include "app/ResultsLines.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// line is items laid out in zones: each item after the first starts at a
// zone start, after one to PrintZoneWidth blanks.
void checkZones(const QString &line, const QStringList &items)
{
    const QList<uint> text = line.toUcs4();
    qsizetype end = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QList<uint> item = items[i].toUcs4();
        qsizetype start = 0;
        if (i > 0) {
            start = (end / app::PrintZoneWidth + 1) * app::PrintZoneWidth;
            check(start <= text.size());
            check(std::all_of(text.begin() + end, text.begin() + start, [](uint c) { return c == uint(' '); }));
        }
        check(text.mid(start, item.size()) == item);
        end = start + item.size();
    }
    check(end == text.size());
}

QString numberText(std::int16_t n)
{
    const QString item = app::numberItem(n);
    check(item.size() >= 3 && item.endsWith(QLatin1Char(' ')));
    check(item.startsWith(QLatin1Char(n < 0 ? '-' : ' ')));
    check(item.mid(1).trimmed().toInt() == std::abs(int(n)));
    return item;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool lotto = input.ConsumeBool();
    const int boards = input.ConsumeIntegral<int>();
    std::array<draw::BoardNumbers, draw::BoardCount> numbers{};
    for (draw::BoardNumbers &board : numbers)
        for (std::int16_t &n : board)
            n = input.ConsumeIntegral<std::int16_t>();

    QString date;
    if (input.ConsumeBool()) {
        // Only the enums' own values: Qt reads past its locale tables for any
        // other, and the program only ever passes the system's locale.
        const QLocale locale(QLocale::Language(input.ConsumeIntegralInRange<int>(0, QLocale::LastLanguage)),
                             QLocale::Territory(input.ConsumeIntegralInRange<int>(0, QLocale::LastTerritory)));
        date = app::dateItem(QDate::fromJulianDay(input.ConsumeIntegral<qint64>()), locale);
    } else {
        const std::vector<std::uint8_t> bytes = input.ConsumeRemainingBytes<std::uint8_t>();
        date = QString(reinterpret_cast<const QChar *>(bytes.data()), qsizetype(bytes.size() / 2));
    }

    const QStringList lines = app::resultsLines(lotto ? draw::Lotto : draw::Powerball, boards, numbers, date);
    check(lines.size() == std::clamp(boards, 0, draw::BoardCount));
    for (qsizetype k = 1; k <= lines.size(); ++k) {
        QStringList items = {date, lotto ? QStringLiteral("Lotto") : QStringLiteral("PowerBall"),
                             QStringLiteral("Board %1").arg(k)};
        for (int p = 1; p <= draw::BallsPerBoard; ++p) {
            if (!lotto && p == draw::BallsPerBoard)
                items << QStringLiteral("-");
            items << numberText(numbers[k - 1][p]);
        }
        checkZones(lines[k - 1], items);
    }
    return 0;
}

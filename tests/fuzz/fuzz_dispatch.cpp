// A game click on the real window with any text in the board-count list: any
// length, any UTF-16 (lone surrogates and NUL too). Never a crash or a hang,
// and the ladder holds: "1" to "6" draws that many boards, the empty text
// gives one message, any other text changes nothing but the captions.
//
// Input: byte 0 chooses the click. Bit 0: Powerball (else Lotto); bit 1: the
// menu entry (else the button); bit 2: the text repeated to over 40000 code
// units. The rest is the text, UTF-16 in the machine's byte order.
#include "app/Application.h"
#include "app/BallPictures.h"
#include "app/Frmlotto.h"
#include "app/Layout.h"
#include "draw/Random.h"
#include "support/BoardCheck.h"
#include "support/FindControl.h"
#include "support/ScriptedModalUi.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Written into every array before a click: what a click leaves alone keeps it.
constexpr std::int16_t Untouched = -7;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// The program's own generator, seeded from the input so a finding repeats,
// with a clock that stands still; it counts the board draws by their re-seeds.
class InputRandom final : public draw::RandomSource {
public:
    void start(std::uint64_t seed)
    {
        generator = draw::ClockMixedRandom(seed, [] { return std::uint64_t(0); });
        reseeds = 0;
    }
    void reseed() override
    {
        ++reseeds;
        generator.reseed();
    }
    double next() override { return generator.next(); }

    int reseeds = 0;

private:
    draw::ClockMixedRandom generator{0, [] { return std::uint64_t(0); }};
};

// Made once and kept for the life of the process: each input is one more
// click on the same window, from wherever the clicks before it left it.
struct Harness {
    app::Frmlotto *window;
    ScriptedModalUi *modal;
    InputRandom *random;
};

Harness &harness()
{
    static Harness made = [] {
        static int argc = 1;
        static char name[] = "fuzz_dispatch";
        static char *argv[] = {name, nullptr};
        auto *application = new QApplication(argc, argv);
        app::configureApplication(*application);
        // The ball pictures are read from Numbers under the current directory.
        check(QDir::setCurrent(QStringLiteral(ZIVENTA_SOURCE_DIR)));
        auto *window = new app::Frmlotto;
        window->show();
        auto *random = new InputRandom;
        window->randomSource = random;
        return Harness{window, new ScriptedModalUi, random};
    }();
    return made;
}

template <typename T = QWidget>
T *control(const char *name)
{
    return findControl<T>(*harness().window, QString::fromLatin1(name));
}

int boardCount(const QString &text)
{
    static const QStringList counts = {"1", "2", "3", "4", "5", "6"};
    return int(counts.indexOf(text) + 1);
}

QString cell(int k, int p)
{
    const auto *image = control<QLabel>(qPrintable(app::ballImageName(k, p)));
    return QStringLiteral("%1|%2|%3").arg(image->property("picturePath").toString(), image->text())
        .arg(image->pixmap().isNull());
}

// Everything a click may change but the captions, as text.
QStringList screen()
{
    const app::Frmlotto &window = *harness().window;
    QStringList lines;
    for (int k = 1; k <= 6; ++k) {
        for (int p = 1; p <= 6; ++p)
            lines << cell(k, p);
        lines << QString::number(control(qPrintable(app::frameShapeName(k)))->isHidden());
        for (int p = 0; p <= 6; ++p)
            lines << QString::number(window.LottoNumbers[k - 1][p]) << QString::number(window.PowerballNumbers[k - 1][p]);
    }
    lines << QString::number(control("lblpowerball")->isHidden()) << QString::number(window.LottoPending)
          << QString::number(window.ShownBoards);
    return lines;
}

void checkDrawn(bool lotto, int boards)
{
    const app::Frmlotto &window = *harness().window;
    for (int k = 1; k <= 6; ++k) {
        const bool drawn = k <= boards;
        const auto &numbers = (lotto ? window.LottoNumbers : window.PowerballNumbers)[k - 1];
        const auto &other = (lotto ? window.PowerballNumbers : window.LottoNumbers)[k - 1];
        check(std::all_of(other.begin(), other.end(), [](std::int16_t n) { return n == Untouched; }));
        if (drawn)
            check(isDrawnBoard(numbers, !lotto, Untouched));
        else
            check(std::all_of(numbers.begin(), numbers.end(), [](std::int16_t n) { return n == Untouched; }));
        for (int p = 1; p <= 6; ++p)
            check(cell(k, p) == (drawn ? QStringLiteral("%1||0").arg(app::ballPicturePath(numbers[p])) : "||1"));
        check(control(qPrintable(app::frameShapeName(k)))->isHidden() == (lotto || !drawn));
    }
    check(control("lblpowerball")->isHidden() == lotto);
    check(window.LottoPending == (lotto ? 1 : 0));
    check(window.ShownBoards == boards);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    Harness &h = harness();
    const bool lotto = !(data[0] & 1);
    const bool menu = data[0] & 2;
    QString text((size - 1) / 2, Qt::Uninitialized);
    std::memcpy(text.data(), data + 1, text.size() * sizeof(QChar));
    if ((data[0] & 4) && !text.isEmpty())
        text = text.repeated(40000 / text.size() + 1);

    for (auto *arrays : {&h.window->LottoNumbers, &h.window->PowerballNumbers})
        for (draw::BoardNumbers &board : *arrays)
            board.fill(Untouched);
    h.random->start(qHashBits(data, size));
    h.modal->messages.clear();
    auto *combo = control<QComboBox>("Combo1");
    combo->setEditText(text);
    const QString typed = combo->currentText();
    const QStringList before = screen();

    if (menu)
        control<QAction>(lotto ? "mnulotto" : "mnuPowerball")->trigger();
    else
        control<QPushButton>(lotto ? "CmdLotto" : "CmdPowerball")->click();

    check(combo->currentText() == typed);
    const int boards = boardCount(text);
    check(h.random->reseeds == boards);
    if (boards > 0)
        checkDrawn(lotto, boards);
    else
        check(screen() == before);
    check(h.modal->messages.size() == (text.isEmpty() ? 1 : 0));
    if (text.isEmpty())
        check(h.modal->messages[0] == okBox("Please select the number of boards you wish to play"));
    check(control<QPushButton>("CmdLotto")->text() == (lotto ? "Roll Again..." : "Lotto"));
    check(control<QPushButton>("CmdPowerball")->text() == (lotto ? "PowerBall" : "Roll Again..."));
    check(control<QLabel>("Label2")->text() == (lotto ? "Lotto" : "PowerBall"));
    check(!control<QLabel>("Image7")->pixmap().isNull());
    return 0;
}

// Game clicks on the real window: the board-count ladder, what the draws put
// on screen and in the arrays, and pictures that cannot be loaded.
#include "app/BallPictures.h"
#include "app/Frmlotto.h"
#include "app/Layout.h"
#include "support/GifFixture.h"
#include "support/PictureFolder.h"
#include "support/ScriptedModalUi.h"
#include "support/ScriptedRandom.h"
#include "support/FileKinds.h"
#include "support/TestMain.h"
#include "support/WindowUnderTest.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <vector>

using draw::BoardNumbers;

namespace {

// Board k of a scripted click. salt tells the boards of two clicks apart.
std::vector<int> lottoBoard(int k, int salt)
{
    return {k + salt, k + 10 + salt, k + 20 + salt, k + 30 + salt, k + 40 + salt, 49 - k - salt};
}

std::vector<int> powerballMains(int k, int salt)
{
    return {k + salt, k + 10 + salt, k + 20 + salt, k + 30 + salt, k + 40 + salt};
}

int powerballOf(int k, int salt)
{
    return 21 - k - salt;
}

// The array board k of the game holds after its scripted draw.
BoardNumbers expectedNumbers(bool lotto, int k, int salt)
{
    std::vector<int> shown = lotto ? lottoBoard(k, salt) : powerballMains(k, salt);
    std::sort(shown.begin(), shown.end());
    if (!lotto)
        shown.push_back(powerballOf(k, salt));
    BoardNumbers numbers{};
    std::copy(shown.begin(), shown.end(), numbers.begin() + 1);
    return numbers;
}

// Queues boards 1 to n of the game, each drawn in descending order so that
// the sort has work to do.
void queueBoards(ScriptedRandom &random, bool lotto, int n, int salt)
{
    for (int k = 1; k <= n; ++k) {
        std::vector<int> drawn = lotto ? lottoBoard(k, salt) : powerballMains(k, salt);
        std::reverse(drawn.begin(), drawn.end());
        random.yieldAll(49, drawn);
        if (!lotto)
            random.yield(20, {powerballOf(k, salt)});
    }
}

// Writes down the Show and Hide events of the widgets it watches.
class VisibilityLog final : public QObject {
public:
    QStringList events;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            events << watched->objectName() + (event->type() == QEvent::Show ? " shown" : " hidden");
        return false;
    }
};

QString numbersText(const BoardNumbers &numbers)
{
    QStringList parts;
    for (std::int16_t n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestDispatch : public QObject, private WindowUnderTest {
    Q_OBJECT

    void click(bool lotto, const QString &count, bool menu = false)
    {
        control<QComboBox>("Combo1")->setEditText(count);
        if (menu)
            control<QAction>(lotto ? "mnulotto" : "mnuPowerball")->trigger();
        else
            QTest::mouseClick(control<QPushButton>(lotto ? "CmdLotto" : "CmdPowerball"), Qt::LeftButton);
    }

    QLabel *image(int k, int p) const { return control<QLabel>(app::ballImageName(k, p)); }
    bool shown(const QString &name) const { return !control(name)->isHidden(); }

    // What a cell shows: its picture's file, or its text, or nothing.
    QString cell(int k, int p) const
    {
        QLabel *label = image(k, p);
        const QString path = label->property("picturePath").toString();
        if (label->pixmap().isNull() != path.isEmpty())
            return QStringLiteral("picture and path disagree");
        return path.isEmpty() ? label->text() : path;
    }

    QStringList rowCells(int k) const
    {
        QStringList cells;
        for (int p = 1; p <= 6; ++p)
            cells << cell(k, p);
        return cells;
    }

    static QStringList picturesOf(const BoardNumbers &numbers)
    {
        QStringList cells;
        for (int p = 1; p <= 6; ++p)
            cells << app::ballPicturePath(numbers[p]);
        return cells;
    }

    // Everything a click may change, as text, so a comparison shows where
    // two states part.
    QStringList screen() const
    {
        QStringList lines;
        for (int k = 1; k <= 6; ++k) {
            lines << QStringLiteral("row %1: %2, frame %3").arg(k).arg(rowCells(k).join(", "))
                         .arg(shown(app::frameShapeName(k)));
            lines << QStringLiteral("Lotto %1: %2").arg(k).arg(numbersText(window->LottoNumbers[k - 1]));
            lines << QStringLiteral("Powerball %1: %2").arg(k).arg(numbersText(window->PowerballNumbers[k - 1]));
        }
        lines << QStringLiteral("label %1, pending %2, shown %3")
                     .arg(shown("lblpowerball")).arg(window->LottoPending).arg(window->ShownBoards);
        return lines;
    }

    void checkCaptions(bool lotto) const
    {
        QCOMPARE(control<QPushButton>("CmdLotto")->text(), lotto ? QStringLiteral("Roll Again...") : QStringLiteral("Lotto"));
        QCOMPARE(control<QPushButton>("CmdPowerball")->text(),
                 lotto ? QStringLiteral("PowerBall") : QStringLiteral("Roll Again..."));
        QCOMPARE(control<QLabel>("Label2")->text(), lotto ? QStringLiteral("Lotto") : QStringLiteral("PowerBall"));
    }

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void ladder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("lotto");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<int>("boards");
        const std::pair<const char *, int> texts[] = {
            {"", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}, {"6", 6},
            {" 3", 0}, {"3 ", 0}, {"03", 0}, {"3.0", 0}, {"7", 0}, {"0", 0}, {" ", 0}, {"three", 0},
        };
        for (bool lotto : {true, false})
            for (bool menu : {false, true})
                for (const auto &[text, boards] : texts)
                    QTest::addRow("%s %s \"%s\"", lotto ? "Lotto" : "Powerball", menu ? "menu" : "button", text)
                        << QString::fromLatin1(text) << lotto << menu << boards;
    }

    // Each click follows two boards of the other game, so what a click leaves
    // alone, clears or hides can be seen.
    void ladder()
    {
        QFETCH(QString, text);
        QFETCH(bool, lotto);
        QFETCH(bool, menu);
        QFETCH(int, boards);
        ScriptedModalUi &modal = *ui;
        ScriptedRandom random;
        window->randomSource = &random;
        queueBoards(random, !lotto, 2, 1);
        click(!lotto, "2");
        const QStringList before = screen();
        const std::int16_t pendingBefore = window->LottoPending;

        queueBoards(random, lotto, boards, 0);
        click(lotto, text, menu);

        QVERIFY(random.values.isEmpty());
        QCOMPARE(random.reseeds.size(), 2 + boards);
        if (text.isEmpty()) {
            QCOMPARE(modal.messages, QList{okBox("Please select the number of boards you wish to play")});
        } else {
            QCOMPARE(modal.messages.size(), 0);
        }
        checkCaptions(lotto);
        QVERIFY(!control<QLabel>("Image7")->pixmap().isNull());

        if (boards == 0) {
            QCOMPARE(screen(), before);
            QCOMPARE(window->LottoPending, pendingBefore);
            return;
        }
        for (int k = 1; k <= 6; ++k) {
            const bool drawn = k <= boards;
            const auto &numbers = lotto ? window->LottoNumbers : window->PowerballNumbers;
            const auto &other = lotto ? window->PowerballNumbers : window->LottoNumbers;
            QCOMPARE(numbers[k - 1], drawn ? expectedNumbers(lotto, k, 0) : BoardNumbers{});
            QCOMPARE(other[k - 1], k <= 2 ? expectedNumbers(!lotto, k, 1) : BoardNumbers{});
            QCOMPARE(rowCells(k), drawn ? picturesOf(numbers[k - 1]) : QStringList(6, QString()));
            QCOMPARE(shown(app::frameShapeName(k)), !lotto && drawn);
        }
        QCOMPARE(shown("lblpowerball"), !lotto);
        QCOMPARE(window->LottoPending, std::int16_t(lotto ? 1 : 0));
        QCOMPARE(window->ShownBoards, std::int16_t(boards));
    }

    void fewerBoardsAfterMore_data()
    {
        QTest::addColumn<bool>("lotto");
        QTest::newRow("Lotto") << true;
        QTest::newRow("Powerball") << false;
    }

    // "6" then "3": rows 4 to 6 empty with their frames hidden, while their
    // arrays keep the first click's numbers.
    void fewerBoardsAfterMore()
    {
        QFETCH(bool, lotto);
        ScriptedRandom random;
        window->randomSource = &random;
        queueBoards(random, lotto, 6, 1);
        click(lotto, "6");
        queueBoards(random, lotto, 3, 0);
        click(lotto, "3");
        const auto &numbers = lotto ? window->LottoNumbers : window->PowerballNumbers;
        for (int k = 1; k <= 6; ++k) {
            const bool redrawn = k <= 3;
            QCOMPARE(numbers[k - 1], expectedNumbers(lotto, k, redrawn ? 0 : 1));
            QCOMPARE(rowCells(k), redrawn ? picturesOf(numbers[k - 1]) : QStringList(6, QString()));
            QCOMPARE(shown(app::frameShapeName(k)), !lotto && redrawn);
        }
        QCOMPARE(shown("lblpowerball"), !lotto);
        QCOMPARE(window->ShownBoards, std::int16_t(3));
    }

    void marksChangeOnlyWhatChanges_data()
    {
        QTest::addColumn<bool>("lottoBefore");
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("lotto");
        QTest::addColumn<int>("boards");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("Powerball 3, then Powerball 2") << false << 3 << false << 2 << QStringList{"Shape3 hidden"};
        QTest::newRow("Powerball 2, then Powerball 3") << false << 2 << false << 3 << QStringList{"Shape3 shown"};
        QTest::newRow("Powerball 2 twice") << false << 2 << false << 2 << QStringList{};
        QTest::newRow("Lotto 2, then Lotto 3") << true << 2 << true << 3 << QStringList{};
        QTest::newRow("Powerball 2, then Lotto 2")
            << false << 2 << true << 2 << QStringList{"Shape1 hidden", "Shape2 hidden", "lblpowerball hidden"};
        QTest::newRow("Lotto 2, then Powerball 2")
            << true << 2 << false << 2 << QStringList{"Shape1 shown", "Shape2 shown", "lblpowerball shown"};
    }

    // A click sets the powerball frames and label once each, to where it
    // leaves them: what stays shown is never hidden and shown again.
    void marksChangeOnlyWhatChanges()
    {
        QFETCH(bool, lottoBefore);
        QFETCH(int, before);
        QFETCH(bool, lotto);
        QFETCH(int, boards);
        QFETCH(QStringList, events);
        ScriptedRandom random;
        window->randomSource = &random;
        queueBoards(random, lottoBefore, before, 1);
        click(lottoBefore, QString::number(before));
        VisibilityLog log;
        control("lblpowerball")->installEventFilter(&log);
        for (int k = 1; k <= 6; ++k)
            control(app::frameShapeName(k))->installEventFilter(&log);

        queueBoards(random, lotto, boards, 0);
        click(lotto, QString::number(boards));
        log.events.sort();
        QCOMPARE(log.events, events);
    }

    // Each display reads the file again: a picture replaced on disk between
    // two clicks shows replaced.
    void picturesAreReadAfresh()
    {
        PictureFolder folder;
        QVERIFY(folder.isReady());
        ScriptedRandom random;
        window->randomSource = &random;
        auto pixels = [](const QImage &picture) { return picture.convertToFormat(QImage::Format_ARGB32); };
        random.yield(49, {1, 2, 3, 4, 5, 6});
        click(true, "1");
        QCOMPARE(image(1, 3)->property("picturePath").toString(), QStringLiteral("Numbers/ball_3.gif"));
        QCOMPARE(pixels(image(1, 3)->pixmap().toImage()), pixels(QImage("Numbers/ball_3.gif")));

        QVERIFY(folder.copyPicture(40, 3));
        random.yield(49, {1, 2, 3, 4, 5, 6});
        click(true, "1");
        QCOMPARE(image(1, 3)->property("picturePath").toString(), QStringLiteral("Numbers/ball_3.gif"));
        QCOMPARE(pixels(image(1, 3)->pixmap().toImage()), pixels(QImage("Numbers/ball_40.gif")));
    }

    void unloadablePictures_data()
    {
        QTest::addColumn<QString>("breakage"); // of ball_23.gif; "bytes": it holds ball23
        QTest::addColumn<QByteArray>("ball23");
        QTest::addColumn<bool>("corrupt7");    // ball_7.gif holds bytes that are no picture
        QTest::addColumn<QString>("message");  // but for a missing folder
        QFile ball(app::ballPicturePath(23));
        QVERIFY(ball.open(QIODevice::ReadOnly));
        const QByteArray whole = ball.readAll();
        const QString cannot23 = QStringLiteral("Cannot load the ball picture Numbers/ball_23.gif");
        QTest::newRow("23 missing, 7 no picture: one line a file, in the order they failed")
            << "missing" << QByteArray() << true
            << cannot23 + QStringLiteral("\nCannot load the ball picture Numbers/ball_7.gif");
        QTest::newRow("no Numbers folder") << "no folder" << QByteArray() << false << QString();
        QTest::newRow("zero bytes") << "bytes" << QByteArray("") << false << cannot23;
        // Qt's reader shows such a cut with its missing rows painted over.
        QTest::newRow("a ball GIF cut in its pixels") << "bytes" << whole.left(whole.size() / 2) << false << cannot23;
        QTest::newRow("a GIF claiming 30000 x 30000") << "bytes" << gifClaiming(30000, 30000) << false << cannot23;
        // Under Qt's reader's own limit: only the program's cap refuses it.
        QTest::newRow("a GIF claiming 3000 x 3000") << "bytes" << gifClaiming(3000, 3000) << false << cannot23;
        // Its screen takes the image's width: 20000 x 20000 in all.
        QTest::newRow("a GIF 0 x 20000 over an image 20000 x 1")
            << "bytes" << gifClaiming(QSize(0, 20000), QSize(20000, 1)) << false << cannot23;
        // Not waited on: a FIFO without a writer would hold the click for good.
        QTest::newRow("a FIFO") << "FIFO" << QByteArray() << false << cannot23;
        QTest::newRow("a socket") << "socket" << QByteArray() << false << cannot23;
        QTest::newRow("a folder") << "folder" << QByteArray() << false << cannot23;
        QTest::newRow("a link to a device") << "device" << QByteArray() << false << cannot23;
    }

    // A picture missing or broken, or no folder of pictures at all, costs
    // only its own cells: every board is drawn, stored and closed off, a
    // cell without its picture shows its number, and one message says what
    // is wrong. A click that needs no broken picture says nothing, and once
    // the pictures are back a click shows them.
    void unloadablePictures()
    {
        QFETCH(QString, breakage);
        QFETCH(QByteArray, ball23);
        QFETCH(bool, corrupt7);
        QFETCH(QString, message);
        PictureFolder folder;
        QVERIFY(folder.isReady());
        const QByteArray whole23 = folder.bytes(23);
        const QByteArray whole7 = folder.bytes(7);
        const bool folderMissing = breakage == "no folder";
        const QString path = app::ballPicturePath(23);
        if (folderMissing)
            QVERIFY(QDir().rename("Numbers", "Numbers.away"));
        else if (breakage == "bytes")
            QVERIFY(folder.write(23, ball23));
        else
            QVERIFY(folder.remove(23));
        if (breakage == "FIFO")
            QVERIFY(makeFifo(path));
        else if (breakage == "socket")
            QVERIFY(makeSocket(path));
        else if (breakage == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (breakage == "device")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        if (corrupt7)
            QVERIFY(folder.corrupt(7));
        ScriptedModalUi &modal = *ui;
        ScriptedRandom random;
        window->randomSource = &random;
        const BoardNumbers boards[] = {{0, 1, 2, 3, 4, 5, 6}, {0, 10, 11, 12, 23, 30, 31}, {0, 7, 8, 9, 23, 40, 41}};
        auto queue = [&] {
            for (const BoardNumbers &board : boards)
                random.yieldAll(49, std::vector<int>(board.begin() + 1, board.end()));
        };
        queue();
        click(true, "3");

        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(window->LottoNumbers[k - 1], boards[k - 1]);
            QStringList cells = picturesOf(boards[k - 1]);
            for (int p = 1; p <= 6; ++p) {
                const int n = boards[k - 1][p];
                if (folderMissing || n == 23 || (corrupt7 && n == 7))
                    cells[p - 1] = QString::number(n);
            }
            QCOMPARE(rowCells(k), cells);
        }
        QCOMPARE(window->ShownBoards, std::int16_t(3));
        QCOMPARE(window->LottoPending, std::int16_t(1));
        checkCaptions(true);
        const QString absentFolder = QDir::toNativeSeparators(QDir::current().absoluteFilePath("Numbers"));
        QCOMPARE(modal.messages,
                 QList{okBox(folderMissing ? QStringLiteral("Cannot find the folder of ball pictures %1").arg(absentFolder)
                                           : message,
                             QMessageBox::Critical)});

        if (!folderMissing) {
            // The broken files are still broken, but no board needs them now.
            random.yield(49, {1, 2, 3, 4, 5}).yield(20, {6}).yield(49, {10, 11, 12, 13, 14}).yield(20, {15});
            click(false, "2");
            QCOMPARE(modal.messages.size(), 1);
            QCOMPARE(rowCells(1), picturesOf(window->PowerballNumbers[0]));
            QCOMPARE(rowCells(2), picturesOf(window->PowerballNumbers[1]));
            QCOMPARE(rowCells(3), QStringList(6, QString()));
            checkCaptions(false);
        }

        if (folderMissing)
            QVERIFY(QDir().rename("Numbers.away", "Numbers"));
        else if (breakage == "folder")
            QVERIFY(QDir().rmdir(path));
        else if (breakage != "bytes" && breakage != "missing")
            QVERIFY(folder.remove(23));
        if (!folderMissing)
            QVERIFY(folder.write(23, whole23) && folder.write(7, whole7));
        queue();
        click(true, "3");
        QCOMPARE(modal.messages.size(), 1);
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(rowCells(k), picturesOf(boards[k - 1]));
    }
};

ZIVENTA_TEST_MAIN(TestDispatch)
#include "tst_dispatch.moc"

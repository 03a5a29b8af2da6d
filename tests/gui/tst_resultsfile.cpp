// The save button: which boards reach the file, the dialog it asks, and what
// a failed save leaves behind.
#include "app/Frmlotto.h"
#include "support/FileKinds.h"
#include "support/FileSizeLimit.h"
#include "support/KernelGuards.h"
#include "support/ScratchMount.h"
#include "support/ScriptedModalUi.h"
#include "support/ScriptedRandom.h"
#include "support/TestMain.h"
#include "support/WindowUnderTest.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using app::Frmlotto;

namespace {

// An entry of the game table.
using Game = const draw::Game *;

// The numbers every test puts on screen: board k of each game, and the line
// the save writes for it, after the date's zone.
draw::BoardNumbers lottoBoard(int k)
{
    return {0, std::int16_t(k), std::int16_t(10 + k), std::int16_t(20 + k), std::int16_t(30 + k),
            std::int16_t(40 + k), std::int16_t(43 + k)};
}

draw::BoardNumbers powerballBoard(int k)
{
    return {0, std::int16_t(k), std::int16_t(10 + k), std::int16_t(20 + k), std::int16_t(30 + k),
            std::int16_t(40 + k), std::int16_t(14 + k)};
}

const char *const lottoTails[] = {
    "Lotto         Board 1        1             11            21            31            41            44 ",
    "Lotto         Board 2        2             12            22            32            42            45 ",
    "Lotto         Board 3        3             13            23            33            43            46 ",
    "Lotto         Board 4        4             14            24            34            44            47 ",
    "Lotto         Board 5        5             15            25            35            45            48 ",
    "Lotto         Board 6        6             16            26            36            46            49 ",
};

const char *const powerballTails[] = {
    "PowerBall     Board 1        1             11            21            31            41           -              15 ",
    "PowerBall     Board 2        2             12            22            32            42           -              16 ",
    "PowerBall     Board 3        3             13            23            33            43           -              17 ",
    "PowerBall     Board 4        4             14            24            34            44           -              18 ",
    "PowerBall     Board 5        5             15            25            35            45           -              19 ",
    "PowerBall     Board 6        6             16            26            36            46           -              20 ",
};

#ifdef Q_OS_WIN
constexpr char LineEnd[] = "\r\n";
#else
constexpr char LineEnd[] = "\n";
#endif

const QDate PressedOn(2024, 3, 5);

// The file the save writes for boards 1 to n of game, dated date.
QByteArray expectedFile(Game game, int n, const QDate &date = PressedOn)
{
    const QString dateText = QLocale::system().toString(date, QLocale::ShortFormat);
    QByteArray bytes;
    for (int k = 1; k <= n; ++k) {
        const char *tail = game == &draw::Lotto ? lottoTails[k - 1] : powerballTails[k - 1];
        bytes += (dateText.leftJustified(14) + QString::fromLatin1(tail)).toUtf8() + LineEnd;
    }
    return bytes;
}

const QString SaveFailed = QStringLiteral("Unable to save current content to the disk...!");

// One step of a scenario: boards put on screen, directly or by a game click
// with a text in Combo1 and the boards the generator is scripted for; a count
// typed with no click; a press of the save button answered with a file name
// (empty: cancelled); or a saved file removed.
struct Step {
    enum Kind { Show, Play, Type, Save, Remove } kind;
    Game game = &draw::Lotto;
    int boards = 0; // Show: put on screen; Play: drawn by the click
    QString text;   // Play, Type: the text in Combo1; Save, Remove: the file name
};

Step show(Game game, int boards)
{
    return {Step::Show, game, boards, {}};
}

Step play(Game game, const QString &text, int drawn)
{
    return {Step::Play, game, drawn, text};
}

Step type(const QString &text)
{
    return {Step::Type, &draw::Lotto, 0, text};
}

Step save(const QString &fileName)
{
    return {Step::Save, &draw::Lotto, 0, fileName};
}

Step removeFile(const QString &fileName)
{
    return {Step::Remove, &draw::Lotto, 0, fileName};
}

// The same steps with every Show made by a click on the game's button with
// the count in Combo1, as a user puts boards on screen.
QList<Step> clicked(QList<Step> steps)
{
    for (Step &step : steps)
        if (step.kind == Step::Show)
            step = play(step.game, QString::number(step.boards), step.boards);
    return steps;
}

// The permission bits of the file at path, following a link.
int modeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

Q_DECLARE_METATYPE(Step)

namespace {

// Scripts the draws of boards 1 to n of game so they come out as
// lottoBoard(k) / powerballBoard(k), drawn high to low.
void queueBoards(ScriptedRandom &random, Game game, int n)
{
    for (int k = 1; k <= n; ++k) {
        const draw::BoardNumbers b = game == &draw::Lotto ? lottoBoard(k) : powerballBoard(k);
        const int mains = game == &draw::Lotto ? 6 : 5;
        QList<int> numbers;
        for (int p = mains; p >= 1; --p)
            numbers << b[p];
        random.yieldAll(49, numbers);
        if (game == &draw::Powerball)
            random.yieldAll(20, QList<int>{b[6]});
    }
}

} // namespace

class TestResultsFile : public QObject, private WindowUnderTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QDate clock;

    // What a click that draws leaves on screen: the boards' numbers, the
    // flag of the game and the count.
    void showBoards(Game game, int n)
    {
        for (int k = 1; k <= n; ++k) {
            if (game == &draw::Lotto)
                window->LottoNumbers[k - 1] = lottoBoard(k);
            else
                window->PowerballNumbers[k - 1] = powerballBoard(k);
        }
        window->LottoPending = game == &draw::Lotto ? 1 : 0;
        window->ShownBoards = std::int16_t(n);
    }

    void pressSave(const QString &answer)
    {
        ui->saveAnswers << answer;
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        ui->saveAnswers.clear(); // an answer the save never asked for must not reach the next one
    }

    QString inDir(const QString &name) const { return dir->filePath(name); }

    // The save failed in the one way it reports, and nothing else moved.
    void checkFailed(std::int16_t pending, std::int16_t shown)
    {
        QCOMPARE(ui->messages, QList{okBox(SaveFailed, QMessageBox::Critical, QStringLiteral("Error saving file"))});
        QCOMPARE(window->windowTitle(), QStringLiteral("File not saved...!"));
        QCOMPARE(window->LottoPending, pending);
        QCOMPARE(window->ShownBoards, shown);
    }

    // A later save that works takes the failure caption away again.
    void checkLaterSaveRestores(Game game, int n)
    {
        ui->messages.clear();
        pressSave(inDir(QStringLiteral("later.txt")));
        QVERIFY(ui->messages.isEmpty());
        QCOMPARE(window->windowTitle(), QStringLiteral("Ziventa"));
        QCOMPARE(readAll(inDir(QStringLiteral("later.txt"))), expectedFile(game, n));
    }

private slots:
    void init()
    {
        QVERIFY(openWindow());
        clock = PressedOn;
        window->today = [this] { return clock; };
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        QVERIFY2(QLocale::system().toString(PressedOn, QLocale::ShortFormat).size() <= 13,
                 "the expected lines assume a short date that fits its zone");
    }

    void cleanup()
    {
        closeWindow();
        dir.reset();
    }

    // Every scenario that puts boards on screen runs twice: once with the
    // window's state set directly, once by real clicks on the game buttons.
    void scenarios_data()
    {
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QByteArray>("file"); // of out.txt; empty: no file at all
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("dialogs");

        const QString out = QStringLiteral("out.txt");
        auto bothWays = [](const char *name, const QList<Step> &steps, const QByteArray &file, int dialogs) {
            QTest::addRow("%s, state set", name) << steps << file << QStringList{} << dialogs;
            QTest::addRow("%s, clicked", name) << clicked(steps) << file << QStringList{} << dialogs;
        };
        bothWays("Lotto, 3 boards", {show(&draw::Lotto, 3), save(out)}, expectedFile(&draw::Lotto, 3), 1);
        bothWays("the same save twice", {show(&draw::Lotto, 3), save(out), save(out)}, expectedFile(&draw::Lotto, 3), 2);
        bothWays("the same save after its file was removed",
                 {show(&draw::Lotto, 3), save(out), removeFile(out), save(out)}, expectedFile(&draw::Lotto, 3), 2);
        bothWays("Powerball, 6 boards", {show(&draw::Powerball, 6), save(out)}, expectedFile(&draw::Powerball, 6), 1);
        bothWays("Lotto, then Powerball on screen", {show(&draw::Lotto, 5), show(&draw::Powerball, 2), save(out)},
                 expectedFile(&draw::Powerball, 2), 1);
        bothWays("Powerball, then fewer Lotto boards", {show(&draw::Powerball, 6), show(&draw::Lotto, 1), save(out)},
                 expectedFile(&draw::Lotto, 1), 1);
        bothWays("cancelled", {show(&draw::Lotto, 2), save(QString())}, QByteArray(), 1);
        bothWays("cancelled after a save", {show(&draw::Lotto, 2), save(out), show(&draw::Powerball, 4), save(QString())},
                 expectedFile(&draw::Lotto, 2), 2);
        QTest::newRow("before any draw") << QList<Step>{save(out)} << QByteArray()
                                         << QStringList{"There are no results to save yet."} << 0;
        // The file holds what the last click that drew put on screen.
        QTest::newRow("an invalid count between draw and save")
            << QList<Step>{play(&draw::Lotto, "4", 4), play(&draw::Powerball, "7", 0), save(out)}
            << expectedFile(&draw::Lotto, 4) << QStringList{} << 1;
        QTest::newRow("the count changed after the draw")
            << QList<Step>{play(&draw::Powerball, "2", 2), type("4"), save(out)} << expectedFile(&draw::Powerball, 2)
            << QStringList{} << 1;
        QTest::newRow("an empty count before any draw")
            << QList<Step>{play(&draw::Lotto, "", 0), save(out)} << QByteArray()
            << QStringList{"Please select the number of boards you wish to play", "There are no results to save yet."}
            << 0;
    }

    void scenarios()
    {
        QFETCH(QList<Step>, steps);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, messages);
        QFETCH(int, dialogs);
        ScriptedRandom random;
        window->randomSource = &random;
        auto *combo = window->findChild<QComboBox *>(QStringLiteral("Combo1"));
        QVERIFY(combo);

        for (const Step &step : steps) {
            switch (step.kind) {
            case Step::Show:
                showBoards(step.game, step.boards);
                break;
            case Step::Play:
                queueBoards(random, step.game, step.boards);
                combo->setEditText(step.text);
                QTest::mouseClick(window->findChild<QPushButton *>(
                                      step.game == &draw::Lotto ? QStringLiteral("CmdLotto") : QStringLiteral("CmdPowerball")),
                                  Qt::LeftButton);
                QVERIFY(random.values.isEmpty());
                break;
            case Step::Type:
                combo->clearEditText();
                QTest::keyClicks(combo, step.text);
                QCOMPARE(combo->currentText(), step.text);
                break;
            case Step::Remove:
                QVERIFY(QFile::remove(inDir(step.text)));
                break;
            case Step::Save: {
                const std::int16_t pending = window->LottoPending;
                const std::int16_t shown = window->ShownBoards;
                pressSave(step.text.isEmpty() ? QString() : inDir(step.text));
                // Saving shows the boards; it changes nothing of what is on screen.
                QCOMPARE(window->LottoPending, pending);
                QCOMPARE(window->ShownBoards, shown);
                break;
            }
            }
        }

        QList<platform::Message> asked;
        for (const QString &text : messages)
            asked << okBox(text);
        QCOMPARE(ui->messages, asked);
        QCOMPARE(ui->saveRequests.size(), dialogs);
        QCOMPARE(window->windowTitle(), QStringLiteral("Ziventa"));
        if (file.isEmpty())
            QCOMPARE(entriesOf(dir->path()), QStringList{});
        else
            QCOMPARE(readAll(inDir(QStringLiteral("out.txt"))), file);
    }

    void dialogAsked()
    {
        showBoards(&draw::Lotto, 1);
        pressSave(QString());
        QCOMPARE(ui->saveRequests.size(), 1);
        const platform::SaveAsRequest &request = ui->saveRequests[0];
        QCOMPARE(request.title, QStringLiteral("Save as"));
        QCOMPARE(request.filterDescription, QStringLiteral("Text Files{*.txt}"));
        QCOMPARE(request.filterPattern, QStringLiteral("*.txt"));
#ifdef Q_OS_WIN
        QCOMPARE(request.startFolder, QStringLiteral("C:\\"));
#else
        QCOMPARE(request.startFolder, QDir::homePath());
#endif
        QVERIFY(request.overwritePrompt);
        QVERIFY(request.pathMustExist);
    }

    // Names the save writes to exactly as chosen, and what it leaves there:
    // a file it replaces keeps its mode and owner, a link stays a link.
    void targets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("before"); // empty: no file there yet
        QTest::addColumn<int>("mode");          // of the file before; -1: as created
        QTest::addColumn<bool>("otherOwner");   // the file before belongs to another user
        QTest::addColumn<bool>("throughLink");  // name is a link to the file before
        const QByteArray old(5000, 'x');
        QTest::newRow("a new file") << "new.txt" << QByteArray() << -1 << false << false;
        QTest::newRow("a longer file is replaced whole") << "old.txt" << old << -1 << false << false;
        QTest::newRow("no extension added") << "results" << QByteArray() << -1 << false << false;
        QTest::newRow("non-ASCII letters") << QString::fromUtf8("Résultats_Ünïcødé_日本.txt") << QByteArray() << -1
                                           << false << false;
        QTest::newRow("a file of mode 0640 keeps it") << "old.txt" << old << 0640 << false << false;
        QTest::newRow("a read-only file root saves over stays read-only") << "old.txt" << old << 0444 << false << false;
        QTest::newRow("a setgid file stays setgid") << "old.txt" << old << 02770 << false << false;
        QTest::newRow("a file of another user stays theirs") << "old.txt" << old << 0644 << true << false;
        QTest::newRow("a link to a file stays a link") << "link.txt" << old << 0600 << false << true;
        QTest::newRow("a link to no file yet makes the file") << "link.txt" << QByteArray() << -1 << false << true;
    }

    void targets()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(int, mode);
        QFETCH(bool, otherOwner);
        QFETCH(bool, throughLink);
        if ((mode == 0444 || otherOwner) && ::geteuid() != 0)
            QSKIP("only root may save over a read-only file or give a file to another user");
        const QString file = throughLink ? inDir(QStringLiteral("target.txt")) : inDir(name);
        if (!before.isEmpty())
            QVERIFY(writeAll(file, before));
        if (throughLink)
            QVERIFY(QFile::link(file, inDir(name)));
        if (mode >= 0)
            QVERIFY(::chmod(QFile::encodeName(file).constData(), mode_t(mode)) == 0);
        const uint nobody = 65534;
        if (otherOwner)
            QVERIFY(::chown(QFile::encodeName(file).constData(), nobody, nobody) == 0);

        showBoards(&draw::Powerball, 2);
        pressSave(inDir(name));
        QVERIFY(ui->messages.isEmpty());
        QCOMPARE(window->windowTitle(), QStringLiteral("Ziventa"));
        QCOMPARE(readAll(inDir(name)), expectedFile(&draw::Powerball, 2));
        QCOMPARE(kindOf(inDir(name)), throughLink ? QStringLiteral("link") : QStringLiteral("file"));
        QStringList entries{name};
        if (throughLink)
            entries << QStringLiteral("target.txt");
        entries.sort();
        QCOMPARE(entriesOf(dir->path()), entries);
        if (mode >= 0)
            QCOMPARE(modeOf(file), mode);
        if (otherOwner) {
            QCOMPARE(QFileInfo(file).ownerId(), nobody);
            QCOMPARE(QFileInfo(file).groupId(), nobody);
        }
    }

    void failures_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("a read-only file") << "read-only";
        QTest::newRow("a folder that does not exist") << "missing folder";
        QTest::newRow("a path that is a folder") << "folder";
        QTest::newRow("a full disk") << "full";
        QTest::newRow("a folder removed while the dialog is open") << "removed";
        // Neither is replaced by a plain file, and neither is waited on.
        QTest::newRow("a FIFO") << "FIFO";
        QTest::newRow("a device node") << "device";
        QTest::newRow("a link that names itself") << "loop";
        // As the kernel refuses an open there, with its guards for sticky
        // folders that others may write, such as /tmp, on.
        QTest::newRow("another user's link, in a sticky folder all may write") << "planted link";
        QTest::newRow("another user's file, in a sticky folder all may write") << "planted file";
        // A write past the limit fails; the program goes on.
        QTest::newRow("past a file-size limit") << "size limit";
        QTest::newRow("past a file-size limit, over a file with a second name") << "size limit, in place";
    }

    void failures()
    {
        QFETCH(QString, where);
        const QByteArray old = "the results of an earlier day\n";
        std::optional<ScratchMount> scratch;
        std::optional<KernelGuards> guards;
        std::optional<FileSizeLimit> limit;
        // The old file on a small file system of the test's own; empty when
        // none can be mounted here.
        auto oldFileOnScratch = [&] {
            scratch.emplace(64);
            const QString path = scratch->path() + QStringLiteral("/old.txt");
            return scratch->isMounted() && writeAll(path, old) ? path : QString();
        };
        QString target;
        if (where == "read-only") {
            target = inDir(QStringLiteral("old.txt"));
            QVERIFY(writeAll(target, old));
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            // The file mode does not stop root; a read-only file system does.
            if (QFile(target).open(QIODevice::WriteOnly | QIODevice::Append)) {
                target = oldFileOnScratch();
                if (target.isEmpty())
                    QSKIP(qPrintable(QStringLiteral("a read-only file cannot be made real here: ") + scratch->why()));
                QVERIFY(scratch->makeReadOnly());
            }
        } else if (where == "missing folder") {
            target = inDir(QStringLiteral("gone/results.txt"));
        } else if (where == "folder") {
            target = inDir(QStringLiteral("folder"));
            QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder")));
            QVERIFY(writeAll(target + QStringLiteral("/inside.txt"), old));
        } else if (where == "full") {
            target = oldFileOnScratch();
            if (target.isEmpty())
                QSKIP(qPrintable(QStringLiteral("no small file system to fill here: ") + scratch->why()));
            QVERIFY(scratch->fill());
        } else if (where == "FIFO") {
            target = inDir(QStringLiteral("fifo.txt"));
            QVERIFY(makeFifo(target));
        } else if (where == "device") {
            target = inDir(QStringLiteral("null.txt"));
            if (!makeDeviceNode(target))
                QSKIP("only root may make a device node");
        } else if (where == "loop") {
            target = inDir(QStringLiteral("loop.txt"));
            QVERIFY(QFile::link(QStringLiteral("loop.txt"), target));
        } else if (where.startsWith("planted")) {
            if (::geteuid() != 0)
                QSKIP("only root may give a file or a link to another user");
            guards.emplace(1, 2);
            if (!guards->isSet())
                QSKIP(qPrintable(guards->why()));
            const QString shared = inDir(QStringLiteral("shared"));
            QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("shared")));
            QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
            target = shared + QStringLiteral("/picks.txt");
            if (where == "planted link") {
                QVERIFY(writeAll(inDir(QStringLiteral("notes.txt")), old));
                QVERIFY(QFile::link(inDir(QStringLiteral("notes.txt")), target));
            } else {
                QVERIFY(writeAll(target, old));
            }
            const uid_t someoneElse = 4243;
            QVERIFY(::lchown(QFile::encodeName(target).constData(), someoneElse, someoneElse) == 0);
        } else if (where.startsWith("size limit")) {
            target = inDir(QStringLiteral("results.txt"));
            if (where == "size limit, in place") {
                QVERIFY(writeAll(target, old));
                QVERIFY(::link(QFile::encodeName(target).constData(),
                               QFile::encodeName(inDir(QStringLiteral("twin.txt"))).constData())
                        == 0);
            }
        } else if (where == "removed") {
            QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("chosen")));
            target = inDir(QStringLiteral("chosen/results.txt"));
            ui->whileSaveAsOpen = [this] { QVERIFY(QDir(inDir(QStringLiteral("chosen"))).removeRecursively()); };
        }
        const QString folder = QFileInfo(target).absolutePath();
        const QStringList entriesBefore = entriesOf(folder);

        showBoards(&draw::Lotto, 3);
        if (where.startsWith("size limit")) {
            limit.emplace(old.size() + 2); // the three boards' lines are longer
            QVERIFY(limit->isSet());
        }
        pressSave(target);
        limit.reset();
        ui->whileSaveAsOpen = nullptr;

        checkFailed(1, 3);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(entriesOf(folder), entriesBefore); // no partial file left behind
        if (where == "removed")
            QVERIFY(!QFileInfo::exists(folder)); // not made again to hold the file
        if (where == "folder")
            QCOMPARE(readAll(target + QStringLiteral("/inside.txt")), old);
        else if (where == "FIFO" || where == "device")
            QCOMPARE(kindOf(target), where);
        else if (where == "loop")
            QCOMPARE(QFile::symLinkTarget(target), target);
        else if (where == "planted link")
            QCOMPARE(readAll(inDir(QStringLiteral("notes.txt"))), old);
        else if (where == "size limit")
            QVERIFY(!QFileInfo::exists(target));
        else if (where != "missing folder" && where != "removed")
            QCOMPARE(readAll(target), old);
        if (where == "size limit, in place")
            QCOMPARE(readAll(inDir(QStringLiteral("twin.txt"))), old);
        checkLaterSaveRestores(&draw::Lotto, 3);
    }

    // The date is the day the button was pressed, even when the dialog stays
    // open past midnight.
    void dateOfThePress()
    {
        showBoards(&draw::Lotto, 2);
        ui->whileSaveAsOpen = [this] { clock = PressedOn.addDays(1); };
        pressSave(inDir(QStringLiteral("out.txt")));
        QCOMPARE(readAll(inDir(QStringLiteral("out.txt"))), expectedFile(&draw::Lotto, 2, PressedOn));
    }
};

ZIVENTA_TEST_MAIN(TestResultsFile)
#include "tst_resultsfile.moc"

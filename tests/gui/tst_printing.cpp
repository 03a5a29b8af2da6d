// Printing the window: the Print dialog, its whole client area once per
// copy, and what reaches the page.
#include "app/Frmlotto.h"
#include "app/Layout.h"
#include "app/Printing.h"
#include "app/BallPictures.h"
#include "platform/PrintDialog.h"
#include "support/FileSizeLimit.h"
#include "support/KernelGuards.h"
#include "support/ScratchMount.h"
#include "support/ScriptedModalUi.h"
#include "support/FileKinds.h"
#include "support/LinkRace.h"
#include "support/FindControl.h"
#include "support/TypedPrint.h"
#include "support/TestMain.h"
#include "support/WindowUnderTest.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using app::Frmlotto;

namespace {

// The pages of a PDF as Qt writes it: one "/Type /Page" object per page.
int pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?!s)"));
    const QString text = QString::fromLatin1(file.readAll());
    int pages = 0;
    for (auto it = pageObject.globalMatch(text); it.hasNext(); it.next())
        ++pages;
    return pages;
}

// Every page of a PDF as a picture at dpi, first to last; empty when the
// file cannot be read or pdftoppm (poppler-utils) is missing.
QList<QImage> rasterise(const QString &pdf, int dpi)
{
    QTemporaryDir dir;
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, dir.filePath("page")});
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return {};
    // A page at print resolution is far larger than any picture the program
    // reads, so it is read past the program's cap.
    const int cap = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(0);
    const auto restore = qScopeGuard([cap] { QImageReader::setAllocationLimit(cap); });
    QList<QImage> pages;
    // pdftoppm pads the page numbers to one width, so the names sort as the pages do.
    for (const QString &name : QDir(dir.path()).entryList({"page-*.png"}, QDir::Files, QDir::Name))
        pages << QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32);
    return pages;
}

// The Print dialog's answer: printing copies to file, or cancelled.
ScriptedModalUi::PrintAnswer printTo(const QString &file, int copies, bool accepted = true)
{
    ScriptedModalUi::PrintAnswer answer;
    answer.accepted = accepted;
    answer.copies = copies;
    answer.pdfFile = file;
    return answer;
}

bool isBlank(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                return false;
    return true;
}

// The mean difference per colour channel (0 to 255) of two pictures over rect.
double meanDifference(const QImage &a, const QImage &b, const QRect &rect)
{
    double sum = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * rect.width() * rect.height());
}

double share(const QImage &image, const QRect &rect, const std::function<bool(QRgb)> &test)
{
    int hits = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            hits += test(image.pixel(x, y)) ? 1 : 0;
    return double(hits) / (rect.width() * rect.height());
}

// A print engine that prints nowhere: it counts jobs and what each job drew,
// and lets chosen jobs fail to start.
class RecordingPaintEngine final : public QPaintEngine {
public:
    RecordingPaintEngine() : QPaintEngine(AllFeatures) {}
    QSet<int> failingJobs; // counted from 1
    int jobsTried = 0;
    QList<int> drawnPerJob; // one entry per job that started

    bool begin(QPaintDevice *) override
    {
        if (failingJobs.contains(++jobsTried))
            return false;
        drawnPerJob << 0;
        return true;
    }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { ++drawnPerJob.last(); }
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override { ++drawnPerJob.last(); }
    void drawTextItem(const QPointF &, const QTextItem &) override { ++drawnPerJob.last(); }
    void drawPath(const QPainterPath &) override { ++drawnPerJob.last(); }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override { ++drawnPerJob.last(); }
    void drawRects(const QRectF *, int) override { ++drawnPerJob.last(); }
    void drawLines(const QLineF *, int) override { ++drawnPerJob.last(); }
    Type type() const override { return User; }
};

class RecordingPrintEngine final : public QPrintEngine {
public:
    QMap<int, QVariant> properties{{PPK_CopyCount, 1}};
    int newPages = 0;

    void setProperty(PrintEnginePropertyKey key, const QVariant &value) override { properties[key] = value; }
    QVariant property(PrintEnginePropertyKey key) const override { return properties.value(key); }
    bool newPage() override { return ++newPages, true; }
    bool abort() override { return false; }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case QPaintDevice::PdmWidth: return 2400;
        case QPaintDevice::PdmHeight: return 3300;
        case QPaintDevice::PdmDevicePixelRatio: return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        case QPaintDevice::PdmDepth: return 24;
        case QPaintDevice::PdmNumColors: return INT_MAX;
        case QPaintDevice::PdmWidthMM: return 203;
        case QPaintDevice::PdmHeightMM: return 279;
        default: return 300; // every resolution
        }
    }
    QPrinter::PrinterState printerState() const override { return QPrinter::Idle; }
};

class RecordingPrinter final : public QPrinter {
public:
    RecordingPrinter() { setEngines(&print, &paint); }
    RecordingPrintEngine print;
    RecordingPaintEngine paint;
};

} // namespace

class TestPrinting : public QObject, private WindowUnderTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;

    QString pdf(const char *name) const { return folder->filePath(QString::fromLatin1(name)); }

    // The two ways to print: the picture button, clicked, and the menu entry.
    const QStringList printEntries{QStringLiteral("Command2"), QStringLiteral("mnuPrint")};

    void print(const QString &entry)
    {
        if (entry == QLatin1String("Command2"))
            QTest::mouseClick(control<QPushButton>(entry), Qt::LeftButton);
        else
            window->findChild<QAction *>(entry)->trigger();
    }

    // Both ways print alike: a check of a print runs through each in turn, and
    // stops at the first that fails, naming it.
    void throughBothEntries(const std::function<void(const QString &entry)> &check)
    {
        for (const QString &entry : printEntries) {
            check(entry);
            if (QTest::currentTestFailed()) {
                qInfo("printed through %s", qPrintable(entry));
                return;
            }
        }
    }

    // The window after a Powerball game of two boards, shown without drawing:
    // it is the window's picture that must reach the page.
    void showPowerballBoards()
    {
        const int boards[2][6] = {{3, 11, 19, 27, 35, 7}, {5, 14, 22, 31, 44, 12}};
        for (int k = 1; k <= 2; ++k) {
            for (int p = 1; p <= 6; ++p) {
                const int n = boards[k - 1][p - 1];
                control<QLabel>(app::ballImageName(k, p))->setPixmap(QPixmap(app::ballPicturePath(n)));
                window->PowerballNumbers[k - 1][p] = std::int16_t(n);
            }
            control(app::frameShapeName(k))->show();
        }
        control("lblpowerball")->show();
        control<QLabel>("Label2")->setText(QStringLiteral("PowerBall"));
        control<QPushButton>("CmdPowerball")->setText(QStringLiteral("Roll Again..."));
        control<QComboBox>("Combo1")->setCurrentIndex(1);
        window->LottoNumbers[0] = {0, 1, 2, 3, 4, 5, 6};
        window->LottoPending = 1;
    }

    // Everything a print must leave as it was.
    QStringList state() const
    {
        QStringList s;
        for (const auto *boards : {&window->LottoNumbers, &window->PowerballNumbers})
            for (const draw::BoardNumbers &board : *boards)
                for (std::int16_t n : board)
                    s << QString::number(n);
        s << QString::number(window->LottoPending) << control<QComboBox>("Combo1")->currentText()
          << control<QLabel>("Label2")->text() << control<QPushButton>("CmdLotto")->text()
          << control<QPushButton>("CmdPowerball")->text() << window->windowTitle();
        return s;
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(openWindow());
        showPowerballBoards();
    }

    void cleanup()
    {
        closeWindow();
        folder.reset();
    }

    void copiesAsChosen_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QPageRanges>("pagesChosen");
        QTest::addColumn<int>("pages");
        const QPageRanges all;
        QPageRanges secondOnly;
        secondOnly.addPage(2);
        QTest::newRow("cancel") << false << 1 << all << 0;
        QTest::newRow("cancel, three copies chosen") << false << 3 << all << 0;
        QTest::newRow("one copy") << true << 1 << all << 1;
        QTest::newRow("two copies") << true << 2 << all << 2;
        QTest::newRow("three copies") << true << 3 << all << 3;
        QTest::newRow("no copies") << true << 0 << all << 0;
        QTest::newRow("fewer than none") << true << -2 << all << 0;
        QTest::newRow("page 2 chosen, three copies") << true << 3 << secondOnly << 3;
    }

    void copiesAsChosen()
    {
        QFETCH(bool, accepted);
        QFETCH(int, copies);
        QFETCH(QPageRanges, pagesChosen);
        QFETCH(int, pages);
        const QStringList before = state();
        QList<QList<QImage>> printed;
        throughBothEntries([&](const QString &entry) {
            const QString file = folder->filePath(entry + QStringLiteral(".pdf"));
            ScriptedModalUi::PrintAnswer answer = printTo(file, copies, accepted);
            answer.pages = pagesChosen;
            ui->printAnswers << answer;

            print(entry);

            QVERIFY(ui->messages.isEmpty());
            QCOMPARE(state(), before);
            QCOMPARE(QFile::exists(file), pages > 0);
            QCOMPARE(pdfPageCount(file), pages);
            if (pages == 0)
                return;
            printed << rasterise(file, 40);
            QVERIFY2(printed.last().size() == pages, "pdftoppm (poppler-utils) reads the printed file");
            QVERIFY(!isBlank(printed.last().first()));
            for (const QImage &page : printed.last())
                QCOMPARE(page, printed.last().first());
        });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(ui->printDialogs, printEntries.size());
        if (!printed.isEmpty())
            QCOMPARE(printed.last(), printed.first());
    }

    // The page shows the window as it is: its balls, the frames round the
    // powerballs and "PowerBall No:", in proportion, across the page.
    void pageShowsTheWindow()
    {
        const int dpi = 150;
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                             QPageLayout::Millimeter);
        ScriptedModalUi::PrintAnswer answer = printTo(pdf("page.pdf"), 1);
        answer.pageLayout = a4;
        ui->printAnswers << answer;
        print("Command2");
        const QList<QImage> printed = rasterise(pdf("page.pdf"), dpi);
        QVERIFY2(printed.size() == 1, "pdftoppm (poppler-utils) reads the printed file");
        const QImage page = printed.first();
        const QSize paper = a4.fullRectPixels(dpi).size();
        QVERIFY(std::abs(page.width() - paper.width()) <= 1 && std::abs(page.height() - paper.height()) <= 1);

        QWidget *client = window->centralWidget();
        const QRect target = app::fitToPage(client->size(), a4.paintRectPixels(dpi));
        QCOMPARE(target.width(), a4.paintRectPixels(dpi).width());
        const qreal scale = qreal(target.width()) / client->width();
        const QImage expected = client->grab().toImage().convertToFormat(QImage::Format_RGB32)
                                    .scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        auto onPage = [&](const QRectF &r) {
            return QRectF(target.left() + r.left() * scale, target.top() + r.top() * scale, r.width() * scale,
                          r.height() * scale).toAlignedRect().intersected(target);
        };
        auto dark = [](QRgb c) { return qGray(c) < 100; };

        // Over the whole window the page and the window's own picture differ
        // only as sharp print and a scaled-up screen do.
        QVERIFY(meanDifference(page.copy(target), expected, expected.rect()) < 8);

        const QRect label = onPage(control("lblpowerball")->geometry());
        QVERIFY(share(page, label, [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 80; }) > 0.6);
        QVERIFY(share(page, label, dark) > 0.03); // its text
        QVERIFY(share(page, onPage(control("Label2")->geometry()), dark) > 0.05);

        // Each ball in its cell, in its own colours: a ball of another colour
        // differs by 40 and more, a missing one has no colour at all.
        for (const char *ball : {"Image1", "Image4", "Image6", "Image8", "Image13"}) {
            const QRect r = onPage(control(ball)->geometry());
            QVERIFY2(share(page, r, [](QRgb c) { return QColor(c).hsvSaturation() > 120; }) > 0.2, ball);
            const double difference =
                meanDifference(page.copy(r), expected.copy(r.translated(-target.topLeft())), QRect(QPoint(), r.size()));
            QVERIFY2(difference < 25, ball);
        }

        // A frame's side is a dark line one window pixel wide: across the
        // middle of each side, lines of page pixels that are dark, as many as
        // one window pixel takes on the page.
        auto darkLines = [&](const QRectF &strip, bool vertical) {
            const QRect r = onPage(strip);
            int lines = 0;
            for (int i = 0; i < (vertical ? r.width() : r.height()); ++i) {
                const QRect line = vertical ? QRect(r.left() + i, r.top(), 1, r.height())
                                            : QRect(r.left(), r.top() + i, r.width(), 1);
                lines += share(page, line, dark) > 0.9 ? 1 : 0;
            }
            return lines;
        };
        auto frameDrawn = [&](int board) {
            const QRect f = control(app::frameShapeName(board))->geometry();
            const qreal l = f.left(), t = f.top(), r = l + f.width(), b = t + f.height();
            const qreal w = f.width(), h = f.height();
            const int sides[] = {darkLines({l - 1, t + h / 4, 3, h / 2}, true),
                                 darkLines({r - 2, t + h / 4, 3, h / 2}, true),
                                 darkLines({l + w / 4, t - 1, w / 2, 3}, false),
                                 darkLines({l + w / 4, b - 2, w / 2, 3}, false)};
            return std::all_of(std::begin(sides), std::end(sides), [&](int n) { return n >= int(scale); });
        };
        QVERIFY(frameDrawn(1));
        QVERIFY(frameDrawn(2));
        QVERIFY(!frameDrawn(3)); // hidden in the window, so not on the page
    }

    // A printer that fails is passed over in silence. A file is the user's
    // own output: when it cannot be written whole the user is told, and
    // nothing of it is left at its path. Either way the program goes on and
    // prints again.
    void failedPrints_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("typed"); // the file's name typed in the program's own Print dialog
        QTest::newRow("a printer that cannot print") << "printer" << false;
        QTest::newRow("a file in a folder that does not exist") << "missing folder" << false;
        QTest::newRow("a file on a full disk") << "full" << false;
        QTest::newRow("a FIFO at the file's path") << "FIFO" << false;
        QTest::newRow("a device node at the file's path") << "device" << false;
        QTest::newRow("a link that names itself at the file's path") << "loop" << false;
        // As the kernel refuses an open there, with its guards for sticky
        // folders that others may write, such as /tmp, on.
        QTest::newRow("another user's link at the file's path, in a sticky folder all may write")
            << "planted link" << false;
        QTest::newRow("a file past a file-size limit") << "size limit" << false;
        // Never opened by the dialog's own check, where a FIFO would wait.
        QTest::newRow("a FIFO typed in the Print dialog") << "FIFO" << true;
        QTest::newRow("a device node typed in the Print dialog") << "device" << true;
    }

    void failedPrints()
    {
        QFETCH(QString, where);
        QFETCH(bool, typed);
        const QStringList before = state();
        std::optional<ScratchMount> scratch;
        std::optional<KernelGuards> guards;
        const QByteArray old = "%PDF of an earlier day";
        QString target;
        if (where == "missing folder") {
            target = folder->filePath("no such folder/out.pdf");
        } else if (where == "full") {
            scratch.emplace(64);
            if (!scratch->isMounted())
                QSKIP(qPrintable(QStringLiteral("no small file system to fill here: ") + scratch->why()));
            QVERIFY(scratch->fill());
            target = scratch->path() + QStringLiteral("/out.pdf");
        } else if (where == "FIFO") {
            target = pdf("fifo.pdf");
            QVERIFY(makeFifo(target));
        } else if (where == "device") {
            target = pdf("null.pdf");
            if (!makeDeviceNode(target))
                QSKIP("only root may make a device node");
        } else if (where == "loop") {
            target = pdf("loop.pdf");
            QVERIFY(QFile::link(QStringLiteral("loop.pdf"), target));
        } else if (where == "planted link") {
            if (::geteuid() != 0)
                QSKIP("only root may give a link to another user");
            guards.emplace(1, 2);
            if (!guards->isSet())
                QSKIP(qPrintable(guards->why()));
            QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("shared")));
            QVERIFY(::chmod(QFile::encodeName(pdf("shared")).constData(), 01777) == 0);
            QFile notes(pdf("notes.pdf"));
            QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write(old) == old.size());
            notes.close();
            target = pdf("shared/planted.pdf");
            QVERIFY(QFile::link(notes.fileName(), target));
            const uid_t someoneElse = 4243;
            QVERIFY(::lchown(QFile::encodeName(target).constData(), someoneElse, someoneElse) == 0);
        } else if (where == "size limit") {
            target = pdf("limited.pdf");
        }
        const QString targetFolder = QFileInfo(target.isEmpty() ? pdf("out.pdf") : target).absolutePath();
        throughBothEntries([&](const QString &entry) {
            const QStringList entriesBefore =
                QDir(targetFolder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
            const QString after = folder->filePath(entry + QStringLiteral("-after.pdf"));
            // A printer with no file to print to is the system's printer, and there is none here.
            ScriptedModalUi::PrintAnswer failing = printTo(target, 2);
            if (typed)
                failing.answeredBy = [target](QWidget *parent, QPrinter &printer) {
                    platform::PrintDialog dialog(&printer, parent);
                    return typeAndPrint(dialog, target).accepted;
                };
            ui->printAnswers << failing << printTo(after, 1);
            ui->messages.clear();

            {
                std::optional<FileSizeLimit> limit;
                if (where == "size limit")
                    limit.emplace(1000); // a page of the window is far longer
                print(entry);
            }

            QCOMPARE(state(), before);
            if (where == "printer") {
                QVERIFY(ui->messages.isEmpty());
            } else {
                QCOMPARE(ui->messages,
                         QList{okBox(QStringLiteral("Unable to print to the file %1").arg(QDir::toNativeSeparators(target)),
                                     QMessageBox::Critical, QStringLiteral("Print"))});
                QCOMPARE(QDir(targetFolder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), entriesBefore);
                if (where == "FIFO" || where == "device")
                    QCOMPARE(kindOf(target), where);
                if (where == "loop")
                    QCOMPARE(QFile::symLinkTarget(target), target);
                if (where == "planted link") {
                    QFile notes(pdf("notes.pdf"));
                    QVERIFY(notes.open(QIODevice::ReadOnly));
                    QCOMPARE(notes.readAll(), old);
                }
            }

            ui->messages.clear();
            print(entry);
            QCOMPARE(pdfPageCount(after), 1);
            QVERIFY(ui->messages.isEmpty());
        });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(ui->printDialogs, 2 * printEntries.size());
    }

    // A link that another process turns, again and again, between a file and
    // a FIFO or a device, while the window is printed to it a few hundred
    // times: the FIFO or device is never opened, written or replaced, and a
    // print that says nothing put a whole page in the file.
    void racingPrints_data()
    {
        QTest::addColumn<QString>("other");
        QTest::newRow("a FIFO") << "FIFO";
        QTest::newRow("a device node") << "device";
    }

    void racingPrints()
    {
        QFETCH(QString, other);
        const QString file = pdf("results.pdf");
        const QString otherPath = pdf("other");
        const QString link = pdf("link.pdf");
        if (other == "FIFO")
            QVERIFY(makeFifo(otherPath));
        else if (!makeDeviceNode(otherPath))
            QSKIP("only root may make a device node");
        const QByteArray unprinted = "not printed yet";
        const QList refusal{okBox(QStringLiteral("Unable to print to the file %1").arg(QDir::toNativeSeparators(link)),
                                  QMessageBox::Critical, QStringLiteral("Print"))};
        TouchWatch watch({otherPath});
        QVERIFY(watch.isWatching());
        int landed = 0;
        int refused = 0;
        {
            const FlippingLink flipping(link, file, otherPath);
            QVERIFY(flipping.isTurning());
            // A hundred prints, and on until both ends of the link have been
            // met often.
            for (int i = 0; i < 100 || ((landed < 20 || refused < 20) && i < 2000); ++i) {
                const QByteArray at = "print " + QByteArray::number(i);
                QFile before(file);
                QVERIFY(before.open(QIODevice::WriteOnly) && before.write(unprinted) == unprinted.size());
                before.close();
                ui->printAnswers << printTo(link, 1);
                ui->messages.clear();
                print("Command2");
                if (ui->messages.isEmpty()) {
                    ++landed;
                    QVERIFY2(pdfPageCount(file) == 1, at + " said nothing, but the file holds no page");
                } else {
                    ++refused;
                    QVERIFY2(ui->messages == refusal, at);
                    QFile after(file);
                    QVERIFY2(after.open(QIODevice::ReadOnly) && after.readAll() == unprinted, at + " changed the file");
                }
                QVERIFY2(watch.touched().isEmpty(), at + " touched the " + other.toLatin1());
                QVERIFY2(kindOf(otherPath) == other, at + " replaced the " + other.toLatin1());
            }
        }
        QCOMPARE(namesIn(folder->path()), (QStringList{"link.pdf", "other", "results.pdf"}));
        QVERIFY2(landed > 0 && refused > 0, qPrintable(QStringLiteral("%1 printed, %2 refused").arg(landed).arg(refused)));
    }

    // On a printer every copy is a job of its own, handed over when it ends;
    // a copy whose job cannot start is skipped and the next one is tried.
    void everyCopyIsAJob_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<QList<int>>("failing");
        QTest::addColumn<int>("jobsPrinted");
        QTest::newRow("three copies") << 3 << QList<int>{} << 3;
        QTest::newRow("the second fails") << 3 << QList<int>{2} << 2;
        QTest::newRow("the first fails") << 2 << QList<int>{1} << 1;
        QTest::newRow("all fail") << 2 << QList<int>{1, 2} << 0;
    }

    void everyCopyIsAJob()
    {
        QFETCH(int, copies);
        QFETCH(QList<int>, failing);
        QFETCH(int, jobsPrinted);
        RecordingPrinter printer;
        printer.paint.failingJobs = QSet<int>(failing.begin(), failing.end());
        app::printCopies(printer, *window->centralWidget(), copies);
        QCOMPARE(printer.paint.jobsTried, copies);
        QCOMPARE(printer.paint.drawnPerJob.size(), jobsPrinted);
        for (int drawn : printer.paint.drawnPerJob)
            QVERIFY(drawn > 20); // the whole client area, not a blank page
        QCOMPARE(printer.print.newPages, 0);
    }

    // The print is made on a fresh printer with the chosen printer's settings
    // but for its copy count and choice of pages, which never reach a job: the
    // program makes the copies, and each is the window's whole client area.
    void printerSettingsTaken_data()
    {
        QTest::addColumn<bool>("toFile"); // a PDF file, else a printer, which keeps a duplex choice too
        QTest::addColumn<int>("range");
        QTest::addColumn<bool>("fullPage");
        QTest::addColumn<int>("colorMode");
        QTest::newRow("a file, pages 2 to 3") << true << int(QPrinter::PageRange) << false << int(QPrinter::GrayScale);
        QTest::newRow("a file, the selection, full page")
            << true << int(QPrinter::Selection) << true << int(QPrinter::GrayScale);
        QTest::newRow("a printer, the current page")
            << false << int(QPrinter::CurrentPage) << false << int(QPrinter::Color);
        QTest::newRow("a printer, pages 2 to 3, full page")
            << false << int(QPrinter::PageRange) << true << int(QPrinter::Color);
    }

    void printerSettingsTaken()
    {
        QFETCH(bool, toFile);
        QFETCH(int, range);
        QFETCH(bool, fullPage);
        QFETCH(int, colorMode);
        auto make = [toFile]() -> std::unique_ptr<QPrinter> {
            if (toFile)
                return std::make_unique<QPrinter>(QPrinter::HighResolution);
            return std::make_unique<RecordingPrinter>();
        };
        const std::unique_ptr<QPrinter> chosen = make();
        if (toFile) {
            chosen->setOutputFormat(QPrinter::PdfFormat);
            chosen->setOutputFileName(pdf("chosen.pdf"));
        }
        const QPageLayout a5(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(7, 9, 11, 13),
                             QPageLayout::Millimeter);
        chosen->setPageLayout(a5);
        chosen->setFullPage(fullPage);
        chosen->setColorMode(QPrinter::ColorMode(colorMode));
        chosen->setDuplex(QPrinter::DuplexLongSide);
        chosen->setPaperSource(QPrinter::Manual);
        chosen->setDocName(QStringLiteral("a name of the user's"));
        chosen->setCreator(QStringLiteral("a creator of the user's"));
        chosen->setCopyCount(4);
        chosen->setPrintRange(QPrinter::PrintRange(range));
        chosen->setPageRanges(QPageRanges::fromString(QStringLiteral("2-3")));
        const std::unique_ptr<QPrinter> printer = make();
        if (toFile)
            printer->setOutputFileName(pdf("other.pdf"));

        app::takePrinterSettings(*printer, *chosen);

        QCOMPARE(printer->outputFormat(), chosen->outputFormat());
        QCOMPARE(printer->printerName(), chosen->printerName());
        QCOMPARE(printer->outputFileName(), toFile ? pdf("chosen.pdf") : QString());
        QVERIFY(printer->pageLayout().isEquivalentTo(a5));
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(printer->fullPage(), fullPage);
        QCOMPARE(printer->colorMode(), QPrinter::ColorMode(colorMode));
        // A PDF has no sides to choose: its printer keeps no duplex choice.
        QCOMPARE(printer->duplex(), toFile ? QPrinter::DuplexNone : QPrinter::DuplexLongSide);
        QCOMPARE(printer->paperSource(), QPrinter::Manual);
        QCOMPARE(printer->docName(), chosen->docName());
        QCOMPARE(printer->creator(), chosen->creator());
        QCOMPARE(printer->resolution(), chosen->resolution());
        QCOMPARE(printer->copyCount(), 1);
        QCOMPARE(printer->printRange(), QPrinter::AllPages);
        QVERIFY(printer->pageRanges().isEmpty());
    }

    void fitToPage_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("page");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("wide picture, tall page: full width, at the top")
            << QSize(400, 200) << QRect(10, 20, 300, 600) << QRect(10, 20, 300, 150);
        QTest::newRow("tall picture, wide page: full height, centred")
            << QSize(200, 400) << QRect(0, 0, 600, 300) << QRect(225, 0, 150, 300);
        QTest::newRow("small picture grows") << QSize(10, 5) << QRect(5, 5, 200, 100) << QRect(5, 5, 200, 100);
        QTest::newRow("nothing to place") << QSize(0, 0) << QRect(0, 0, 600, 300) << QRect();
    }

    void fitToPage()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, page);
        QFETCH(QRect, placed);
        QCOMPARE(app::fitToPage(picture, page), placed);
    }
};

ZIVENTA_TEST_MAIN(TestPrinting)
#include "tst_printing.moc"

#include "app/Printing.h"

#include "platform/ModalUi.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace app {

namespace {

// Whether a PDF was written to its very end: it closes with its trailer, and
// the offset the trailer gives for the table of objects finds that table. A
// write that failed part-way loses the end or shifts the table.
bool isWholePdf(const QByteArray &pdf)
{
    static const QRegularExpression trailer(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QRegularExpressionMatch match = trailer.match(QString::fromLatin1(pdf.right(64)));
    bool ok = false;
    const qsizetype table = match.hasMatch() ? match.captured(1).toLongLong(&ok) : -1;
    return ok && pdf.mid(table, 4) == "xref";
}

// A print to a file is the user's own output, like a save: the document is
// made in a scratch file first and reaches the chosen path only whole.
bool printCopiesToFile(QPrinter &printer, QWidget &widget, int copies)
{
    const QString path = printer.outputFileName();
    QTemporaryFile scratch;
    if (!scratch.open())
        return false;
    // Closed again so the printer can open it by name on every system.
    scratch.close();
    printer.setOutputFileName(scratch.fileName());
    printCopies(printer, widget, copies);
    QFile document(scratch.fileName());
    if (!document.open(QIODevice::ReadOnly))
        return false;
    const QByteArray pdf = document.readAll();
    return isWholePdf(pdf) && platform::writeWholeFile(path, pdf);
}

} // namespace

QRect fitToPage(const QSize &picture, const QRect &page)
{
    if (picture.isEmpty() || page.isEmpty())
        return {};
    const QSize size = picture.scaled(page.size(), Qt::KeepAspectRatio);
    return {page.left() + (page.width() - size.width()) / 2, page.top(), size.width(), size.height()};
}

void renderClientArea(QPainter &painter, QWidget &widget, const QRect &target)
{
    if (widget.width() <= 0 || widget.height() <= 0)
        return;
    // Recorded as drawing steps, then played at the page's scale: rendered
    // straight onto a printer, Qt would first paint one pixmap the size of
    // the page at the printer's resolution, hundreds of megabytes of it.
    QPicture picture;
    widget.render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(target.topLeft());
    // A picture keeps its physical size on any device; the page wants it at
    // the target's size instead.
    const QPaintDevice *device = painter.device();
    painter.scale(qreal(target.width()) / widget.width() * picture.logicalDpiX() / device->logicalDpiX(),
                  qreal(target.height()) / widget.height() * picture.logicalDpiY() / device->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

void takePrinterSettings(QPrinter &printer, const QPrinter &chosen)
{
    // The printer first: a change of printer or format makes a new print
    // engine, and the settings below are to reach the one that prints. An
    // empty name is a print to file, and the format stays a PDF.
    printer.setOutputFormat(chosen.outputFormat());
    printer.setPrinterName(chosen.printerName());
    printer.setOutputFileName(chosen.outputFileName());
    printer.setPageLayout(chosen.pageLayout());
    printer.setFullPage(chosen.fullPage());
    printer.setColorMode(chosen.colorMode());
    printer.setDuplex(chosen.duplex());
    printer.setPaperSource(chosen.paperSource());
    printer.setDocName(chosen.docName());
    printer.setCreator(chosen.creator());
}

void printCopies(QPrinter &printer, QWidget &widget, int copies)
{
    // A printer takes a job when the job ends, so each copy is a job of its
    // own. A file would be written anew by every job: there the copies are
    // the pages of one document instead.
    const bool toFile = !printer.outputFileName().isEmpty();
    QPainter painter;
    for (int copy = 1; copy <= copies; ++copy) {
        if (painter.isActive()) {
            if (!printer.newPage())
                continue;
        } else if (!painter.begin(&printer)) {
            continue;
        }
        renderClientArea(painter, widget, fitToPage(widget.size(), QRect(0, 0, printer.width(), printer.height())));
        if (!toFile)
            painter.end();
    }
    if (painter.isActive())
        painter.end();
}

void printWindow(QMainWindow &window)
{
    // A printer of its own for every print: no choice of an earlier print
    // carries over, and nothing the save set is seen here.
    QPrinter chosen(QPrinter::HighResolution);
    chosen.setDocName(QCoreApplication::applicationName());
    const platform::PrintChoice choice = platform::modalUi().printDialog(&window, chosen);
    if (!choice.accepted)
        return;
    QPrinter printer(QPrinter::HighResolution);
    takePrinterSettings(printer, chosen);
    QWidget &client = *window.centralWidget();
    const QString file = printer.outputFileName();
    // A printer that fails is passed over in silence; a file that could not
    // be written is the user's to know about.
    if (file.isEmpty())
        printCopies(printer, client, choice.copies);
    else if (choice.copies > 0 && !printCopiesToFile(printer, client, choice.copies))
        platform::messageBox(&window, QStringLiteral("Unable to print to the file %1").arg(QDir::toNativeSeparators(file)),
                             QMessageBox::Critical, QStringLiteral("Print"));
}

} // namespace app

#include "app/Printing.h"

#include "app/Frmlotto.h"
#include "platform/ModalUi.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPicture>
#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>

namespace app {

namespace {

// Qt's CUPS engine keeps the options that its Print dialog passes to the
// print server under this key, as a flat list of names and values.
constexpr auto CupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The server-side options that would pick pages out of a job: with one page
// per job they could only drop whole copies.
bool selectsPages(const QString &option)
{
    return option == QLatin1String("page-ranges") || option == QLatin1String("page-set");
}

void printWindow(QMainWindow &window)
{
    // A printer of its own for every print: no choice of an earlier print
    // carries over, and nothing the save set is seen here.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::applicationName());
    const platform::PrintChoice choice = platform::modalUi().printDialog(&window, printer);
    if (!choice.accepted)
        return;
    setOnePrintPerJob(printer);
    printCopies(printer, *window.centralWidget(), choice.copies);
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

void setOnePrintPerJob(QPrinter &printer)
{
    printer.setCopyCount(1);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges({});

    QPrintEngine *engine = printer.printEngine();
    const QVariant options = engine ? engine->property(CupsOptions) : QVariant();
    if (!options.isValid())
        return;
    const QStringList given = options.toStringList();
    QStringList kept;
    for (qsizetype i = 0; i + 1 < given.size(); i += 2) {
        if (!selectsPages(given[i]))
            kept << given[i] << given[i + 1];
    }
    engine->setProperty(CupsOptions, kept);
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

// The button and the menu entry print alike; neither goes through the other.
void Frmlotto::Command2_Click()
{
    printWindow(*this);
}

void Frmlotto::mnuPrint_Click()
{
    printWindow(*this);
}

} // namespace app

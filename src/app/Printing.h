#pragma once

class QMainWindow;
class QPainter;
class QPrinter;
class QRect;
class QSize;
class QWidget;

namespace app {

// Prints window's client area once per copy, as chosen in the Print dialog.
// A printer that fails is passed over in silence; a file that cannot be
// written whole is reported and left as it was.
void printWindow(QMainWindow &window);

// Where a picture of the given size goes on page: as large as fits with its
// proportions kept, centred across the page and at its top.
QRect fitToPage(const QSize &picture, const QRect &page);

// Draws widget as it is shown at this moment, scaled into target, in the
// painter's own resolution: text and frames stay sharp on a printer.
void renderClientArea(QPainter &painter, QWidget &widget, const QRect &target);

// After the Print dialog: printer, a fresh one, takes what was chosen on
// chosen (the printer or file, the paper, the look) through public settings
// only, and prints exactly what it is given, once. The program makes every
// copy itself and every copy is the window's whole client area, so the copy
// count and any choice of pages stay behind, also those the dialog gave the
// print server.
void takePrinterSettings(QPrinter &printer, const QPrinter &chosen);

// Prints widget whole, once per copy, each copy handed to the printer before
// the next begins. A copy that fails is skipped and the next one is tried.
void printCopies(QPrinter &printer, QWidget &widget, int copies);

} // namespace app

#pragma once

class QPainter;
class QPrinter;
class QRect;
class QSize;
class QWidget;

namespace app {

// Where a picture of the given size goes on page: as large as fits with its
// proportions kept, centred across the page and at its top.
QRect fitToPage(const QSize &picture, const QRect &page);

// Draws widget as it is shown at this moment, scaled into target, in the
// painter's own resolution: text and frames stay sharp on a printer.
void renderClientArea(QPainter &painter, QWidget &widget, const QRect &target);

// After the Print dialog: the printer prints exactly what it is given, once.
// The program makes every copy itself, and every copy is the whole window,
// so neither a copy count nor a page choice may reach the printer.
void setOnePrintPerJob(QPrinter &printer);

// Prints widget whole, once per copy, each copy handed to the printer before
// the next begins. A copy that fails is skipped and the next one is tried.
void printCopies(QPrinter &printer, QWidget &widget, int copies);

} // namespace app

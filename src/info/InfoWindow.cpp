#include "info/InfoWindow.h"

#include "platform/Fonts.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace info {

namespace {

QRect pixelsOf(const ControlSpec &design, qreal dpi)
{
    using platform::twipsToPixels;
    if (design.kind != ControlKind::Line)
        return twipsToPixels(design.twips, dpi);
    // Both end points are drawn.
    const int left = twipsToPixels(design.twips.left(), dpi);
    const int right = twipsToPixels(design.twips.left() + design.twips.width(), dpi);
    return {left, twipsToPixels(design.twips.top(), dpi), right - left + 1, design.lineWidth};
}

QWidget *makeControl(const ControlSpec &design, QWidget *parent)
{
    switch (design.kind) {
    case ControlKind::Button:
        return new QPushButton(design.text, parent);
    case ControlKind::Label: {
        auto *label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setText(design.text);
        if (design.color.isValid()) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, design.color);
            label->setPalette(palette);
        }
        if (design.boldPoints > 0) {
            QFont font = platform::sansSerifFont(design.boldPoints);
            font.setWeight(QFont::Bold);
            label->setFont(font);
        }
        return label;
    }
    case ControlKind::Picture: {
        auto *picture = new QLabel(parent);
        picture->setPixmap(QPixmap(design.text));
        picture->setScaledContents(true);
        return picture;
    }
    case ControlKind::Line:
        return new LineShape(design.color, parent);
    }
    return nullptr;
}

} // namespace

InfoWindow::InfoWindow(const QString &name, const QSize &clientTwips, const std::vector<ControlSpec> &controls)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                           | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(platform::sansSerifFont(8.25));
    const qreal dpi = platform::screenDpi();
    setFixedSize(platform::twipsToPixels(clientTwips, dpi));

    std::vector<std::pair<int, QWidget *>> tabStops;
    for (const ControlSpec &design : controls) {
        QWidget *control = makeControl(design, this);
        control->setObjectName(design.name);
        control->setGeometry(pixelsOf(design, dpi));
        if (design.index >= 0)
            control->setProperty("index", design.index);
        // Pictures and lines are the window's background: a label's text that
        // runs over one stays readable.
        if (design.kind == ControlKind::Picture || design.kind == ControlKind::Line)
            control->lower();
        if (control->focusPolicy() != Qt::NoFocus)
            tabStops.emplace_back(design.tabIndex, control);
    }
    // Focus moves by tab index and starts on the first stop.
    std::sort(tabStops.begin(), tabStops.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    if (!tabStops.empty())
        tabStops.front().second->setFocus();
}

void InfoWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancelButton)
            cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

LineShape::LineShape(const QColor &color, QWidget *parent) : QWidget(parent), color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), color);
}

} // namespace info

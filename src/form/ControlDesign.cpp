#include "form/ControlDesign.h"

#include "form/Controls.h"
#include "form/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace form {

namespace {

QRect pixelsOf(const ControlDesign &design)
{
    if (design.kind != ControlKind::Line)
        return twipsToPixels(design.twips);
    // Both end points are drawn.
    const int left = twipsToPixels(design.twips.left());
    const int right = twipsToPixels(design.twips.left() + design.twips.width());
    return {left, twipsToPixels(design.twips.top()), right - left + 1, design.lineWidth};
}

QLabel *makeLabel(const ControlDesign &design, QWidget *parent)
{
    auto *label = new QLabel(design.text, parent);
    if (design.kind == ControlKind::WrappedText) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    label->setAlignment(design.alignment);
    if (design.color.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, design.color);
        label->setPalette(palette);
    }
    return label;
}

QWidget *makeControl(const ControlDesign &design, QWidget *parent)
{
    switch (design.kind) {
    case ControlKind::Label:
    case ControlKind::WrappedText:
        return makeLabel(design, parent);
    case ControlKind::Picture: {
        auto *picture = new QLabel(parent);
        picture->setPixmap(QPixmap(design.text));
        picture->setScaledContents(true);
        return picture;
    }
    case ControlKind::Button:
        return new QPushButton(design.text, parent);
    case ControlKind::PictureButton: {
        auto *button = new QPushButton(parent);
        const QPixmap picture(design.text);
        button->setIcon(picture);
        button->setIconSize(picture.size());
        return button;
    }
    case ControlKind::Frame:
        return new QGroupBox(design.text, parent);
    case ControlKind::ComboBox: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        // What the user types is read as it stands, not added to the list.
        combo->setInsertPolicy(QComboBox::NoInsert);
        return combo;
    }
    case ControlKind::BallImage:
        return new BallImage(parent);
    case ControlKind::FrameShape:
        return new FrameShape(parent);
    case ControlKind::Line:
        return new LineShape(design.color, parent);
    }
    return nullptr;
}

} // namespace

QWidget *BuiltControls::find(const QString &name) const
{
    const auto found = byName.find(name);
    return found == byName.end() ? nullptr : found->second;
}

void BuiltControls::missing(const QString &name, const char *kind, const QWidget *found)
{
    if (found)
        qFatal("control %s is a %s, not a %s", qPrintable(name), found->metaObject()->className(), kind);
    qFatal("no control %s", qPrintable(name));
}

void paintBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

BuiltControls buildControls(QWidget *client, const std::vector<ControlDesign> &controls)
{
    BuiltControls built;
    std::vector<std::pair<int, QWidget *>> tabStops;
    for (const ControlDesign &design : controls) {
        QWidget *control = makeControl(design, design.parent.isEmpty() ? client : built.get<QWidget>(design.parent));
        control->setObjectName(design.name);
        control->setGeometry(pixelsOf(design));
        if (design.background.isValid())
            paintBackground(control, design.background);
        if (design.font)
            control->setFont(design.font());
        if (design.index >= 0)
            control->setProperty("index", design.index);
        built.add(design.name, control);
        if (control->focusPolicy() != Qt::NoFocus)
            tabStops.emplace_back(design.tabIndex, control);
    }
    std::sort(tabStops.begin(), tabStops.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    if (!tabStops.empty())
        tabStops.front().second->setFocus();
    return built;
}

} // namespace form

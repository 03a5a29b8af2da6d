#include "app/Keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace app {

namespace {

class MenuKeysFirst final : public QObject {
public:
    MenuKeysFirst(QWidget *field, QWidget *window) : QObject(field), window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
            for (const QAction *action : window->actions())
                if (action->shortcut() == pressed)
                    return true; // not taken by the field, so the shortcut fires
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *window;
};

class EnterPresses final : public QObject {
public:
    explicit EnterPresses(QAbstractButton *button) : QObject(button), button(button) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                if (!key->isAutoRepeat())
                    button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractButton *button;
};

} // namespace

void letMenuKeysWinIn(QWidget *field, QWidget *window)
{
    field->installEventFilter(new MenuKeysFirst(field, window));
}

void pressOnEnter(QAbstractButton *button)
{
    button->installEventFilter(new EnterPresses(button));
}

} // namespace app

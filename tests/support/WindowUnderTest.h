#pragma once

#include "app/Frmlotto.h"
#include "support/FindControl.h"

#include <QTest>
#include <memory>

// The main window shown offscreen, for a test class to open in init() and
// close in cleanup(), with its controls found by name.
class WindowUnderTest {
protected:
    std::unique_ptr<app::Frmlotto> window;

    bool openWindow()
    {
        window = std::make_unique<app::Frmlotto>();
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    void closeWindow() { window.reset(); }

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return findControl<T>(*window, name);
    }
};

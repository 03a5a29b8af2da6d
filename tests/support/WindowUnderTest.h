#pragma once

#include "app/Frmlotto.h"
#include "support/FindControl.h"
#include "support/ScriptedModalUi.h"

#include <QTest>
#include <memory>

// The main window shown offscreen, for a test class to open in init() and
// close in cleanup(). Every modal question the window asks is answered by
// ui, so nothing waits for a person; its controls are found by name.
class WindowUnderTest {
protected:
    std::unique_ptr<ScriptedModalUi> ui;
    std::unique_ptr<app::Frmlotto> window;

    bool openWindow()
    {
        ui = std::make_unique<ScriptedModalUi>();
        window = std::make_unique<app::Frmlotto>();
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    void closeWindow()
    {
        window.reset();
        ui.reset();
    }

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return findControl<T>(*window, name);
    }
};

#pragma once

#include <QPointer>

namespace info {

// The one instance of an information window for the whole run. The window on
// screen is destroyed when it closes; the instance stays, keeps the window's
// form-level data (Window::FormData) and loads the window afresh at the next
// show. A window loads, and runs its load handler, when it is constructed.
template <typename Window>
class WindowInstance {
public:
    typename Window::FormData form{};

    // Modeless and without an owner; returns at once. A window already open
    // is only brought forward, and is not loaded again.
    Window *Show()
    {
        if (!loaded()) {
            window = new Window(form);
            ++loads;
            window->show();
        } else {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->raise();
        }
        window->activateWindow();
        return window;
    }

    // The window on screen, or nullptr when it is not loaded. A closed window
    // may still wait for its deletion: it counts as unloaded.
    Window *loaded() const { return window && window->isVisible() ? window.data() : nullptr; }

    // How many times the window has loaded in this run.
    int loadCount() const { return loads; }

private:
    QPointer<Window> window;
    int loads = 0;
};

// The instance of Window, created at its first use.
template <typename Window>
WindowInstance<Window> &instanceOf()
{
    static WindowInstance<Window> instance;
    return instance;
}

} // namespace info

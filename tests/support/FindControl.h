#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// A control of window by its name; a name the window lacks ends the test
// run, as no test can go on without the control it drives.
template <typename T = QObject>
T *findControl(const QObject &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

#pragma once

// The offscreen platform warns that it cannot pass on a window's size hints
// each time a window is shown: said so often, it buries what the benchmarks
// print, and a failed child's own messages.
#include <QString>
#include <QtGlobal>

// Drops exactly that warning; every other message goes to the handler there
// was before.
inline void dropSizeHintsWarning()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
            previous(type, context, message);
    });
}

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Things a path can name that are not files, for the tests of what the
// program does when it meets one where it expects a file. Each returns false
// where this system or this user cannot make one (a device node needs root).
bool makeFifo(const QString &path);
bool makeDeviceNode(const QString &path); // a character device, like the null device
bool makeSocket(const QString &path);

// The bytes of the file at path, following a link; none where it cannot be
// read. writeAll() puts bytes there in place of what it held.
QByteArray readAll(const QString &path);
bool writeAll(const QString &path, const QByteArray &bytes);

// Every name in folder, sorted, whatever it names: QDir leaves out a link
// to a device.
QStringList namesIn(const QString &folder);

// What path names, not following a link: "file", "folder", "FIFO", "device",
// "socket", "link", "missing" or "other".
QString kindOf(const QString &path);

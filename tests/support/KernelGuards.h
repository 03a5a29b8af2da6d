#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The kernel's guards for sticky folders that others may write, such as
// /tmp: fs.protected_symlinks and fs.protected_regular, set to the values
// given for as long as it lives and put back after. They hold for the whole
// machine, so CTest runs the tests that set them one at a time (their
// RESOURCE_LOCK in tests/CMakeLists.txt). Only root may set them, and only
// where /proc/sys can be written; elsewhere isSet() is false, unless they
// stand so already, and why() says so.
class KernelGuards {
public:
    KernelGuards(int symlinks, int regular);
    ~KernelGuards();
    KernelGuards(const KernelGuards &) = delete;
    KernelGuards &operator=(const KernelGuards &) = delete;

    bool isSet() const { return reason.isEmpty(); }
    QString why() const { return reason; }

private:
    struct Value {
        QByteArray path;
        QByteArray before;
    };
    QList<Value> changed;
    QString reason;
};

#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <thread>

// A link that another thread turns, as fast as it can, between two targets,
// for as long as it lives: what a hostile process sharing the folder can do
// between a program's look at a path and its use of it. Each turn is
// atomic, so the link always names one of them. It names first when the
// constructor returns, and one of the two when the destructor has stopped it.
class FlippingLink {
public:
    FlippingLink(const QString &link, const QString &first, const QString &second);
    ~FlippingLink();
    FlippingLink(const FlippingLink &) = delete;
    FlippingLink &operator=(const FlippingLink &) = delete;

    bool isTurning() const { return turning; }

private:
    QByteArray spare; // the other link, named after the link, that it swaps places with
    bool turning = false;
    std::atomic<bool> stop{false};
    std::thread turner;
};

// Everything done to the files at paths while it lives, not following a
// link: an open, a read or write, a change of mode or owner, a removal.
// Only where the system can tell (inotify, on Linux); elsewhere nothing is
// ever seen.
class TouchWatch {
public:
    explicit TouchWatch(const QStringList &paths);
    ~TouchWatch();
    TouchWatch(const TouchWatch &) = delete;
    TouchWatch &operator=(const TouchWatch &) = delete;

    bool isWatching() const { return events >= 0; }
    // Those of paths touched since the last call.
    QStringList touched();

private:
    int events = -1;
    QStringList watched; // by watch descriptor, from 1
};

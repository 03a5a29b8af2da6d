#include "support/LinkRace.h"

#include <QFile>

#include <fcntl.h>
#include <random>
#include <unistd.h>

#ifdef Q_OS_LINUX
#include <algorithm>
#include <climits>
#include <sys/inotify.h>
#endif

FlippingLink::FlippingLink(const QString &link, const QString &first, const QString &second)
{
    const QByteArray name = QFile::encodeName(link);
    spare = name + ".spare";
    ::unlink(name.constData());
    ::unlink(spare.constData());
    turning = ::symlink(QFile::encodeName(first).constData(), name.constData()) == 0
        && ::symlink(QFile::encodeName(second).constData(), spare.constData()) == 0;
    if (!turning)
        return;
    turner = std::thread([this, name] {
        // A pause of random length after each turn: turned at a steady beat,
        // the link and a program that takes as long as a beat can fall into
        // step, and the program then only ever meets one of the targets.
        std::minstd_rand draw;
        while (!stop.load(std::memory_order_relaxed)) {
            ::renameat2(AT_FDCWD, name.constData(), AT_FDCWD, spare.constData(), RENAME_EXCHANGE);
            for (volatile unsigned pause = draw() % 256; pause > 0; pause = pause - 1) {}
        }
    });
}

FlippingLink::~FlippingLink()
{
    stop = true;
    if (turner.joinable())
        turner.join();
    ::unlink(spare.constData());
}

#ifdef Q_OS_LINUX

TouchWatch::TouchWatch(const QStringList &paths)
{
    events = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (events < 0)
        return;
    constexpr uint32_t everything = IN_ACCESS | IN_MODIFY | IN_ATTRIB | IN_OPEN | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE
        | IN_DELETE_SELF | IN_MOVE_SELF;
    for (const QString &path : paths) {
        const int watch = ::inotify_add_watch(events, QFile::encodeName(path).constData(), everything | IN_DONT_FOLLOW);
        if (watch < 0) {
            ::close(events);
            events = -1;
            return;
        }
        watched.resize(std::max<qsizetype>(watched.size(), watch + 1));
        watched[watch] = path;
    }
}

TouchWatch::~TouchWatch()
{
    if (events >= 0)
        ::close(events);
}

QStringList TouchWatch::touched()
{
    QStringList seen;
    alignas(inotify_event) char buffer[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
    ssize_t got;
    while (events >= 0 && (got = ::read(events, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < got;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->wd > 0 && event->wd < watched.size() && !seen.contains(watched[event->wd]))
                seen << watched[event->wd];
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    return seen;
}

#else

TouchWatch::TouchWatch(const QStringList &) {}

TouchWatch::~TouchWatch() = default;

QStringList TouchWatch::touched()
{
    return {};
}

#endif

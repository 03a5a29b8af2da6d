#pragma once

#include <QString>
#include <QTemporaryDir>

// A copy of the ball pictures in a temporary folder that is the current
// directory for the fixture's lifetime, so a test can break single pictures
// without touching the real ones. The old current directory comes back at
// the end.
class PictureFolder {
public:
    PictureFolder();
    ~PictureFolder();
    PictureFolder(const PictureFolder &) = delete;
    PictureFolder &operator=(const PictureFolder &) = delete;

    bool isReady() const { return ready; }

    // The picture of ball n: deleted; overwritten with bytes that are no
    // picture; overwritten with the picture of ball from; overwritten with
    // bytes; read.
    bool remove(int n);
    bool corrupt(int n);
    bool copyPicture(int from, int n);
    bool write(int n, const QByteArray &bytes);
    QByteArray bytes(int n) const;

private:
    QString previous;
    QTemporaryDir folder;
    bool ready = false;
};

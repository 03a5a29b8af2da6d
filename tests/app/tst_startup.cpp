// The program itself, started as a user starts it, from the folder that
// holds Numbers.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    // Under a file-size limit of nothing (ulimit -f 0), with stderr sent to
    // a file, every write there is past the limit, Qt's first line about
    // the plugins it loads among them: each must fail, and the program go on.
    void underAFileSizeLimit()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess program;
        program.setStandardErrorFile(dir.filePath(QStringLiteral("stderr.txt")));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
        program.setProcessEnvironment(environment);
        program.setChildProcessModifier([] {
            // As a shell starts it: this test's own handling of the signal,
            // which a program started inherits, back at the default.
            std::signal(SIGXFSZ, SIG_DFL);
            struct rlimit limit;
            if (::getrlimit(RLIMIT_FSIZE, &limit) == 0) {
                limit.rlim_cur = 0;
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
        });
        program.start(QStringLiteral(ZIVENTA_PROGRAM), {});
        QVERIFY(program.waitForStarted());

        // Qt writes about its plugins before it loads the platform's: once
        // that is loaded, the program has met its first writes.
        QFile maps(QStringLiteral("/proc/%1/maps").arg(program.processId()));
        bool loaded = false;
        for (int tries = 0; tries < 3000 && !loaded; ++tries) {
            if (program.waitForFinished(20))
                break;
            loaded = maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/platforms/libqoffscreen");
            maps.close();
        }
        const bool running = loaded && !program.waitForFinished(1000);
        const QString why = program.state() == QProcess::Running
            ? QStringLiteral("its platform plugin was never loaded")
            : QStringLiteral("it ended, %1 %2")
                  .arg(program.exitStatus() == QProcess::CrashExit ? "by signal" : "with exit code")
                  .arg(program.exitCode());
        program.kill();
        program.waitForFinished();
        QVERIFY2(running, qPrintable(why));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"

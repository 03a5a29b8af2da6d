// Starts that must fail; a start that succeeds would run a program, so none is made here.
#include "platform/ProgramStarter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestProgramStarter : public QObject {
    Q_OBJECT
private slots:
    void failedStarts_data()
    {
        QTest::addColumn<QString>("commandLine"); // <dir> is a fresh folder
        QTest::newRow("empty") << "";
        QTest::newRow("missing file") << "<dir>/missing";
        QTest::newRow("a folder") << "<dir>";
        QTest::newRow("a file that is no program") << "<dir>/plain.txt";
        // Split at the blank, or given to a shell, this would start /bin/true.
        QTest::newRow("not split into arguments") << "/bin/true <dir>";
        QTest::newRow("not given to a shell") << "/bin/true;/bin/true";
    }

    void failedStarts()
    {
        QFETCH(QString, commandLine);
        QTemporaryDir dir;
        QFile plain(dir.filePath("plain.txt"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(!platform::programStarter().start(commandLine.replace("<dir>", dir.path())));
    }
};

QTEST_GUILESS_MAIN(TestProgramStarter)
#include "tst_programstarter.moc"

// A window finds each control of its table through one checked lookup: a
// name the table lacks, or a control of another kind, ends the program
// while the window is built, with a message naming the control, instead of
// handing out a null pointer.
#include "form/ControlDesign.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QProcess>
#include <QPushButton>

namespace {

constexpr char FaultVariable[] = "ZIVENTA_LOOKUP_FAULT";

} // namespace

class TestBuiltControls : public QObject {
    Q_OBJECT
private slots:
    void faults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("a name the table lacks") << "name" << "no control Combo2";
        QTest::newRow("a control of another kind") << "kind" << "control Label1 is a QLabel, not a QPushButton";
        QTest::newRow("a parent the table lacks") << "parent" << "no control Frame9";
    }

    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(FaultVariable), fault);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("faultyLookup")});
        QVERIFY(child.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY2(output.contains(message), qPrintable(output));
        QVERIFY2(!output.contains(QStringLiteral("the lookup returned")), qPrintable(output));
    }

    // The window faults() starts in a process of its own; alone it has
    // nothing to do.
    void faultyLookup()
    {
        const QByteArray fault = qgetenv(FaultVariable);
        if (fault.isEmpty())
            QSKIP("run by faults() only");
        std::vector<form::ControlDesign> table = {{"Label1", form::ControlKind::Label, {}, {0, 0, 300, 300}}};
        if (fault == "parent")
            table.push_back({"Button1", form::ControlKind::Button, "Frame9", {0, 0, 300, 300}});
        QWidget client;
        const form::BuiltControls built = form::buildControls(&client, table);
        if (fault == "name")
            built.get<QComboBox>("Combo2");
        else
            built.get<QPushButton>("Label1");
        QFAIL("the lookup returned");
    }
};

ZIVENTA_TEST_MAIN(TestBuiltControls)
#include "tst_builtcontrols.moc"

// Reading the registry and finding and starting the system information tool.
#include "info/SystemInformation.h"
#include "support/RecordingProgramStarter.h"
#include "support/RecordingRegistry.h"
#include "support/ScriptedModalUi.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using platform::LocalMachine;

namespace {

enum class Answer { True, False, Throws };

// A value as a key holds it; absent means no such key.
struct Stored {
    bool present = false;
    std::uint32_t type = 0;
    QByteArray data;
};

Stored absent()
{
    return {};
}

Stored raw(std::uint32_t type, const QByteArray &data)
{
    return {true, type, data};
}

// chars and their terminating zero
Stored text(const QByteArray &chars, std::uint32_t type = platform::ValueType::Text)
{
    return raw(type, chars + '\0');
}

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

const QString ToolPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

} // namespace

Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(Stored)

class TestSystemInformation : public QObject {
    Q_OBJECT
private slots:
    void getKeyValue_data()
    {
        QTest::addColumn<QString>("keyName");
        QTest::addColumn<QString>("valueName");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("keyVal"); // KeyVal held "held" before the call

        const QString key = QStringLiteral("SOFTWARE\\Ziventa");
        const QString value = QStringLiteral("Value");
        auto row = [&](const char *name, uint type, const QByteArray &data, Answer answer, const QString &keyVal) {
            QTest::newRow(name) << key << value << type << data << answer << keyVal;
        };
        const QString x1022(1022, 'x'), x1023(1023, 'x'), x1024(1024, 'x');

        row("13 characters and their zero", 1, QByteArray("Ziventa tools", 14), Answer::True, "Ziventa tools");
        row("13 characters without a zero", 1, QByteArray("Ziventa tools", 13), Answer::True, "Ziventa tools");
        row("only the last zero goes", 1, QByteArray("a\0b\0\0", 5), Answer::True, QString::fromLatin1("a\0b\0", 4));
        row("1023 data bytes", 1, x1022.toLatin1() + '\0', Answer::True, x1022);
        row("1024 data bytes", 1, x1023.toLatin1() + '\0', Answer::True, x1023);
        row("1024 data bytes, no zero", 1, x1024.toLatin1(), Answer::True, x1024);
        row("1025 data bytes do not fit", 1, x1024.toLatin1() + '\0', Answer::False, "");
        row("number 256", 4, hex("00010000"), Answer::True, "256");
        row("number 5", 4, hex("05000000"), Answer::True, "5");
        row("number 2^31 is unsigned", 4, hex("00000080"), Answer::True, "2147483648");
        row("largest number", 4, hex("ffffffff"), Answer::True, "4294967295");
        row("number of two bytes", 4, hex("3412"), Answer::True, "4660");
        row("number whose one byte is 0", 4, hex("00"), Answer::True, "0");
        row("number wider than 32 bits", 4, hex("0100000001"), Answer::Throws, "held");
        row("expandable text is not converted", 2, QByteArray("abc", 4), Answer::True, "held");
        row("binary is not converted", 3, hex("0102"), Answer::True, "held");
        row("text without data", 1, {}, Answer::Throws, "held");
        row("number without data", 4, {}, Answer::Throws, "held");
        QTest::newRow("no such value") << key << "Other" << 1u << QByteArray("a", 2) << Answer::False << "";
        QTest::newRow("no such key") << "SOFTWARE\\Other" << value << 1u << QByteArray("a", 2) << Answer::False << "";
    }

    void getKeyValue()
    {
        QFETCH(QString, keyName);
        QFETCH(QString, valueName);
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        QFETCH(Answer, answer);
        QFETCH(QString, keyVal);

        RecordingRegistry registry;
        registry.hive.setValue(LocalMachine, "SOFTWARE\\Ziventa", "Value", type, data);
        QString held = QStringLiteral("held");
        switch (answer) {
        case Answer::True:
            QVERIFY(info::GetKeyValue(registry, LocalMachine, keyName, valueName, held));
            break;
        case Answer::False:
            QVERIFY(!info::GetKeyValue(registry, LocalMachine, keyName, valueName, held));
            break;
        case Answer::Throws:
            QVERIFY_THROWS_EXCEPTION(std::exception,
                                     info::GetKeyValue(registry, LocalMachine, keyName, valueName, held));
            break;
        }
        QCOMPARE(held, keyVal);
        // The hive refuses write rights, so every read above shows they were not asked.
        QCOMPARE(registry.accesses, QList<std::uint32_t>{platform::KeyAccess::Read});
        QVERIFY(registry.stillOpen.isEmpty());
    }

    void startSysInfo_data()
    {
        QTest::addColumn<Stored>("toolPath");
        QTest::addColumn<Stored>("toolFolder");
        QTest::addColumn<QStringList>("files"); // below <dir>; a final / makes a folder
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("unavailable");

        // A backslash is part of a file name here, so "<dir>/tools\MSINFO32.EXE"
        // stands where Windows would find MSINFO32.EXE in the folder tools.
        const Stored tools = text("<dir>/tools");
        const QString tool = QStringLiteral("tools\\MSINFO32.EXE");
        const QStringList both{ToolPathKey, ToolFolderKey};

        QTest::newRow("the tool's path starts it, the folder key unread")
            << text("<dir>/tool") << tools << QStringList{"tool", tool} << QStringList{ToolPathKey}
            << QStringList{"<dir>/tool"} << false;
        QTest::newRow("the shared folder holds the tool")
            << absent() << tools << QStringList{tool} << both << QStringList{"<dir>/" + tool} << false;
        QTest::newRow("a folder ending in a backslash is joined with a second one")
            << absent() << text("<dir>/tools\\") << QStringList{"tools\\\\MSINFO32.EXE"} << both
            << QStringList{"<dir>/tools\\\\MSINFO32.EXE"} << false;
        QTest::newRow("a folder ending in a backslash misses the tool behind one")
            << absent() << text("<dir>/tools\\") << QStringList{tool} << both << QStringList{} << true;
        QTest::newRow("the shared folder without the tool")
            << absent() << tools << QStringList{} << both << QStringList{} << true;
        QTest::newRow("the shared folder's tool is a folder")
            << absent() << tools << QStringList{tool + "/"} << both << QStringList{} << true;
        QTest::newRow("the tool's path names a missing file")
            << text("<dir>/missing") << tools << QStringList{tool} << QStringList{ToolPathKey}
            << QStringList{"<dir>/missing"} << true;
        QTest::newRow("the tool's path of type 2 starts nothing")
            << text("<dir>/tool", 2) << tools << QStringList{"tool", tool} << QStringList{ToolPathKey}
            << QStringList{""} << true;
        QTest::newRow("the tool's path without data")
            << raw(1, {}) << tools << QStringList{tool} << QStringList{ToolPathKey} << QStringList{} << true;
        QTest::newRow("the tool's path too long, the shared folder used")
            << raw(1, QByteArray(1025, 'x')) << tools << QStringList{tool} << both << QStringList{"<dir>/" + tool}
            << false;
        QTest::newRow("neither key") << absent() << absent() << QStringList{} << both << QStringList{} << true;
    }

    void startSysInfo()
    {
        QFETCH(Stored, toolPath);
        QFETCH(Stored, toolFolder);
        QFETCH(QStringList, files);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, started);
        QFETCH(bool, unavailable);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString &name : files) {
            if (name.endsWith('/'))
                QVERIFY(QDir(dir.path()).mkpath(name));
            else
                QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        }
        RecordingRegistry registry;
        const auto store = [&](const QString &key, const QString &name, Stored stored) {
            if (stored.present)
                registry.hive.setValue(LocalMachine, key, name, stored.type,
                                       stored.data.replace("<dir>", dir.path().toUtf8()));
        };
        store(ToolPathKey, "PATH", toolPath);
        store(ToolFolderKey, "MSINFO", toolFolder);
        RecordingProgramStarter starter;
        ScriptedModalUi ui;

        info::StartSysInfo(nullptr);

        QCOMPARE(registry.opened, opened);
        QCOMPARE(starter.started, started.replaceInStrings("<dir>", dir.path()));
        QCOMPARE(ui.messages, unavailable ? QList{okBox(Unavailable)} : QList<platform::Message>{});
        QVERIFY(registry.stillOpen.isEmpty());
    }
};

ZIVENTA_TEST_MAIN(TestSystemInformation)
#include "tst_systeminformation.moc"

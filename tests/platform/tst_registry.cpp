// The read-only registry held in memory, and the hive file it is read from.
#include "platform/Registry.h"
#include "support/FileKinds.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;

namespace {

const QString Key = QStringLiteral("SOFTWARE\\Ziventa");

QString underKey(const QString &lines)
{
    return QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ziventa]\n") + lines;
}

struct Read {
    long result = -1;
    std::uint32_t type = 0;
    QByteArray data;
};

// Value name of key path as the interface gives it, into a buffer of 1024 bytes.
Read readValue(Registry &registry, const QString &path, const QString &name)
{
    Read read;
    KeyHandle key = 0;
    read.result = registry.openKey(LocalMachine, path, KeyAccess::Read, key);
    if (read.result != RegistryResult::Success)
        return read;
    QByteArray buffer(1024, '\0');
    std::uint32_t size = 1024;
    read.result = registry.queryValue(key, name, read.type, reinterpret_cast<unsigned char *>(buffer.data()), size);
    read.data = buffer.left(size);
    registry.closeKey(key);
    return read;
}

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT
private slots:
    // A key that may be read but not written opens for reading.
    void readOnlyKeys_data()
    {
        QTest::addColumn<uint>("access");
        QTest::addColumn<long>("result");
        QTest::newRow("read") << 0x20019u << RegistryResult::Success;
        QTest::newRow("query value alone") << 0x1u << RegistryResult::Success;
        QTest::newRow("read and write") << 0x2003Fu << RegistryResult::AccessDenied;
        QTest::newRow("all access") << 0xF003Fu << RegistryResult::AccessDenied;
        QTest::newRow("delete") << 0x10000u << RegistryResult::AccessDenied;
    }

    void readOnlyKeys()
    {
        QFETCH(uint, access);
        QFETCH(long, result);
        MemoryRegistry hive;
        hive.addKey(LocalMachine, Key);
        KeyHandle key = 0;
        QCOMPARE(hive.openKey(LocalMachine, Key, access, key), result);
        QCOMPARE(key != 0, result == RegistryResult::Success);
    }

    void openQueryClose()
    {
        MemoryRegistry hive;
        hive.setValue(LocalMachine, Key, "Value", 7, "abcd");
        KeyHandle key = 0;
        QCOMPARE(hive.openKey(LocalMachine, "SOFTWARE\\Other", KeyAccess::Read, key), RegistryResult::NotFound);
        QCOMPARE(hive.openKey(LocalMachine + 1, Key, KeyAccess::Read, key), RegistryResult::NotFound);
        QCOMPARE(hive.openKey(LocalMachine, "SOFTWARE", KeyAccess::Read, key), RegistryResult::NotFound);
        QCOMPARE(key, KeyHandle(0));
        QCOMPARE(hive.openKey(LocalMachine, "software\\ZIVENTA", KeyAccess::Read, key), RegistryResult::Success);

        unsigned char buffer[8] = {};
        std::uint32_t type = 0;
        std::uint32_t size = 4;
        QCOMPARE(hive.queryValue(key, "VALUE", type, buffer, size), RegistryResult::Success);
        QCOMPARE(type, 7u);
        QCOMPARE(size, 4u);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), 5), QByteArray("abcd", 5));

        size = 3;
        QCOMPARE(hive.queryValue(key, "Value", type, buffer, size), RegistryResult::MoreData);
        QCOMPARE(size, 4u);
        QCOMPARE(hive.queryValue(key, "Other", type, buffer, size), RegistryResult::NotFound);

        QCOMPARE(hive.closeKey(key), RegistryResult::Success);
        QCOMPARE(hive.queryValue(key, "Value", type, buffer, size), RegistryResult::InvalidHandle);
        QCOMPARE(hive.closeKey(key), RegistryResult::InvalidHandle);
        QCOMPARE(hive.closeKey(0), RegistryResult::InvalidHandle);
    }

    void parseHive_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("faultLine"); // 0: the text is a good hive
        QTest::addColumn<uint>("type");     // of value V of the key, when good
        QTest::addColumn<QByteArray>("data");

        auto good = [](const char *name, const QString &text, uint type, const QByteArray &data) {
            QTest::newRow(name) << text << 0 << type << data;
        };
        auto bad = [](const char *name, const QString &text, int line) {
            QTest::newRow(name) << text << line << 0u << QByteArray();
        };
        good("text", underKey(R"("V" = 1 "/usr/bin/hardinfo")"), 1, QByteArray("/usr/bin/hardinfo", 18));
        good("text keeps quotes and backslashes", underKey(R"("V" = 1 "C:\Tools\ "x" \")"),
             1, QByteArray(R"(C:\Tools\ "x" \)", 16));
        good("empty text is its zero", underKey(R"("V" = 1 "")"), 1, QByteArray(1, '\0'));
        good("text in UTF-8", underKey(QString::fromUtf8("\"V\" = 1 \"\xc3\xa9\"")), 1, QByteArray::fromHex("c3a900"));
        good("number", underKey(R"("V" = 4 256)"), 4, QByteArray::fromHex("00010000"));
        good("largest number", underKey(R"("V" = 4 4294967295)"), 4, QByteArray::fromHex("ffffffff"));
        good("hex bytes", underKey(R"("V" = 3 hex: 01 aB ff)"), 3, QByteArray::fromHex("01abff"));
        good("hex without bytes", underKey(R"("V" = 1 hex:)"), 1, QByteArray());
        good("any type code", underKey(R"("V" = 2 "x")"), 2, QByteArray("x", 2));
        good("a value set again replaces", underKey("\"V\" = 1 \"x\"\n\"V\" = 4 5"),
             4, QByteArray::fromHex("05000000"));
        good("comments, blanks, CRLF and case",
             "# a comment\r\n\r\n  [hkey_local_machine\\software\\ZIVENTA]  \r\n  \"V\"=4   5  \r\n# \"V\" = 4 6\r\n",
             4, QByteArray::fromHex("05000000"));
        bad("number too large", underKey(R"("V" = 4 4294967296)"), 2);
        bad("type code too large", underKey(R"("V" = 4294967296 1)"), 2);
        bad("odd hex digit", underKey(R"("V" = 3 hex: 0)"), 2);
        bad("unquoted text", underKey(R"("V" = 1 abc)"), 2);
        bad("no type code", underKey(R"("V" = "abc")"), 2);
        bad("unquoted name", underKey(R"(V = 1 "abc")"), 2);
        bad("value before the first key", "\"V\" = 1 \"x\"\n" + underKey(""), 1);
        bad("another root", "[HKEY_CURRENT_USER\\SOFTWARE\\Ziventa]\n\"V\" = 1 \"x\"", 1);
        bad("key without a path", "[HKEY_LOCAL_MACHINE\\]", 1);
        bad("a bad line after good ones", underKey("\"V\" = 1 \"x\"\n\nrubbish"), 4);
    }

    void parseHive()
    {
        QFETCH(QString, text);
        QFETCH(int, faultLine);
        QFETCH(uint, type);
        QFETCH(QByteArray, data);

        MemoryRegistry hive;
        hive.addKey(LocalMachine, "SOFTWARE\\Earlier");
        QString error;
        QCOMPARE(platform::parseHive(text, hive, &error), faultLine == 0);
        // What the registry held before never survives: a good text replaces it, a bad one empties it.
        QCOMPARE(readValue(hive, "SOFTWARE\\Earlier", "V").result, RegistryResult::NotFound);
        const Read read = readValue(hive, Key, "V");
        if (faultLine != 0) {
            QVERIFY2(error.startsWith(QStringLiteral("line %1: ").arg(faultLine)), qPrintable(error));
            QCOMPARE(read.result, RegistryResult::NotFound);
            return;
        }
        QCOMPARE(read.result, RegistryResult::Success);
        QCOMPARE(read.type, type);
        QCOMPARE(read.data, data);
    }

    // A hive file that cannot be used leaves every key missing, and never
    // crashes. What is not a small regular file is not read at all, so it
    // cannot make the program wait or grow without bound.
    void hiveFiles_data()
    {
        QTest::addColumn<QString>("kind"); // of what the path names
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("warns");
        QTest::addColumn<bool>("opens");
        const QByteArray good("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ziventa]\n");
        // One long comment line before the key, to a size in all.
        auto padded = [&](qint64 size) { return "#" + QByteArray(size - good.size() - 2, 'x') + "\n" + good; };
        QTest::newRow("good") << "file" << good << false << true;
        QTest::newRow("missing") << "missing" << QByteArray() << true << false;
        QTest::newRow("empty") << "file" << QByteArray() << false << false;
        QTest::newRow("garbage") << "file" << QByteArray("\x89PNG\r\n\x1a\n\0\0\xff[", 12) << true << false;
        QTest::newRow("good key, bad value")
            << "file" << QByteArray("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ziventa]\n\"V\" = 1 \"unclosed\n") << true << false;
        QTest::newRow("64 KiB exactly") << "file" << padded(MaxHiveFileBytes) << false << true;
        QTest::newRow("a byte over 64 KiB") << "file" << padded(MaxHiveFileBytes + 1) << true << false;
        // Without a writer, opening it would wait for good.
        QTest::newRow("a FIFO") << "FIFO" << QByteArray() << true << false;
        // Read as a file, it would never end.
        QTest::newRow("a link to /dev/zero") << "device link" << QByteArray() << true << false;
        QTest::newRow("a folder") << "folder" << QByteArray() << true << false;
    }

    void hiveFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, contents);
        QFETCH(bool, warns);
        QFETCH(bool, opens);

        QTemporaryDir dir;
        const QString path = dir.filePath("ziventa.hive");
        if (kind == "file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(contents), contents.size());
        } else if (kind == "FIFO") {
            QVERIFY(makeFifo(path));
        } else if (kind == "device link") {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        }
        if (warns)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^registry hive .*ziventa\\.hive not"));
        MemoryRegistry hive = loadHiveFile(path);
        KeyHandle key = 0;
        QCOMPARE(hive.openKey(LocalMachine, Key, KeyAccess::Read, key) == RegistryResult::Success, opens);
    }

    // The hive shipped beside the program points at the system information tool.
    void shippedHive()
    {
        QFile file("src/platform/ziventa.hive");
        QVERIFY(file.open(QIODevice::ReadOnly));
        MemoryRegistry hive;
        QString error;
        QVERIFY2(platform::parseHive(QString::fromUtf8(file.readAll()), hive, &error), qPrintable(error));
        const Read tool = readValue(hive, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
        QCOMPARE(tool.result, RegistryResult::Success);
        QCOMPARE(tool.type, ValueType::Text);
        QCOMPARE(tool.data, QByteArray("/usr/bin/hardinfo", 18));
        QCOMPARE(readValue(hive, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO").result,
                 RegistryResult::NotFound);
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"

#include "platform/Registry.h"

#include "platform/Install.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QtEndian>
#include <cstring>
#include <optional>

namespace platform {

QString MemoryRegistry::keyId(KeyHandle root, const QString &path)
{
    return QString::number(root, 16) + QLatin1Char('\\') + path.toCaseFolded();
}

void MemoryRegistry::addKey(KeyHandle root, const QString &path)
{
    keys[keyId(root, path)];
}

void MemoryRegistry::setValue(KeyHandle root, const QString &path, const QString &name, std::uint32_t type,
                              const QByteArray &data)
{
    keys[keyId(root, path)].insert(name.toCaseFolded(), {type, data});
}

long MemoryRegistry::openKey(KeyHandle root, const QString &path, std::uint32_t access, KeyHandle &key)
{
    const QString id = keyId(root, path);
    if (!keys.contains(id))
        return RegistryResult::NotFound;
    if (access & ~KeyAccess::Read)
        return RegistryResult::AccessDenied;
    key = ++lastHandle;
    open.insert(key, id);
    return RegistryResult::Success;
}

long MemoryRegistry::queryValue(KeyHandle key, const QString &name, std::uint32_t &type, unsigned char *buffer,
                                std::uint32_t &dataSize)
{
    const auto id = open.constFind(key);
    if (id == open.cend())
        return RegistryResult::InvalidHandle;
    const Key &values = *keys.constFind(*id);
    const auto value = values.constFind(name.toCaseFolded());
    if (value == values.cend())
        return RegistryResult::NotFound;
    const auto size = static_cast<std::uint32_t>(value->data.size());
    type = value->type;
    if (size > dataSize) {
        dataSize = size;
        return RegistryResult::MoreData;
    }
    std::memcpy(buffer, value->data.constData(), size);
    dataSize = size;
    return RegistryResult::Success;
}

long MemoryRegistry::closeKey(KeyHandle key)
{
    return open.remove(key) ? RegistryResult::Success : RegistryResult::InvalidHandle;
}

namespace {

std::optional<std::uint32_t> number32(const QString &digits)
{
    bool ok = false;
    const qulonglong n = digits.toULongLong(&ok);
    if (!ok || n > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<std::uint32_t>(n);
}

// The bytes of one of the three data forms the hive file writes.
std::optional<QByteArray> dataOf(const QString &form)
{
    static const QRegularExpression text(QStringLiteral(R"re(^"(.*)"$)re"));
    static const QRegularExpression number(QStringLiteral(R"re(^\d+$)re"));
    static const QRegularExpression hex(QStringLiteral(R"re(^hex:((?:\s*[0-9A-Fa-f]{2})*)$)re"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const auto m = text.match(form); m.hasMatch())
        return m.captured(1).toUtf8().append('\0');
    if (number.match(form).hasMatch()) {
        const auto n = number32(form);
        if (!n)
            return std::nullopt;
        QByteArray bytes(4, '\0');
        qToLittleEndian<quint32>(*n, bytes.data());
        return bytes;
    }
    if (const auto m = hex.match(form); m.hasMatch())
        return QByteArray::fromHex(m.captured(1).toLatin1());
    return std::nullopt;
}

} // namespace

bool parseHive(const QString &text, MemoryRegistry &into, QString *error)
{
    static const QRegularExpression keyLine(QStringLiteral(R"re(^\[HKEY_LOCAL_MACHINE\\(.+)\]$)re"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression valueLine(QStringLiteral(R"re(^"([^"]*)"\s*=\s*(\d+)\s+(.*)$)re"));

    MemoryRegistry hive;
    std::optional<QString> key;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QString fault;
        if (const auto m = keyLine.match(line); m.hasMatch()) {
            key = m.captured(1);
            hive.addKey(LocalMachine, *key);
        } else if (const auto v = valueLine.match(line); !v.hasMatch()) {
            fault = QStringLiteral("not a key, a value or a comment");
        } else if (!key) {
            fault = QStringLiteral("a value before the first key");
        } else {
            const auto type = number32(v.captured(2));
            const auto data = dataOf(v.captured(3));
            if (!type)
                fault = QStringLiteral("the type code is not a 32-bit number");
            else if (!data)
                fault = QStringLiteral("the data is not a \"text\", a 32-bit number or hex: bytes");
            else
                hive.setValue(LocalMachine, *key, v.captured(1), *type, *data);
        }
        if (!fault.isEmpty()) {
            if (error)
                *error = QStringLiteral("line %1: %2").arg(i + 1).arg(fault);
            into = MemoryRegistry();
            return false;
        }
    }
    into = std::move(hive);
    return true;
}

MemoryRegistry loadHiveFile(const QString &path)
{
    MemoryRegistry hive;
    // Anyone may put something else beside the program: it is read only when
    // it is a small regular file, so a FIFO, a device or a huge file answers
    // at once as no hive.
    const std::optional<QByteArray> bytes = readRegularFile(path, MaxHiveFileBytes);
    if (!bytes) {
        qWarning("registry hive %s not read: missing, not a regular file, or over %lld bytes", qPrintable(path),
                 MaxHiveFileBytes);
        return hive;
    }
    QString error;
    if (!parseHive(QString::fromUtf8(*bytes), hive, &error))
        qWarning("registry hive %s not used, %s", qPrintable(path), qPrintable(error));
    return hive;
}

QString hiveFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ziventa.hive");
}

#ifndef _WIN32
Registry &systemRegistry()
{
    static MemoryRegistry hive = loadHiveFile(hiveFilePath());
    return hive;
}
#endif

Registry &registry()
{
    return Install<Registry>::current(systemRegistry);
}

} // namespace platform

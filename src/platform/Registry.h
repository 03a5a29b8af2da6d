#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstdint>

namespace platform {

// A key handle, as wide as a pointer because the Windows registry hands out
// pointers; 0 is no key.
using KeyHandle = std::uintptr_t;

// The local-machine root, 0x80000002, widened the way Windows widens it
// (sign-extended where pointers have 64 bits).
constexpr KeyHandle LocalMachine = static_cast<KeyHandle>(static_cast<std::intptr_t>(std::int32_t(-0x7FFFFFFE)));

// Access rights of a key open, with the numbers Windows gives them.
namespace KeyAccess {
constexpr std::uint32_t QueryValue = 0x0001;
constexpr std::uint32_t EnumerateSubKeys = 0x0008;
constexpr std::uint32_t Notify = 0x0010;
constexpr std::uint32_t ReadControl = 0x20000;
// Every right that only reads; anything else asks to change the key.
constexpr std::uint32_t Read = ReadControl | QueryValue | EnumerateSubKeys | Notify;
} // namespace KeyAccess

// Value types the program converts; every other code is read as bytes only.
namespace ValueType {
constexpr std::uint32_t Text = 1;
constexpr std::uint32_t Number32 = 4;
} // namespace ValueType

// Results of the operations, with the numbers Windows gives them.
namespace RegistryResult {
constexpr long Success = 0;
constexpr long NotFound = 2;
constexpr long AccessDenied = 5;
constexpr long InvalidHandle = 6;
constexpr long MoreData = 234;
} // namespace RegistryResult

// The three registry operations the program reads with, shaped as the
// Windows functions are, so that the Windows backend passes them straight on.
class Registry {
public:
    virtual ~Registry() = default;

    // Opens path below root with the rights asked; on success key is set.
    virtual long openKey(KeyHandle root, const QString &path, std::uint32_t access, KeyHandle &key) = 0;

    // Copies the data of value name into buffer, whose size dataSize gives on
    // entry. On success type and dataSize tell the value's type and length.
    // Data that does not fit is MoreData, with dataSize the length needed.
    virtual long queryValue(KeyHandle key, const QString &name, std::uint32_t &type, unsigned char *buffer,
                            std::uint32_t &dataSize) = 0;

    virtual long closeKey(KeyHandle key) = 0;
};

// A read-only registry held in memory: the hive file's contents where there
// is no Windows registry, and the exact bytes a test sets up. Key paths and
// value names ignore case, as on Windows; only keys given here exist (a
// parent of one does not). Opens that ask for any right to change a key are
// refused, as for a user who may read the key but not write it.
class MemoryRegistry final : public Registry {
public:
    // Adds the key; adding it again keeps its values.
    void addKey(KeyHandle root, const QString &path);
    // Sets a value, adding its key when needed; a second set replaces it.
    void setValue(KeyHandle root, const QString &path, const QString &name, std::uint32_t type,
                  const QByteArray &data);

    long openKey(KeyHandle root, const QString &path, std::uint32_t access, KeyHandle &key) override;
    long queryValue(KeyHandle key, const QString &name, std::uint32_t &type, unsigned char *buffer,
                    std::uint32_t &dataSize) override;
    long closeKey(KeyHandle key) override;

private:
    struct Value {
        std::uint32_t type = 0;
        QByteArray data;
    };
    using Key = QHash<QString, Value>; // by case-folded value name

    static QString keyId(KeyHandle root, const QString &path);

    QHash<QString, Key> keys;        // by keyId
    QHash<KeyHandle, QString> open;  // open handle -> keyId
    KeyHandle lastHandle = 0;
};

// Reads the hive text (its format is described in the shipped ziventa.hive).
// On success into holds its keys and values; otherwise into is left empty and
// error says which line is wrong and why.
bool parseHive(const QString &text, MemoryRegistry &into, QString *error = nullptr);

// The most a hive file may hold; the shipped one holds under 3 KiB.
constexpr qint64 MaxHiveFileBytes = 64 * 1024;

// The hive of the file at path; empty, so that every open fails, when the
// file is missing, is not a regular file, holds more than MaxHiveFileBytes
// or is malformed (each reported as a warning).
MemoryRegistry loadHiveFile(const QString &path);

// Where the program looks for its hive: beside the executable.
QString hiveFilePath();

// The system's own registry: the Windows registry, or elsewhere the hive
// file, read once at first use.
Registry &systemRegistry();

// The registry in use: the one a test installed with Install<Registry>, else
// the system's.
Registry &registry();

} // namespace platform

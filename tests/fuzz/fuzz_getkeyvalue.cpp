// GetKeyValue over any value a registry can hold: any type code, any data of
// any length, given directly or through the hive file's text.
//
// Input: the first byte chooses the form. Even: the next four bytes are the
// type code (little-endian) and the rest is the value's data. Odd: the rest
// is a hive text, and the value read is V of the key SOFTWARE\Ziventa.
#include "info/SystemInformation.h"

#include <QtEndian>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

using namespace platform;

namespace {

const QString Key = QStringLiteral("SOFTWARE\\Ziventa");
const QString Value = QStringLiteral("V");
const QString Held = QStringLiteral("held");

// A plainly wrong result is a finding like a crash.
void check(bool ok)
{
    if (!ok)
        std::abort();
}

// The outcome a value of this type and data must give: what KeyVal holds, or
// which exception.
void checkDirect(std::uint32_t type, const QByteArray &data)
{
    MemoryRegistry hive;
    hive.setValue(LocalMachine, Key, Value, type, data);
    QString keyVal = Held;
    QByteArray stripped = data.endsWith('\0') ? data.chopped(1) : data;
    try {
        const bool read = info::GetKeyValue(hive, LocalMachine, Key, Value, keyVal);
        check(!data.isEmpty());
        if (data.size() > 1024) {
            check(!read && keyVal.isEmpty());
            return;
        }
        check(read);
        if (type == ValueType::Text) {
            check(keyVal == QString::fromLocal8Bit(stripped));
        } else if (type == ValueType::Number32) {
            check(stripped.size() <= 4);
            stripped.append(QByteArray(4 - stripped.size(), '\0'));
            check(keyVal == QString::number(qFromLittleEndian<quint32>(stripped.constData())));
        } else {
            check(keyVal == Held);
        }
    } catch (const std::invalid_argument &) {
        check(data.isEmpty() && keyVal == Held);
    } catch (const std::overflow_error &) {
        check(type == ValueType::Number32 && stripped.size() > 4 && keyVal == Held);
    }
}

// Whatever a hive text holds, reading from it never fails but in the
// documented ways, and a text that does not parse leaves nothing to read.
void checkHiveText(const QByteArray &text)
{
    MemoryRegistry hive;
    const bool parsed = parseHive(QString::fromUtf8(text), hive);
    QString keyVal = Held;
    try {
        const bool read = info::GetKeyValue(hive, LocalMachine, Key, Value, keyVal);
        check(parsed || (!read && keyVal.isEmpty()));
    } catch (const std::invalid_argument &) {
    } catch (const std::overflow_error &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    if (data[0] & 1) {
        checkHiveText(rest);
    } else if (rest.size() >= 4) {
        checkDirect(qFromLittleEndian<quint32>(rest.constData()), rest.mid(4));
    }
    return 0;
}

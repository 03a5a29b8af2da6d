#include "info/SystemInformation.h"

#include "platform/ModalUi.h"
#include "platform/ProgramStarter.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <stdexcept>

namespace info {

namespace {

constexpr std::uint32_t BufferSize = 1024;

// The number of a 32-bit value: its last data byte is the most significant.
// A terminating zero already dropped only takes a leading zero byte away.
std::uint32_t number32Of(const QByteArray &bytes)
{
    if (bytes.size() > 4)
        throw std::overflow_error("registry number wider than 32 bits");
    std::uint32_t number = 0;
    for (auto b = bytes.crbegin(); b != bytes.crend(); ++b)
        number = (number << 8) | static_cast<unsigned char>(*b);
    return number;
}

// A normal file: not a folder and not hidden.
bool isNormalFile(const QString &path)
{
    const QFileInfo file(path);
    return file.isFile() && !file.isHidden();
}

// True when the tool was found and started.
bool findAndStartTool()
{
    platform::Registry &registry = platform::registry();
    QString toolPath;
    if (!GetKeyValue(registry, platform::LocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                     QStringLiteral("PATH"), toolPath)) {
        if (!GetKeyValue(registry, platform::LocalMachine,
                         QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"),
                         toolPath))
            return false;
        // The folder is taken as the key holds it: one that ends in a
        // backslash gets a second, and the tool is looked for there.
        const QString inFolder = toolPath + QStringLiteral("\\MSINFO32.EXE");
        if (!isNormalFile(inFolder))
            return false;
        toolPath = inFolder;
    }
    return platform::programStarter().start(toolPath);
}

} // namespace

bool GetKeyValue(platform::Registry &registry, platform::KeyHandle KeyRoot, const QString &KeyName,
                 const QString &SubKeyRef, QString &KeyVal)
{
    platform::KeyHandle key = 0;
    // Closed on every path, also after a failed open and when the read throws.
    const auto close = qScopeGuard([&] { registry.closeKey(key); });

    // Read rights only: asking for write rights as well would shut out every
    // user who may read the key but not change it.
    if (registry.openKey(KeyRoot, KeyName, platform::KeyAccess::Read, key) != platform::RegistryResult::Success) {
        KeyVal.clear();
        return false;
    }
    QByteArray buffer(BufferSize, '\0');
    std::uint32_t type = 0;
    std::uint32_t dataSize = BufferSize;
    if (registry.queryValue(key, SubKeyRef, type, reinterpret_cast<unsigned char *>(buffer.data()), dataSize)
        != platform::RegistryResult::Success) {
        KeyVal.clear();
        return false;
    }
    if (dataSize == 0)
        throw std::invalid_argument("registry value without data");

    QByteArray data = buffer.left(dataSize);
    if (data.endsWith('\0'))
        data.chop(1);
    switch (type) {
    case platform::ValueType::Text:
        KeyVal = QString::fromLocal8Bit(data);
        break;
    case platform::ValueType::Number32:
        KeyVal = QString::number(number32Of(data));
        break;
    default:
        break;
    }
    return true;
}

void StartSysInfo(QWidget *parent)
{
    bool started = false;
    try {
        started = findAndStartTool();
    } catch (const std::exception &) {
        // A value that cannot be read ends like a tool that cannot be found.
    }
    if (!started)
        platform::messageBox(parent, QStringLiteral("System Information Is Unavailable At This Time"));
}

} // namespace info

// The Windows registry itself, passed straight to advapi32; built on Windows only.
#include "platform/Registry.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace platform {

namespace {

HKEY hkeyOf(KeyHandle key)
{
    return reinterpret_cast<HKEY>(key);
}

// Names and value names go as text in the system code page, as the A
// functions take them.
class WindowsRegistry final : public Registry {
public:
    long openKey(KeyHandle root, const QString &path, std::uint32_t access, KeyHandle &key) override
    {
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(hkeyOf(root), path.toLocal8Bit().constData(), 0, access, &opened);
        if (result == ERROR_SUCCESS)
            key = reinterpret_cast<KeyHandle>(opened);
        return result;
    }

    long queryValue(KeyHandle key, const QString &name, std::uint32_t &type, unsigned char *buffer,
                    std::uint32_t &dataSize) override
    {
        DWORD valueType = 0;
        DWORD size = dataSize;
        const LONG result =
            RegQueryValueExA(hkeyOf(key), name.toLocal8Bit().constData(), nullptr, &valueType, buffer, &size);
        type = valueType;
        dataSize = size;
        return result;
    }

    long closeKey(KeyHandle key) override { return RegCloseKey(hkeyOf(key)); }
};

} // namespace

Registry &systemRegistry()
{
    static WindowsRegistry windowsRegistry;
    return windowsRegistry;
}

} // namespace platform

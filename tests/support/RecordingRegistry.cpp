#include "support/RecordingRegistry.h"

long RecordingRegistry::openKey(platform::KeyHandle root, const QString &path, std::uint32_t access,
                                platform::KeyHandle &key)
{
    opened.append(path);
    accesses.append(access);
    const long result = hive.openKey(root, path, access, key);
    if (result == platform::RegistryResult::Success)
        stillOpen.insert(key);
    return result;
}

long RecordingRegistry::queryValue(platform::KeyHandle key, const QString &name, std::uint32_t &type,
                                   unsigned char *buffer, std::uint32_t &dataSize)
{
    return hive.queryValue(key, name, type, buffer, dataSize);
}

long RecordingRegistry::closeKey(platform::KeyHandle key)
{
    stillOpen.remove(key);
    return hive.closeKey(key);
}

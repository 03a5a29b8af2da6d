#pragma once

#include "platform/Install.h"
#include "platform/Registry.h"

#include <QList>
#include <QSet>
#include <QStringList>

// An in-memory registry that records what is asked of it and which keys are
// still open. It installs itself for its lifetime.
class RecordingRegistry final : public platform::Registry {
public:
    platform::MemoryRegistry hive; // what the registry holds

    QStringList opened;              // key paths, every open asked, in order
    QList<std::uint32_t> accesses;   // the rights each open asked
    QSet<platform::KeyHandle> stillOpen;

    long openKey(platform::KeyHandle root, const QString &path, std::uint32_t access,
                 platform::KeyHandle &key) override;
    long queryValue(platform::KeyHandle key, const QString &name, std::uint32_t &type, unsigned char *buffer,
                    std::uint32_t &dataSize) override;
    long closeKey(platform::KeyHandle key) override;

private:
    platform::Install<platform::Registry> install{*this};
};

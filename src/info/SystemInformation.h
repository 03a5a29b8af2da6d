#pragma once

#include "platform/Registry.h"

#include <QString>

class QWidget;

namespace info {

// Reads value SubKeyRef of key KeyName below KeyRoot into KeyVal: a text
// value as its text, a 32-bit number as its decimal; a value of any other
// type is read but leaves KeyVal as it was. True when the key opened and the
// value was read; false, with KeyVal empty, when either could not be.
// Throws std::invalid_argument for a value without data bytes and
// std::overflow_error for a number wider than 32 bits; KeyVal then keeps what
// it held. The key is closed on every path.
bool GetKeyValue(platform::Registry &registry, platform::KeyHandle KeyRoot, const QString &KeyName,
                 const QString &SubKeyRef, QString &KeyVal);

// Finds the system information tool through the registry and starts it
// without waiting; when it cannot, says so in one message box.
void StartSysInfo(QWidget *parent);

} // namespace info

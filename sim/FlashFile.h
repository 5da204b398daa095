#pragma once

#include "DeviceParameters.h"

#include <QString>

#include <optional>

// Keeps a simulated unit's flash across runs: the 113 record bytes, nothing
// else. Saving replaces the file atomically, so a crash or a kill while
// writing leaves the previous flash intact.
namespace FlashFile {

// No value when the file is missing, unreadable or not exactly one record.
std::optional<DeviceParameters> load(const QString &path);
bool save(const QString &path, const DeviceParameters &record);

} // namespace FlashFile

#pragma once

#include "ParameterTable.h"

#include <array>

// One key of a .conf file: "Group/name", where name is the record field it
// stores. The IMU keys are written so a file documents the whole unit, but
// they are never read back: the sensor geometry belongs to the unit.
struct ConfigKey
{
    const char *key;
    int offset; // record offset of the field
    int width;  // 1 for signed bytes, 2 for the signed 16-bit IMU offsets
    bool loaded;
};

// Counted from the field table.
constexpr int ConfigKeyCount = ParameterTable::keyCount();
constexpr int LoadedKeyCount = ParameterTable::loadedCount();

// Every key in the order a save writes it.
const std::array<ConfigKey, ConfigKeyCount> &configKeys();

#include "ConfigKey.h"

namespace {

constexpr std::array<ConfigKey, ConfigKeyCount> keysOfTheTable()
{
    std::array<ConfigKey, ConfigKeyCount> keys{};
    std::size_t next = 0;
    for (const ParameterTable::Field &f : ParameterTable::fields) {
        if (f.key)
            keys[next++] = ConfigKey{f.key, f.offset, f.width, f.loaded};
    }
    return keys;
}

constexpr std::array<ConfigKey, ConfigKeyCount> TableKeys = keysOfTheTable();

} // namespace

const std::array<ConfigKey, ConfigKeyCount> &configKeys()
{
    return TableKeys;
}

#include "DeviceParameters.h"

#include <cstring>

bool DeviceParameters::operator==(const DeviceParameters &other) const
{
    return std::memcmp(bytes(), other.bytes(), Size) == 0;
}

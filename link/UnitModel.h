#pragma once

#include <QString>

// What the unit says it is, in every reply: its model code and firmware
// version in tenths.
namespace UnitModel {

constexpr quint8 X1 = 10;
constexpr quint8 A1 = 11;

// "VRN-X1", "VRN-A1", or "unit-<code>" for a code no model has.
QString name(quint8 model);
// "1.2" for 12.
QString firmware(quint8 version);

} // namespace UnitModel

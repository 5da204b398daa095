#pragma once

#include "DeviceParameters.h"

#include <QtGlobal>

#include <array>

// How the eight parameter blocks map onto the record. The PC and the unit
// share the layout but not every byte: block 2 payload byte 12 is never
// carried, and block 3 payload bytes 4-7 travel only from the unit to the PC.
namespace ParameterBlocks {

enum Direction
{
    PcToUnit,
    UnitToPc
};

// Block numbers in transfer order.
constexpr std::array<int, 8> Blocks = {1, 2, 3, 4, 5, 6, 10, 11};

// 0 when the id is not a write (or request) id of a block.
int blockForWriteId(quint8 id);
int blockForRequestId(quint8 id);
inline quint8 writeId(int block)
{
    return quint8(block);
}
inline quint8 requestId(int block)
{
    return quint8(0x80 + block);
}
// The block after this one in transfer order, 0 after block 11.
int nextBlock(int block);

// Payload from the record, as sent in the given direction. Bytes the layout
// does not use, or does not send in this direction, are written as 0.
void fill(int block, const DeviceParameters &record, quint8 *payload, Direction direction);
// Record from the payload, as received in the given direction. Bytes not
// carried in that direction are left untouched.
void store(int block, const quint8 *payload, DeviceParameters &record, Direction direction);

// Offsets of the record bytes a block carries in the given direction.
QList<int> carriedOffsets(int block, Direction direction);
// Whether two records agree in every byte a block carries in that direction.
bool sameInBlock(int block, Direction direction, const DeviceParameters &a,
                 const DeviceParameters &b);

// How many fields differ between two records in the bytes an upload carries
// (a 16-bit field counts once).
int differingFields(const DeviceParameters &a, const DeviceParameters &b);

} // namespace ParameterBlocks

#include "ParameterBlocks.h"

#include <QList>

#include <cstring>

namespace ParameterBlocks {
namespace {

enum Kind
{
    Plain,       // bytes copied as they are
    WordBE,      // one signed 16-bit field, big-endian on the wire
    FromUnitOnly // sent by the unit, written as 0 by the PC, not stored by the unit
};

struct Segment
{
    int block;
    int payloadStart;
    int recordStart;
    int length; // in payload bytes
    Kind kind;
};

constexpr Segment segments[] = {
    {1, 0, 0, 16, Plain},        {2, 0, 16, 12, Plain}, {2, 13, 29, 1, Plain},
    {2, 14, 30, 2, WordBE},      {3, 0, 32, 2, WordBE}, {3, 2, 34, 2, WordBE},
    {3, 4, 36, 4, FromUnitOnly}, {3, 8, 40, 8, Plain},  {4, 0, 48, 16, Plain},
    {5, 0, 64, 16, Plain},       {6, 0, 80, 16, Plain}, {10, 0, 96, 16, Plain},
    {11, 0, 112, 1, Plain},
};

bool carried(const Segment &s, Direction direction)
{
    return s.kind != FromUnitOnly || direction == UnitToPc;
}

bool isBlock(int block)
{
    for (int b : Blocks)
        if (b == block)
            return true;
    return false;
}

} // namespace

int blockForWriteId(quint8 id)
{
    return isBlock(id) ? int(id) : 0;
}

int blockForRequestId(quint8 id)
{
    return id > 0x80 && isBlock(id - 0x80) ? int(id - 0x80) : 0;
}

int nextBlock(int block)
{
    for (size_t i = 0; i + 1 < Blocks.size(); ++i)
        if (Blocks[i] == block)
            return Blocks[i + 1];
    return 0;
}

void fill(int block, const DeviceParameters &record, quint8 *payload, Direction direction)
{
    std::memset(payload, 0, 16);
    const quint8 *rec = record.bytes();
    for (const Segment &s : segments) {
        if (s.block != block || !carried(s, direction))
            continue;
        if (s.kind == WordBE) {
            qint16 value;
            std::memcpy(&value, rec + s.recordStart, 2);
            payload[s.payloadStart] = quint8(quint16(value) >> 8);
            payload[s.payloadStart + 1] = quint8(quint16(value) & 0xFF);
        } else {
            std::memcpy(payload + s.payloadStart, rec + s.recordStart, size_t(s.length));
        }
    }
}

void store(int block, const quint8 *payload, DeviceParameters &record, Direction direction)
{
    quint8 *rec = record.bytes();
    for (const Segment &s : segments) {
        if (s.block != block || !carried(s, direction))
            continue;
        if (s.kind == WordBE) {
            const qint16 value =
                qint16(quint16(payload[s.payloadStart] << 8 | payload[s.payloadStart + 1]));
            std::memcpy(rec + s.recordStart, &value, 2);
        } else {
            std::memcpy(rec + s.recordStart, payload + s.payloadStart, size_t(s.length));
        }
    }
}

QList<int> carriedOffsets(int block, Direction direction)
{
    QList<int> offsets;
    for (const Segment &s : segments) {
        if (s.block != block || !carried(s, direction))
            continue;
        for (int i = 0; i < s.length; ++i)
            offsets.append(s.recordStart + i);
    }
    return offsets;
}

int differingFields(const DeviceParameters &a, const DeviceParameters &b)
{
    int count = 0;
    for (const Segment &s : segments) {
        if (!carried(s, PcToUnit))
            continue;
        const int width = s.kind == WordBE ? 2 : 1;
        for (int i = 0; i < s.length; i += width) {
            const int offset = s.recordStart + i;
            if (std::memcmp(a.bytes() + offset, b.bytes() + offset, size_t(width)) != 0)
                ++count;
        }
    }
    return count;
}

bool sameInBlock(int block, Direction direction, const DeviceParameters &a,
                 const DeviceParameters &b)
{
    for (int offset : carriedOffsets(block, direction))
        if (a.byteAt(offset) != b.byteAt(offset))
            return false;
    return true;
}

} // namespace ParameterBlocks

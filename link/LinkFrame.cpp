#include "LinkFrame.h"

#include "ParameterBlocks.h"

#include <cstring>

namespace {
// Entry i is i multiplied by 0x1021 without carries.
constexpr quint16 crcTable[16] = {0x0000, 0x1021, 0x2042, 0x3063, 0x4084, 0x50A5, 0x60C6, 0x70E7,
                                  0x8108, 0x9129, 0xA14A, 0xB16B, 0xC18C, 0xD1AD, 0xE1CE, 0xF1EF};
} // namespace

quint16 crc16(const quint8 *data, int length)
{
    quint16 crc = 0;
    for (int i = 0; i < length; ++i) {
        const quint8 b = data[i];
        crc = quint16(crc << 4) ^ crcTable[(crc >> 12) ^ (b >> 4)];
        crc = quint16(crc << 4) ^ crcTable[(crc >> 12) ^ (b & 0x0F)];
    }
    return crc;
}

bool isKnownSubframe(quint8 id)
{
    return id == DLU_SFID_IDLE || id == DLU_UP_SFID_TELEMETRY_1 ||
           ParameterBlocks::blockForWriteId(id) != 0 || ParameterBlocks::blockForRequestId(id) != 0;
}

bool LinkFrame::hasValidCrc() const
{
    return crc16(bytes.data(), 30) == storedCrc();
}

void LinkFrame::seal()
{
    bytes[0] = Sync1;
    bytes[1] = Sync2;
    const quint16 crc = crc16(bytes.data(), 30);
    bytes[ByteCrcHigh] = quint8(crc >> 8);
    bytes[ByteCrcLow] = quint8(crc & 0xFF);
}

LinkFrame LinkFrame::fromBytes(const quint8 *data)
{
    LinkFrame frame;
    std::memcpy(frame.bytes.data(), data, Size);
    return frame;
}

LinkFrame LinkFrame::build(quint8 command, quint8 subframe, const DeviceParameters &record)
{
    LinkFrame frame;
    frame.bytes[ByteCommand] = command;
    if (isKnownSubframe(subframe)) {
        frame.bytes[ByteSubframe] = subframe;
        if (const int block = ParameterBlocks::blockForWriteId(subframe))
            ParameterBlocks::fill(block, record, frame.payload(), ParameterBlocks::PcToUnit);
    }
    frame.seal();
    return frame;
}

// Arbitrary byte streams, cut into arbitrary reads, must never crash the
// receiver, and every frame it hands on must carry the sync pair and a CRC
// that matches bytes 0-29.
#include "FrameReceiver.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    FrameReceiver receiver([](const LinkFrame &frame) {
        if (frame.bytes[0] != 0xAB || frame.bytes[1] != 0xCD)
            std::abort();
        if (crc16(frame.bytes.data(), 30) != frame.storedCrc())
            std::abort();
    });
    // The first byte chooses the read size, so splits are explored too.
    const size_t chunk = size ? (data[0] % 40) + 1 : 1;
    for (size_t pos = size ? 1 : 0; pos < size; pos += chunk) {
        const size_t n = pos + chunk <= size ? chunk : size - pos;
        receiver.feed(data + pos, qint64(n));
    }
    return 0;
}

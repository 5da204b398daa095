#include "FrameReceiver.h"

void FrameReceiver::feed(const quint8 *data, qint64 length)
{
    for (qint64 i = 0; i < length; ++i)
        feedByte(data[i]);
}

void FrameReceiver::feedByte(quint8 byte)
{
    switch (currentState) {
    case HuntSync:
        if (byte == LinkFrame::Sync1)
            currentState = GotSync1;
        return;
    case GotSync1:
        if (byte == LinkFrame::Sync2)
            currentState = Collecting;
        else if (byte != LinkFrame::Sync1)
            currentState = HuntSync;
        return;
    case Collecting:
        buffer.bytes[size_t(writeIndex++)] = byte;
        if (writeIndex < LinkFrame::Size)
            return;
        currentState = HuntSync;
        writeIndex = 2;
        buffer.bytes[0] = LinkFrame::Sync1;
        buffer.bytes[1] = LinkFrame::Sync2;
        if (buffer.hasValidCrc() && handler)
            handler(buffer);
        return;
    }
}

void FrameReceiver::reset()
{
    currentState = HuntSync;
    writeIndex = 2;
    buffer = LinkFrame();
}

#pragma once

#include "LinkFrame.h"

#include <functional>

// Cuts frames out of the byte stream from the port. State, index and buffer
// carry over from one read to the next; once the sync pair is seen the next
// 30 bytes belong to the frame, whatever they are.
class FrameReceiver
{
public:
    enum State
    {
        HuntSync,
        GotSync1,
        Collecting
    };
    using FrameHandler = std::function<void(const LinkFrame &)>;

    explicit FrameReceiver(FrameHandler onFrame = {}) : handler(std::move(onFrame)) {}
    void setHandler(FrameHandler h) { handler = std::move(h); }

    // Each frame that passes the CRC reaches the handler before the next
    // byte is looked at.
    void feed(const quint8 *data, qint64 length);
    void feed(const QByteArray &data)
    {
        feed(reinterpret_cast<const quint8 *>(data.constData()), data.size());
    }
    void feedByte(quint8 byte);

    State state() const { return currentState; }
    int index() const { return writeIndex; }
    void reset();

private:
    FrameHandler handler;
    State currentState = HuntSync;
    int writeIndex = 2;
    LinkFrame buffer;
};

#pragma once

#include "DeviceParameters.h"

#include <QByteArray>
#include <QtGlobal>

#include <array>

// Command codes, frame byte 4. One command is pending at a time; it rides in
// every frame until the unit acknowledges it.
constexpr quint8 CMD_NONE = 0;
constexpr quint8 CMD_SET_FAIL_PROTECT = 1;
constexpr quint8 CMD_SAVE_FLASH = 2;
constexpr quint8 CMD_CUT_MOTOR = 3;
constexpr quint8 CMD_CUT_PID = 4;
constexpr quint8 CMD_RUN_PID = 5;

// Subframe ids, frame byte 13. Block n is written with id n and requested
// with id 0x80 + n; blocks 7 to 9 do not exist.
constexpr quint8 DLU_SFID_IDLE = 0x00;
constexpr quint8 DLU_WRITE_SFID_PARAM_1 = 0x01;
constexpr quint8 DLU_WRITE_SFID_PARAM_2 = 0x02;
constexpr quint8 DLU_WRITE_SFID_PARAM_3 = 0x03;
constexpr quint8 DLU_WRITE_SFID_PARAM_4 = 0x04;
constexpr quint8 DLU_WRITE_SFID_PARAM_5 = 0x05;
constexpr quint8 DLU_WRITE_SFID_PARAM_6 = 0x06;
constexpr quint8 DLU_WRITE_SFID_PARAM_10 = 0x0A;
constexpr quint8 DLU_WRITE_SFID_PARAM_11 = 0x0B;
constexpr quint8 DLU_DOWN_SFID_PARAM_1 = 0x81;
constexpr quint8 DLU_DOWN_SFID_PARAM_2 = 0x82;
constexpr quint8 DLU_DOWN_SFID_PARAM_3 = 0x83;
constexpr quint8 DLU_DOWN_SFID_PARAM_4 = 0x84;
constexpr quint8 DLU_DOWN_SFID_PARAM_5 = 0x85;
constexpr quint8 DLU_DOWN_SFID_PARAM_6 = 0x86;
constexpr quint8 DLU_UP_SFID_TELEMETRY_1 = 0x87;
constexpr quint8 DLU_DOWN_SFID_PARAM_10 = 0x8A;
constexpr quint8 DLU_DOWN_SFID_PARAM_11 = 0x8B;

// The 32-byte frame used in both directions.
struct LinkFrame
{
    static constexpr int Size = 32;
    static constexpr int PayloadOffset = 14;
    static constexpr int PayloadSize = 16;
    static constexpr quint8 Sync1 = 0xAB;
    static constexpr quint8 Sync2 = 0xCD;

    enum Byte
    {
        ByteCommand = 4,
        ByteModel = 11,
        ByteVersion = 12,
        ByteSubframe = 13,
        ByteCrcHigh = 30,
        ByteCrcLow = 31
    };

    std::array<quint8, Size> bytes{};

    quint8 command() const { return bytes[ByteCommand]; }
    quint8 subframe() const { return bytes[ByteSubframe]; }
    quint8 model() const { return bytes[ByteModel]; }
    quint8 version() const { return bytes[ByteVersion]; }
    quint8 *payload() { return bytes.data() + PayloadOffset; }
    const quint8 *payload() const { return bytes.data() + PayloadOffset; }

    // CRC over bytes 0-29, as stored in bytes 30 (high) and 31 (low).
    quint16 storedCrc() const { return quint16(bytes[ByteCrcHigh] << 8 | bytes[ByteCrcLow]); }
    bool hasValidCrc() const;
    // Writes the sync pair and the CRC; everything else is left as it is.
    void seal();

    QByteArray toByteArray() const
    {
        return QByteArray(reinterpret_cast<const char *>(bytes.data()), Size);
    }
    static LinkFrame fromBytes(const quint8 *data);

    // The frame the PC sends for a pending command and a subframe id, the
    // payload built from the record. Ids outside the table give byte 13 = 0.
    static LinkFrame build(quint8 command, quint8 subframe, const DeviceParameters &record);
};

// CRC-16/XMODEM (poly 0x1021, init 0, no reflection), a nibble at a time.
quint16 crc16(const quint8 *data, int length);

// True for every id the frame table knows.
bool isKnownSubframe(quint8 id);

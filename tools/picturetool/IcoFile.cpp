#include "IcoFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

namespace {
constexpr int headerSize = 6;
constexpr int entrySize = 16;

struct SingleIcon
{
    QByteArray entry; // the 16-byte directory entry, offset still to be set
    QByteArray data;  // the bitmap that the entry points to
};

// The one-bit transparency mask that ends each bitmap, bottom row first, set
// where a pixel is fully transparent. Qt's writer leaves the row padding
// uninitialised, which made every run give different files.
QByteArray andMask(const QImage &image)
{
    const int stride = (image.width() + 31) / 32 * 4;
    QByteArray mask(stride * image.height(), '\0');
    for (int y = 0; y < image.height(); ++y) {
        char *row = mask.data() + (image.height() - 1 - y) * stride;
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
    }
    return mask;
}

bool encodeOne(const QImage &image, SingleIcon &out)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        return false;
    if (bytes.size() < headerSize + entrySize)
        return false;
    const auto *raw = reinterpret_cast<const uchar *>(bytes.constData());
    if (qFromLittleEndian<quint16>(raw + 4) != 1)
        return false;
    const quint32 length = qFromLittleEndian<quint32>(raw + headerSize + 8);
    const quint32 offset = qFromLittleEndian<quint32>(raw + headerSize + 12);
    if (qint64(offset) + length > bytes.size())
        return false;
    out.entry = bytes.mid(headerSize, entrySize);
    out.data = bytes.mid(int(offset), int(length));
    const QByteArray mask = andMask(image.convertToFormat(QImage::Format_ARGB32));
    if (mask.size() > out.data.size())
        return false;
    out.data.replace(out.data.size() - mask.size(), mask.size(), mask);
    return true;
}
} // namespace

QByteArray IcoFile::encode(const QList<QImage> &images)
{
    QList<SingleIcon> icons;
    for (const QImage &image : images) {
        if (image.isNull() || image.width() > 255 || image.height() > 255)
            return {};
        SingleIcon icon;
        if (!encodeOne(image, icon))
            return {};
        icons.append(icon);
    }
    if (icons.isEmpty())
        return {};

    QByteArray out(headerSize, '\0');
    auto *header = reinterpret_cast<uchar *>(out.data());
    qToLittleEndian<quint16>(0, header);
    qToLittleEndian<quint16>(1, header + 2);
    qToLittleEndian<quint16>(quint16(icons.size()), header + 4);

    quint32 offset = headerSize + entrySize * icons.size();
    for (SingleIcon &icon : icons) {
        qToLittleEndian<quint32>(offset, reinterpret_cast<uchar *>(icon.entry.data()) + 12);
        out.append(icon.entry);
        offset += quint32(icon.data.size());
    }
    for (const SingleIcon &icon : icons)
        out.append(icon.data);
    return out;
}

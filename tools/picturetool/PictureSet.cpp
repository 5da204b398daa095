#include "PictureSet.h"

#include "Draw.h"
#include "IcoFile.h"
#include "Palette.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>

void PictureSet::add(const QString &path, const QImage &image)
{
    all.append({path, {image}});
}

void PictureSet::addIcon(const QString &path, const QList<QImage> &sizes)
{
    all.append({path, sizes});
}

namespace {
// Reads an encoded icon back: every size must come out as it went in.
bool icoReadsBack(const QByteArray &bytes, const QList<QImage> &images)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    if (reader.imageCount() != images.size())
        return false;
    for (int i = 0; i < images.size(); ++i) {
        if (!reader.jumpToImage(i) || reader.read().size() != images.at(i).size())
            return false;
    }
    return true;
}

bool writeOne(const QString &file, const PictureSet::Entry &entry)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QLatin1String("ico")) {
        const QByteArray bytes = IcoFile::encode(entry.images);
        QFile out(file);
        return !bytes.isEmpty() && icoReadsBack(bytes, entry.images) &&
               out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               out.write(bytes) == bytes.size();
    }
    QImageWriter writer(file, suffix.toLatin1());
    if (suffix == QLatin1String("jpg")) {
        writer.setQuality(92);
        return writer.write(entry.images.first().convertToFormat(QImage::Format_RGB32));
    }
    writer.setQuality(0); // PNG: smallest file, same pixels
    return writer.write(entry.images.first().convertToFormat(QImage::Format_ARGB32));
}
} // namespace

bool PictureSet::writeAll(const QDir &root) const
{
    bool ok = true;
    for (const Entry &entry : all) {
        const QString file = root.filePath(entry.path);
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !writeOne(file, entry)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    return ok;
}

QImage PictureSet::contactSheet() const
{
    const int sheetWidth = 1800;
    const int gap = 14;
    const int labelHeight = 16;
    // First pass: place every picture (skins at half size) in rows.
    struct Cell
    {
        QRect rect;
        QImage image;
        QString label;
    };
    QList<Cell> cells;
    int x = gap;
    int y = gap;
    int rowHeight = 0;
    for (const Entry &entry : all) {
        for (const QImage &source : entry.images) {
            QImage image = source;
            if (image.width() > 600)
                image =
                    image.scaled(image.size() / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            const int cellWidth = qMax(image.width(), 90);
            if (x + cellWidth + gap > sheetWidth) {
                x = gap;
                y += rowHeight + labelHeight + gap;
                rowHeight = 0;
            }
            QString label = entry.path.section(QLatin1Char('/'), -1);
            label += QStringLiteral(" %1x%2").arg(source.width()).arg(source.height());
            cells.append({QRect(x, y, image.width(), image.height()), image, label});
            x += cellWidth + gap;
            rowHeight = qMax(rowHeight, image.height());
        }
    }
    QImage sheet =
        Draw::canvas(sheetWidth, y + rowHeight + labelHeight + gap, QColor(0x8A, 0x90, 0x98));
    QPainter painter(&sheet);
    Draw::prepare(painter);
    for (const Cell &cell : cells) {
        painter.drawImage(cell.rect.topLeft(), cell.image);
        Draw::text(painter,
                   QRectF(cell.rect.left(), cell.rect.bottom() + 1, qMax(cell.rect.width(), 90),
                          labelHeight),
                   cell.label, 10, Palette::ink(), Qt::AlignLeft | Qt::AlignVCenter, false, true);
    }
    return sheet;
}

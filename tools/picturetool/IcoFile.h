#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Qt's "ico" writer stores one image per file; an application icon wants
// several sizes, so this joins single-image files into one directory.
class IcoFile
{
public:
    // Encodes the images (each at most 255 pixels a side) as one .ico; empty on failure.
    static QByteArray encode(const QList<QImage> &images);
};

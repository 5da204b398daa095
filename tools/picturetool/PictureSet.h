#pragma once

#include <QDir>
#include <QImage>
#include <QList>
#include <QString>

// The pictures painted in one run, by resource-relative path
// ("sysButton/sys_button_min.png" is reached as ":/images/sysButton/sys_button_min.png").
class PictureSet
{
public:
    struct Entry
    {
        QString path;
        QList<QImage> images; // one for png/jpg; one per size for ico
    };

    void add(const QString &path, const QImage &image);
    void addIcon(const QString &path, const QList<QImage> &sizes);

    const QList<Entry> &entries() const { return all; }

    // Writes every picture below `root`, creating folders; prints what failed.
    bool writeAll(const QDir &root) const;

    // One overview picture of everything, for looking at the set as a whole.
    QImage contactSheet() const;

private:
    QList<Entry> all;
};

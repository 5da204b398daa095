// vrn-picturetool: paints every picture the program shows and writes them
// below the given folder at their resource paths (":/images/<path>"), each
// also at twice the size ("<name>@2x.<ext>").
//
//   vrn-picturetool <images folder> [--sheet <contact sheet.png>]

#include "Captions.h"
#include "ChromePictures.h"
#include "Draw.h"
#include "IndicatorPictures.h"
#include "MountPictures.h"
#include "PictureSet.h"
#include "SkinPictures.h"
#include "SwashPictures.h"
#include "ToolIcons.h"
#include "WiringPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <functional>

namespace {
void addEverything(PictureSet &set)
{
    SkinPictures::addAll(set);
    ChromePictures::addAll(set);
    ToolIcons::addAll(set);
    IndicatorPictures::addAll(set);
    MountPictures::addAll(set);
    SwashPictures::addAll(set);
    WiringPictures::addAll(set);
}
// The pictures `add` draws, and the same at twice the size as "name@2x.ext"
// beside each one. Icon files carry their own sizes, and packaging/ holds
// the desktop icons by size: neither has a 2x form.
void addAtBothScales(PictureSet &set, const std::function<void(PictureSet &)> &add)
{
    add(set);
    Draw::setScale(2);
    PictureSet twice;
    add(twice);
    Draw::setScale(1);
    for (const PictureSet::Entry &entry : twice.entries()) {
        const QFileInfo file(entry.path);
        if (entry.path.startsWith(QLatin1String("../")) || file.suffix() == QLatin1String("ico"))
            continue;
        const QString dir = file.path() == QLatin1String(".") ? QString() : file.path() + '/';
        set.add(dir + file.completeBaseName() + QLatin1String("@2x.") + file.suffix(),
                entry.images.first());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString sheetPath;
    const int sheetAt = args.indexOf(QStringLiteral("--sheet"));
    if (sheetAt >= 0 && sheetAt + 1 < args.size()) {
        sheetPath = args.at(sheetAt + 1);
        args.remove(sheetAt, 2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: vrn-picturetool <images folder> [--sheet <file.png>]\n");
        return 2;
    }

    PictureSet set;
    addAtBothScales(set, addEverything);

    const QDir root(args.first());
    if (!set.writeAll(root))
        return 1;

    // The pictures with words in them once more in Chinese, under zh/.
    Captions::setLanguage(Captions::Chinese);
    PictureSet chinese;
    addAtBothScales(chinese, [](PictureSet &words) {
        MountPictures::addAll(words);
        SwashPictures::addAll(words);
        WiringPictures::addAll(words);
    });
    if (!root.mkpath(QStringLiteral("zh")) ||
        !chinese.writeAll(QDir(root.filePath(QStringLiteral("zh")))))
        return 1;
    std::printf("%lld pictures written to %s\n", qlonglong(set.entries().size()),
                qPrintable(root.absolutePath()));
    if (!sheetPath.isEmpty() && !set.contactSheet().save(sheetPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetPath));
        return 1;
    }
    return 0;
}

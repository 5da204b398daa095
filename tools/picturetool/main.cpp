// vrn-picturetool: paints every picture the program shows and writes them
// below the given folder at their resource paths (":/images/<path>").
//
//   vrn-picturetool <images folder> [--sheet <contact sheet.png>]

#include "Captions.h"
#include "ChromePictures.h"
#include "IndicatorPictures.h"
#include "MountPictures.h"
#include "PictureSet.h"
#include "SkinPictures.h"
#include "SwashPictures.h"
#include "ToolIcons.h"
#include "WiringPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

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
    SkinPictures::addAll(set);
    ChromePictures::addAll(set);
    ToolIcons::addAll(set);
    IndicatorPictures::addAll(set);
    MountPictures::addAll(set);
    SwashPictures::addAll(set);
    WiringPictures::addAll(set);

    const QDir root(args.first());
    if (!set.writeAll(root))
        return 1;

    // The pictures with words in them once more in Chinese, under zh/.
    Captions::setLanguage(Captions::Chinese);
    PictureSet chinese;
    MountPictures::addAll(chinese);
    SwashPictures::addAll(chinese);
    WiringPictures::addAll(chinese);
    if (!root.mkpath(QStringLiteral("zh")) || !chinese.writeAll(QDir(root.filePath(QStringLiteral("zh")))))
        return 1;
    std::printf("%lld pictures written to %s\n", qlonglong(set.entries().size()),
                qPrintable(root.absolutePath()));
    if (!sheetPath.isEmpty() && !set.contactSheet().save(sheetPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetPath));
        return 1;
    }
    return 0;
}

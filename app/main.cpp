#include "mainWidget.h"

#include <QApplication>
#include <QBrush>
#include <QFile>
#include <QIcon>
#include <QPalette>

namespace {

// The icon file is copied beside the executable at build time; a copy in the
// working directory is the fallback.
QIcon windowIcon()
{
    const QString besideProgram = QCoreApplication::applicationDirPath() + "/vrnicon.ico";
    return QIcon(QFile::exists(besideProgram) ? besideProgram : QStringLiteral("vrnicon.ico"));
}

} // namespace

int main(int argc, char *argv[])
{
    // The pictures are compiled into vrn_images; qt_add_resources in its
    // target form links their registration into this executable.
    QApplication app(argc, argv);

    QApplication::setPalette(mainWidget::applicationPalette());

    QApplication::setWindowIcon(windowIcon());
    QCoreApplication::setOrganizationName("Morvane");
    QCoreApplication::setApplicationVersion("1.1");
    QCoreApplication::setApplicationName("VRN Assistant");

    mainWidget window;
    window.setWindowTitle("VRN Assistant V1.1");
    window.show();
    return app.exec();
}

#include "DialogStyle.h"
#include "Traces.h"
#include "mainWidget.h"

#include <QApplication>
#include <QBrush>
#include <QCommandLineParser>
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

void setNames()
{
    QCoreApplication::setOrganizationName("Morvane");
    QCoreApplication::setApplicationVersion(VRN_VERSION);
    QCoreApplication::setApplicationName("VRN Assistant");
}

// --help and --version answer on a terminal without a display, so they are
// handled before the window system is reached. Ends the process for those
// two and for anything it does not know; true for --verbose.
bool handleCommandLine(int argc, char *argv[])
{
    QCoreApplication core(argc, argv);
    setNames();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Sets up VRN-A1 and VRN-X1 flybarless gyro units over a USB-serial port.\n"
        "The language is chosen in the window (title bar, Language button).");
    // Not addHelpOption(): it also offers --help-all, Qt's own options, which
    // this program does not take.
    const QCommandLineOption help({"h", "help"}, "Displays this help.");
    parser.addOption(help);
    const QCommandLineOption verbose(
        "verbose", "Writes the program's traces (frames, commands, start-up) to the terminal.");
    parser.addOption(verbose);
    parser.addVersionOption();
    parser.process(core);
    if (parser.isSet(help))
        parser.showHelp(0);
    if (!parser.positionalArguments().isEmpty())
        parser.showHelp(2);
    return parser.isSet(verbose);
}

} // namespace

int main(int argc, char *argv[])
{
    if (handleCommandLine(argc, argv))
        Traces::enableAll();

    // The pictures are compiled into vrn_images; qt_add_resources in its
    // target form links their registration into this executable.
    QApplication app(argc, argv);

    DialogStyle::setApplicationPalette(mainWidget::applicationPalette());

    QApplication::setWindowIcon(windowIcon());
    setNames();

    mainWidget window;
    window.setWindowTitle("VRN Assistant V1.1");
    window.show();
    return app.exec();
}

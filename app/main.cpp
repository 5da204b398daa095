#include "DialogStyle.h"
#include "LanguageSettings.h"
#include "SheetCommand.h"
#include "Traces.h"
#include "mainWidget.h"

#include <QApplication>
#include <QBrush>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QLoggingCategory>
#include <QPalette>
#include <QTextStream>

#include <cstdlib>
#include <optional>

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

// A setup sheet asked for on the command line.
struct SheetRequest
{
    QString confFile;
    QString pdfFile;
    quint8 language;
};

// What the command line asks of a run that opens the window or makes a sheet.
struct CommandLine
{
    std::optional<SheetRequest> sheet;
    bool verbose = false;
};

// --help, --version and --setup-sheet answer on a terminal without a
// display, so they are handled before the window system is reached. Ends
// the process for the first two and for anything it does not know.
CommandLine handleCommandLine(int argc, char *argv[])
{
    QCoreApplication core(argc, argv);
    setNames();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Sets up VRN-A1 and VRN-X1 flybarless gyro units over a USB-serial port.\n"
        "The language is chosen in the window (title bar, Language button).\n"
        "With --setup-sheet, writes the setup sheet of a .conf file as a PDF\n"
        "without opening a window:\n"
        "  vrn-assistant --setup-sheet heli.conf -o heli.pdf [--language zh]");
    // Not addHelpOption(): it also offers --help-all, Qt's own options, which
    // this program does not take.
    const QCommandLineOption help({"h", "help"}, "Displays this help.");
    const QCommandLineOption sheet("setup-sheet",
                                   "Writes the setup sheet of <file>: every parameter, grouped "
                                   "as on the pages, on one or two A4 pages.",
                                   "file.conf");
    const QCommandLineOption output({"o", "output"}, "The PDF file the setup sheet is written to.",
                                    "file.pdf");
    const QCommandLineOption language(
        "language", "The setup sheet's language: en (the default) or zh.", "en|zh", "en");
    parser.addOption(help);
    const QCommandLineOption verbose(
        "verbose", "Writes the program's traces (frames, commands, start-up) to the terminal.");
    parser.addOption(verbose);
    parser.addVersionOption();
    parser.addOptions({sheet, output, language});
    parser.process(core);
    if (parser.isSet(help))
        parser.showHelp(0);
    if (!parser.positionalArguments().isEmpty())
        parser.showHelp(2);
    const QString languageName = parser.value(language);
    if (languageName != QLatin1String("en") && languageName != QLatin1String("zh")) {
        QTextStream(stderr) << "vrn-assistant: --language takes en or zh, not " << languageName
                            << Qt::endl;
        ::exit(2);
    }
    if (!parser.isSet(sheet)) {
        if (parser.isSet(output) || parser.isSet(language)) {
            QTextStream(stderr) << "vrn-assistant: -o and --language go with --setup-sheet"
                                << Qt::endl;
            ::exit(2);
        }
        return CommandLine{std::nullopt, parser.isSet(verbose)};
    }
    if (!parser.isSet(output)) {
        QTextStream(stderr) << "vrn-assistant: --setup-sheet needs -o file.pdf" << Qt::endl;
        ::exit(2);
    }
    return CommandLine{SheetRequest{parser.value(sheet), parser.value(output),
                                    languageName == QLatin1String("zh")
                                        ? LanguageSettings::Chinese
                                        : LanguageSettings::English},
                       parser.isSet(verbose)};
}

// The sheet needs fonts, not a screen: the offscreen platform has both
// where no display is.
int makeSheet(int argc, char *argv[], const SheetRequest &request)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // A terminal shows the outcome, not which catalogue was loaded.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    setNames();
    LanguageSettings::installTranslator(request.language);
    QTextStream out(stdout);
    QTextStream errors(stderr);
    const int status = SheetCommand::make(request.confFile, request.pdfFile, out, errors);
    // The catalogues go before the application does.
    LanguageSettings::removeTranslator();
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    const CommandLine commandLine = handleCommandLine(argc, argv);
    if (commandLine.verbose)
        Traces::enableAll();
    if (commandLine.sheet)
        return makeSheet(argc, argv, *commandLine.sheet);

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

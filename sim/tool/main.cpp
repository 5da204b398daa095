// vrn-sim: a simulated gyro unit on a pseudo-terminal, so the assistant (or
// any serial tool) can be tried without a helicopter on the desk.

#include "PtyUnitServer.h"
#include "SignalPipe.h"
#include "SimulatedUnit.h"
#include "StickScript.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <optional>

namespace {

const char *const Description =
    "Runs a simulated VRN gyro unit on a pseudo-terminal and prints the\n"
    "terminal's device path as the first line of its output. Open that path\n"
    "as a serial port (115200 8N1); the assistant reaches it through\n"
    "VRN_EXTRA_PORTS=<path>. The unit answers every valid frame with one\n"
    "frame, keeps a working record and a separate flash copy (written by\n"
    "WriteFlash), and starts from a factory set-up. Without --flash the\n"
    "flash lasts as long as the program runs.\n"
    "\n"
    "Signals:\n"
    "  SIGHUP   power cycle, quicker than the PC notices silence: flash is\n"
    "           reloaded, values not written to flash are lost\n"
    "  SIGUSR1  toggle silence: stop answering / answer again\n"
    "  SIGINT, SIGTERM  stop (the --link symlink is removed)\n"
    "\n"
    "The PC side may close and reopen the terminal at any time.";

struct Options
{
    quint8 model = SimulatedUnit::ModelX1;
    quint8 version = 12;
    int latency = SimulatedUnit::DefaultLatencyMs;
    int jitter = 0;
    int batch = 0;
    double duplicate = 0;
    double drop = 0;
    double corrupt = 0;
    double late = 0;
    quint32 seed = 1;
    std::optional<SimulatedUnit::TelemetryWords> telemetry;
    std::optional<StickScript> sticks;
    QString flash;
    QString log;
    QString link;
};

[[noreturn]] void die(const QString &message)
{
    std::fprintf(stderr, "vrn-sim: %s\n", qPrintable(message));
    std::exit(2);
}

double probability(const QString &text, const char *name)
{
    bool ok = false;
    const double p = text.toDouble(&ok);
    if (!ok || p < 0.0 || p > 1.0)
        die(QStringLiteral("--%1 needs a probability between 0 and 1").arg(QLatin1String(name)));
    return p;
}

long integer(const QString &text, const char *name, long low, long high)
{
    bool ok = false;
    const long value = text.toLong(&ok);
    if (!ok || value < low || value > high)
        die(QStringLiteral("--%1 needs a whole number from %2 to %3")
                .arg(QLatin1String(name))
                .arg(low)
                .arg(high));
    return value;
}

SimulatedUnit::TelemetryWords telemetryWords(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 6)
        die(QStringLiteral("--telemetry needs six comma-separated words"));
    SimulatedUnit::TelemetryWords words{};
    for (int i = 0; i < 6; ++i)
        words[size_t(i)] = qint16(integer(parts[i].trimmed(), "telemetry", -32768, 32767));
    return words;
}

Options parse(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(Description));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption model(
        {"m", "model"}, "Model code in replies: 10 VRN-X1, 11 VRN-A1 (default 10).", "code", "10");
    const QCommandLineOption version({"V", "firmware"},
                                     "Firmware version in tenths, 12 means 1.2 (default 12).",
                                     "tenths", "12");
    const QCommandLineOption latency({"l", "latency"},
                                     "Milliseconds between a frame and its reply (default 2).",
                                     "ms", QString::number(SimulatedUnit::DefaultLatencyMs));
    const QCommandLineOption jitter(
        "jitter",
        "A busy unit: up to this many more milliseconds before each reply, at random (default 0).",
        "ms", "0");
    const QCommandLineOption batch(
        "batch",
        "A USB-serial adapter's latency timer: the PC sees replies only every this many "
        "milliseconds, in batches (default 0: at once; real adapters use up to 16).",
        "ms", "0");
    const QCommandLineOption duplicate(
        "duplicate", "Probability that a reply goes out twice (default 0).", "p", "0");
    const QCommandLineOption drop("drop", "Probability that a reply is lost (default 0).", "p",
                                  "0");
    const QCommandLineOption corrupt(
        "corrupt", "Probability that a reply has one bit flipped (default 0).", "p", "0");
    const QCommandLineOption late(
        "late", "Probability that the reply to the previous frame is sent instead (default 0).",
        "p", "0");
    const QCommandLineOption seed(
        "seed", "Seed for the fault generator, for repeatable runs (default 1).", "n", "1");
    const QCommandLineOption telemetry(
        "telemetry",
        "Fixed raw channel words instead of moving sticks: "
        "rudder,aileron,elevator,collective,gain,throttle (3040 is centre, 8.4 per step).",
        "w0,..,w5");
    const QCommandLineOption sticks(
        "sticks",
        "Steer the sticks by a script: one moment a line, a time in ms (or ticks as \"50t\") "
        "and channel values in monitor counts, e.g. \"1000 aileron=100 elevator=-7\"; "
        "\"3000 loop\" starts over. The script starts when the program does.",
        "file");
    const QCommandLineOption flash("flash",
                                   "Keep the unit's flash in FILE across runs (created from the "
                                   "factory set-up when missing, replaced atomically).",
                                   "file");
    const QCommandLineOption log("log", "Append one line per frame in each direction to FILE.",
                                 "file");
    const QCommandLineOption link("link", "Also make PATH a symbolic link to the terminal.",
                                  "path");
    parser.addOptions({model, version, latency, jitter, batch, duplicate, drop, corrupt, late, seed,
                       telemetry, sticks, flash, log, link});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        die(QStringLiteral("unexpected argument %1 (see --help)")
                .arg(parser.positionalArguments().first()));

    Options o;
    o.model = quint8(integer(parser.value(model), "model", 0, 255));
    o.version = quint8(integer(parser.value(version), "firmware", 0, 255));
    o.latency = int(integer(parser.value(latency), "latency", 0, 60000));
    o.jitter = int(integer(parser.value(jitter), "jitter", 0, 60000));
    o.batch = int(integer(parser.value(batch), "batch", 0, 1000));
    o.duplicate = probability(parser.value(duplicate), "duplicate");
    o.drop = probability(parser.value(drop), "drop");
    o.corrupt = probability(parser.value(corrupt), "corrupt");
    o.late = probability(parser.value(late), "late");
    o.seed = quint32(integer(parser.value(seed), "seed", 0, 4294967295L));
    if (parser.isSet(telemetry))
        o.telemetry = telemetryWords(parser.value(telemetry));
    if (parser.isSet(sticks)) {
        if (parser.isSet(telemetry))
            die(QStringLiteral("--sticks and --telemetry both set the channels; choose one"));
        QString error;
        o.sticks = StickScript::load(parser.value(sticks), &error);
        if (!o.sticks)
            die(error);
    }
    o.flash = parser.value(flash);
    o.log = parser.value(log);
    o.link = parser.value(link);
    return o;
}

void configure(SimulatedUnit &unit, const Options &o)
{
    unit.setModel(o.model);
    unit.setFirmwareVersion(o.version);
    unit.setLatencyMs(o.latency);
    unit.setLatencyJitterMs(o.jitter);
    unit.setBatchMs(o.batch);
    unit.setDuplicateProbability(o.duplicate);
    unit.setSeed(o.seed);
    unit.setDropProbability(o.drop);
    unit.setCorruptProbability(o.corrupt);
    unit.setLateReplyProbability(o.late);
    if (o.telemetry)
        unit.setFixedTelemetry(*o.telemetry);
    if (o.sticks)
        unit.setStickScript(*o.sticks);
}

void makeLink(const QString &link, const QString &target)
{
    const QFileInfo existing(link);
    if (existing.isSymLink())
        QFile::remove(link);
    else if (existing.exists())
        die(QStringLiteral("%1 exists and is not a symbolic link; not replacing it").arg(link));
    if (!QFile::link(target, link))
        die(QStringLiteral("cannot make the link %1").arg(link));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vrn-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VRN_VERSION));
    const Options options = parse(app);

    SimulatedUnit unit;
    configure(unit, options);
    PtyUnitServer server(&unit);
    if (!options.flash.isEmpty() && !server.useFlashFile(options.flash))
        die(server.errorString());
    if (!options.log.isEmpty() && !server.useLog(options.log))
        die(server.errorString());
    if (!server.open())
        die(server.errorString());

    SignalPipe signals_;
    QObject::connect(&signals_, &SignalPipe::received, &app, [&server](int number) {
        if (number == SIGHUP)
            server.powerCycle();
        else if (number == SIGUSR1)
            server.toggleSilence();
        else
            QCoreApplication::quit();
    });
    if (!signals_.watch({SIGHUP, SIGUSR1, SIGINT, SIGTERM}))
        die(QStringLiteral("cannot install signal handlers"));
    std::signal(SIGPIPE, SIG_IGN);

    if (!options.link.isEmpty())
        makeLink(options.link, server.devicePath());
    std::printf("%s\n", qPrintable(server.devicePath()));
    std::fflush(stdout);

    const int result = app.exec();
    if (!options.link.isEmpty())
        QFile::remove(options.link);
    return result;
}

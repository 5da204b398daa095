// vrn-screenshots <en|zh> <output folder> [guided]
//
// With "guided", only the guided setup, one picture per step (and the radio
// check's advice), its sticks steered by scripts:
// <folder>/guided-<lang>-<n>-<step>.png.
//
// Shows the real window connected to the simulated unit and saves one picture
// per page and per tab of the Setup and Advanced pages:
// <folder>/window-<lang>-<page>[-<tab>].png.
#include "AppSettings.h"
#include "ChangePreview.h"
#include "CompareWindow.h"
#include "ConfigFile.h"
#include "DeviceParameters.h"
#include "DialogHook.h"
#include "DialogStyle.h"
#include "DifferenceList.h"
#include "GuidedSetup.h"
#include "HistoryWindow.h"
#include "LanguageSettings.h"
#include "Question.h"
#include "SerialProcessThread.h"
#include "SimulatedPortProvider.h"
#include "SimulatedUnit.h"
#include "StickScript.h"
#include "UnitModel.h"
#include "contentWidget.h"
#include "mainWidget.h"
#include "toolWidget.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>

#include <cstddef>

#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>

namespace {

// File name parts, in page-list and tab order; the texts themselves are
// translated, so the names cannot come from them.
const QStringList pageNames = {"basic", "setup", "advanced", "upgrade"};
const QStringList setupTabNames = {"start", "receiver", "monitor", "mount",
                                   "swash", "servo",    "trim",    "travel"};
const QStringList advancedTabNames = {"main", "tail", "governor"};

void fail(const QString &text)
{
    std::fprintf(stderr, "vrn-screenshots: %s\n", qPrintable(text));
}

void runFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The language the program reads at start-up comes from sys.ini beside the
// executable (the pilot's own settings are moved out of the way in main);
// keep whatever was there and put it back afterwards.
class LanguageFile
{
public:
    explicit LanguageFile(quint8 language) : path(AppSettings::programFilePath())
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            saved = file.readAll();
        LanguageSettings::storeLanguage(QString::number(language));
    }
    ~LanguageFile()
    {
        QFile::remove(path);
        if (!saved)
            return;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(*saved);
    }

private:
    QString path;
    std::optional<QByteArray> saved;
};

bool connectSimulatedUnit(mainWidget &window)
{
    auto *toolBar = window.findChild<toolWidget *>();
    const int row = toolBar->portComboBox->findText(SimulatedPortProvider::name());
    if (row < 0) {
        fail("no simulated unit in the port list");
        return false;
    }
    toolBar->portComboBox->setCurrentIndex(row);

    bool downloaded = false;
    QObject::connect(window.serialLink(), &SerialProcessThread::parameterChanged,
                     [&downloaded] { downloaded = true; });
    toolBar->connectPort(); // as the Connect button does, so the bar shows "Disconnect"
    QElapsedTimer clock;
    clock.start();
    while (!downloaded && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!downloaded)
        fail("the download from the simulated unit did not complete");
    return downloaded;
}

// A widget that sticks out of its parent is cut off on screen: name every
// such widget among those showing, so a picture is not the only hint.
void reportClipped(const QWidget &window, const QString &file)
{
    const auto children = window.findChildren<QWidget *>();
    for (const QWidget *w : children) {
        const QWidget *parent = w->parentWidget();
        if (!w->isVisible() || !parent || w->isWindow() || parent->rect().contains(w->geometry()))
            continue;
        const QRect g = w->geometry();
        std::fprintf(stderr, "%s: %s \"%s\" (%d,%d %dx%d) sticks out of %s \"%s\" (%dx%d)\n",
                     qPrintable(QFileInfo(file).fileName()), w->metaObject()->className(),
                     qPrintable(w->objectName()), g.x(), g.y(), g.width(), g.height(),
                     parent->metaObject()->className(), qPrintable(parent->objectName()),
                     parent->width(), parent->height());
    }
}

bool save(mainWidget &window, const QString &file)
{
    runFor(150); // let the page paint its refreshed values
    reportClipped(window, file);
    if (!window.grab().save(file, "PNG")) {
        fail(QString("cannot write %1").arg(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

bool grabTabs(mainWidget &window, QWidget *page, const QString &base, const QStringList &names)
{
    auto *tabs = page->findChild<QTabWidget *>("tabWidget");
    if (!tabs)
        return save(window, base + ".png");
    bool ok = true;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        const QString name = i < names.size() ? names[i] : QString::number(i + 1);
        if (name == "monitor")
            runFor(1000); // telemetry moves the bars
        ok = save(window, QString("%1-%2.png").arg(base, name)) && ok;
    }
    tabs->setCurrentIndex(0);
    return ok;
}

bool grabAll(mainWidget &window, const QString &folder, const QString &lang)
{
    auto *content = window.findChild<contentWidget *>();
    bool ok = true;
    for (int row = 0; row < content->pages()->count(); ++row) {
        content->pages()->setCurrentRow(row);
        const QString name = row < pageNames.size() ? pageNames[row] : QString::number(row + 1);
        const QString base = QDir(folder).filePath(QString("window-%1-%2").arg(lang, name));
        const QStringList tabNames = row == 1   ? setupTabNames
                                     : row == 2 ? advancedTabNames
                                                : QStringList();
        ok = grabTabs(window, content->stack()->widget(row), base, tabNames) && ok;
    }
    return ok;
}

// On a display (xcb under Xvfb) the dialog is taken from its own window as
// the X server shows it; offscreen, as the widget paints itself.
bool grabDialog(QDialog &dialog, const QString &file)
{
    const bool onDisplay = QGuiApplication::platformName() == QLatin1String("xcb");
    dialog.show();
    dialog.raise();
    runFor(onDisplay ? 400 : 150);
    const bool ok =
        (onDisplay ? dialog.screen()->grabWindow(dialog.winId()) : dialog.grab()).save(file, "PNG");
    if (ok)
        std::printf("%s\n", qPrintable(file));
    else
        fail(QString("cannot write %1").arg(file));
    dialog.hide();
    return ok;
}

// The preview of "Reset All" over a set-up that differs on every page, and
// the History window with a read and a flashed entry.
bool grabDialogs(mainWidget &window, const QString &folder, const QString &lang)
{
    auto *content = window.findChild<contentWidget *>();
    content->pages()->setCurrentRow(0);
    DeviceParameters &record = window.serialLink()->parameters();
    record.receiver_type = 7;
    record.model_type = 5;
    record.installation = 17;
    record.servo_rev_1 = 1;
    record.swash_servotype = 3;
    record.governor_status = 2;
    record.flight_trim_phi = -12;
    record.phi_ktotal = 58;
    bool ok = true;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        ok = grabDialog(preview, QDir(folder).filePath(QString("preview-%1.png").arg(lang))) && ok;
        return int(QDialog::Rejected);
    });
    window.findChild<QPushButton *>("pushButtonResetAll")->click();

    auto *toolBar = window.findChild<toolWidget *>();
    toolBar->history().save(record, window.serialLink()->deviceModel(),
                            window.serialLink()->firmwareVersion(), UnitHistory::Kind::Flashed);
    DialogHook::on<HistoryWindow>([&](HistoryWindow &history) {
        ok = grabDialog(history, QDir(folder).filePath(QString("history-%1.png").arg(lang))) && ok;
        return int(QDialog::Rejected);
    });
    toolBar->showHistory();
    DialogHook::on<ChangePreview>({});
    DialogHook::on<HistoryWindow>({});
    return ok;
}

// A pilot's radio check from the stick `from` on, each position held 1.5 s
// (a busy machine may tick slower than every 20 ms);
// `elevatorRest` off 0 makes the elevator's neutral the fault to show.
QString radioScript(int from, int elevatorRest)
{
    static const char *names[] = {"throttle", "collective", "elevator", "aileron", "rudder", "aux"};
    QString script = "0 throttle=-100 collective=0 elevator=0 aileron=0 rudder=0 aux=-100\n";
    int at = 1500;
    for (int s = from; s < 6; ++s) {
        for (int value : {100, -100, s == 2 ? elevatorRest : 0}) {
            script += QString("%1 %2=%3\n").arg(at).arg(names[s]).arg(value);
            at += 1500;
            if (s == 5 && value == -100)
                break;
        }
    }
    return script;
}

bool waitFor(const std::function<bool()> &done, int ms = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Every step of the guided setup, walked as a pilot with a transmitter
// would, against the built-in simulated unit's steered sticks.
bool grabGuidedSetup(mainWidget &window, const QString &folder, const QString &lang)
{
    SimulatedUnit &unit = window.simulatedPort().unit();
    const auto sticks = [&unit](const QString &text) {
        if (const auto script = StickScript::parse(text))
            unit.setStickScript(*script);
    };
    sticks("0 throttle=-100 aux=-100");
    DialogHook::onQuestion([](QMessageBox &) { return 0; });
    window.showGuidedSetup();
    GuidedSetup *guide = window.guidedSetup();
    bool ok = guide != nullptr;
    int n = 0;
    const auto grab = [&](const QString &name) {
        runFor(300);
        const QString file = QDir(folder).filePath(
            QString("guided-%1-%2-%3.png").arg(lang).arg(++n, 2, 10, QLatin1Char('0')).arg(name));
        ok = guide->grab().save(file, "PNG") && ok;
        std::printf("%s\n", qPrintable(file));
    };
    const auto ready = [&] {
        const bool done = waitFor([guide] { return guide->stepReady(); });
        if (!done)
            fail(
                QString("step %1 of the guided setup did not become ready").arg(guide->step() + 1));
        ok = ok && done;
        return done;
    };
    if (!ok)
        return false;
    grab("unit");
    guide->next();
    sticks("0 throttle=-100 aux=-100\n300 aileron=60\n900 aileron=0\n");
    ready();
    grab("receiver");
    guide->next();
    sticks(radioScript(0, 7));
    ok = waitFor([guide] { return guide->statusText().contains(QLatin1Char('7')); }) && ok;
    grab("radio-advice");
    guide->findChild<QPushButton *>("guidedRetry")->click();
    sticks(radioScript(2, 0));
    ready();
    grab("radio");
    guide->next();
    guide
        ->findChild<QPushButton *>(
            QString("guidedChoice%1_17").arg(offsetof(DeviceParameters, installation)))
        ->click();
    grab("mount");
    guide->next();
    guide
        ->findChild<QPushButton *>(
            QString("guidedChoice%1_3").arg(offsetof(DeviceParameters, model_type)))
        ->click();
    grab("swash");
    guide->next();
    guide->findChild<QCheckBox *>("guidedHornsOff")->setChecked(true);
    grab("servo");
    guide->next();
    for (int servo = 0; servo < 4; ++servo)
        guide->findChild<QPushButton *>(QString("guidedYes%1").arg(servo))->click();
    grab("directions");
    guide->next();
    // A pilot levelling CH1's arm and taking some aileron travel off.
    guide
        ->findChild<QSpinBox *>(
            QString("guidedValue%1").arg(offsetof(DeviceParameters, servo_trim_0)))
        ->setValue(8);
    guide
        ->findChild<QSpinBox *>(QString("guidedValue%1").arg(offsetof(DeviceParameters, ail_limit)))
        ->setValue(90);
    grab("trim");
    guide->next();
    sticks("0 throttle=-100 aux=-100");
    runFor(300);
    guide->findChild<QPushButton *>("guidedFailSafe")->click();
    ready();
    grab("failsafe");
    guide->next();
    grab("summary");
    guide->findChild<QPushButton *>("guidedWriteFlash")->click();
    waitFor([&window] { return !window.serialLink()->protocol().hasChangesNotInFlash(); });
    grab("summary-flashed");
    guide->next();
    waitFor([&window] { return window.guidedSetup() == nullptr; });
    DialogHook::onQuestion({});
    return ok;
}

// A file as a pilot might bring it: the unit's own save, edited as text.
QString editedSave(const QString &file, const DeviceParameters &record, quint8 model,
                   const QList<QPair<QByteArray, QByteArray>> &edits, bool dropGeneral)
{
    if (!ConfigFile::save(file, record, model, 21).ok())
        return QString();
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    QByteArray text = f.readAll();
    f.close();
    if (dropGeneral) {
        const qsizetype from = text.indexOf("[%General]");
        const qsizetype to = text.indexOf("\n[", from + 1);
        if (from >= 0 && to > from)
            text.remove(from, to + 1 - from);
    }
    for (const auto &edit : edits)
        text.replace(edit.first, edit.second);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text) != text.size())
        return QString();
    return file;
}

// The preview of three files: a partial one with a misspelt key, one with
// values no page offers, and one of the other model loaded into a VRN-A1.
bool grabFilePreviews(mainWidget &window, const QString &folder, const QString &lang)
{
    QTemporaryDir files;
    auto *toolBar = window.findChild<toolWidget *>();
    const DeviceParameters held = window.serialLink()->parameters();
    bool ok = true;
    const auto grabLoad = [&](const QString &file, const QString &name) {
        ok = !file.isEmpty() && ok;
        DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
            preview.resize(660, 460);
            ok = grabDialog(preview,
                            QDir(folder).filePath(QString("preview-%1-%2.png").arg(name, lang))) &&
                 ok;
            return int(QDialog::Rejected);
        });
        DialogHook::onFile([file](QFileDialog &) -> std::optional<QString> { return file; });
        toolBar->loadConfigFile();
    };

    DeviceParameters typo = held;
    typo.r_kd = qint8(held.r_kd + 5);
    grabLoad(editedSave(files.filePath("typo.conf"), typo, UnitModel::X1,
                        {{"\nr_kp=", "\nr_kpp="}, {"\nrpm_kp=", "\nrpm_gain="}}, true),
             "typo");

    DeviceParameters offered = held;
    offered.tail_servotype = 0;
    offered.swash_servotype = 0;
    offered.installation = 0;
    offered.r_kp = qint8(held.r_kp + 4);
    grabLoad(editedSave(files.filePath("evening1.conf"), offered, UnitModel::X1, {}, false),
             "offered");

    SimulatedUnit &unit = window.simulatedPort().unit();
    unit.setModel(UnitModel::A1);
    runFor(300); // the link takes the model from the next replies
    DeviceParameters other = held;
    other.flight_trim_phi = 35;
    other.flight_trim_theta = -20;
    other.rpm_kp = qint8(held.rpm_kp + 10);
    other.phi_ktotal = qint8(held.phi_ktotal + 6);
    grabLoad(editedSave(files.filePath("x1-trims.conf"), other, UnitModel::X1, {}, false), "model");
    unit.setModel(UnitModel::X1);
    runFor(300);

    DialogHook::on<ChangePreview>({});
    DialogHook::onFile({});
    return ok;
}

// The window with the Setup page's receiver list open and its third entry
// highlighted: the list is a window of its own, painted in where it opens.
bool grabOpenList(mainWidget &window, const QString &file)
{
    auto *content = window.findChild<contentWidget *>();
    content->pages()->setCurrentRow(1);
    auto *tabs = content->stack()->widget(1)->findChild<QTabWidget *>("tabWidget");
    tabs->setCurrentIndex(1);
    auto *box = window.findChild<QComboBox *>("ReceiverComboBox");
    box->setFocus(Qt::TabFocusReason);
    box->showPopup();
    runFor(300);
    QAbstractItemView *view = box->view();
    const QModelIndex entry = view->model()->index(2, box->modelColumn());
    view->setCurrentIndex(entry);
    view->selectionModel()->select(entry, QItemSelectionModel::ClearAndSelect);
    runFor(100);
    QImage picture = window.grab().toImage();
    QWidget *list = view->window();
    QPainter painter(&picture);
    painter.drawPixmap(window.mapFromGlobal(list->mapToGlobal(QPoint(0, 0))), list->grab());
    painter.end();
    box->hidePopup();
    tabs->setCurrentIndex(0);
    if (!picture.save(file, "PNG")) {
        fail(QString("cannot write %1").arg(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// The choosing preview of a file with nine differences, five ticked and a
// value no page offers left unticked; and the compare view of two History
// entries, one of them named by a note.
bool grabChoosing(mainWidget &window, const QString &folder, const QString &lang)
{
    QTemporaryDir files;
    auto *toolBar = window.findChild<toolWidget *>();
    const DeviceParameters held = window.serialLink()->parameters();
    DeviceParameters file = held;
    file.phi_ktotal = qint8(held.phi_ktotal + 8);
    file.roll_agility = qint8(held.roll_agility + 5);
    file.flight_trim_phi = 20;
    file.receiver_type = 5;
    file.servo_rev_1 = qint8(held.servo_rev_1 == 1 ? -1 : 1);
    file.tail_servotype = 0;
    file.servo_trim_0 = qint8(held.servo_trim_0 + 6);
    file.r_kp = qint8(held.r_kp + 4);
    file.rpm_kp = qint8(held.rpm_kp + 10);
    const QString name = files.filePath("friend.conf");
    bool ok = ConfigFile::save(name, file, UnitModel::X1, 21).ok();
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        preview.resize(700, 520);
        DifferenceList *list = preview.choices();
        for (int offset :
             {int(offsetof(DeviceParameters, roll_agility)),
              int(offsetof(DeviceParameters, rpm_kp)), int(offsetof(DeviceParameters, r_kp))}) {
            for (QTreeWidgetItem *item :
                 list->findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive)) {
                if (item->data(0, DifferenceList::OffsetRole).toInt() == offset && item->parent())
                    item->setCheckState(0, Qt::Unchecked);
            }
        }
        list->setCurrentItem(list->topLevelItem(1));
        ok = grabDialog(preview, QDir(folder).filePath(QString("choose-%1.png").arg(lang))) && ok;
        return int(QDialog::Rejected);
    });
    DialogHook::onFile([name](QFileDialog &) -> std::optional<QString> { return name; });
    toolBar->loadConfigFile();
    DialogHook::on<ChangePreview>({});
    DialogHook::onFile({});

    // Two entries of the history, the older named by a note.
    const QVector<UnitHistory::Entry> entries = toolBar->history().entries();
    if (entries.size() >= 2)
        // The pilot's own words, as a pilot of each language would write them.
        UnitHistory::setNote(entries.last().path, lang == "zh" ? QStringLiteral("首飞前")
                                                               : QStringLiteral("before maiden"));
    DialogHook::on<CompareWindow>([&](CompareWindow &view) {
        view.resize(700, 480);
        ok = grabDialog(view, QDir(folder).filePath(QString("compare-%1.png").arg(lang))) && ok;
        return int(QDialog::Rejected);
    });
    DialogHook::on<HistoryWindow>([&](HistoryWindow &history) {
        QTreeWidget *list = history.entryList();
        list->topLevelItem(0)->setSelected(true);
        list->topLevelItem(list->topLevelItemCount() - 1)->setSelected(true);
        history.compareButton()->click();
        return int(QDialog::Rejected);
    });
    toolBar->showHistory();
    DialogHook::on<CompareWindow>({});
    DialogHook::on<HistoryWindow>({});
    return ok;
}

// The Basic page with the keyboard on the roll gain slider, as after Tab.
bool grabSliderFocus(mainWidget &window, const QString &file)
{
    auto *content = window.findChild<contentWidget *>();
    content->pages()->setCurrentRow(0);
    window.findChild<QSlider *>("RollGainSlider")->setFocus(Qt::TabFocusReason);
    const bool ok = save(window, file);
    content->pages()->setFocus(Qt::TabFocusReason);
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The link traces every frame; the file list is what matters here.
    QLoggingCategory::setFilterRules("default.debug=false");
    const QStringList args = QCoreApplication::arguments();
    const bool guidedOnly = args.size() == 4 && args[3] == "guided";
    if ((args.size() != 3 && !guidedOnly) || (args[1] != "en" && args[1] != "zh")) {
        fail("usage: vrn-screenshots <en|zh> <output folder> [guided]");
        return 2;
    }
    const QString lang = args[1];
    const QString folder = args[2];
    if (!QDir().mkpath(folder)) {
        fail(QString("cannot create %1").arg(folder));
        return 1;
    }

    DialogStyle::setApplicationPalette(mainWidget::applicationPalette());
    // A language the developer chose for the program would win over sys.ini.
    const QTemporaryDir userSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userSettings.path());

    bool ok = false;
    {
        const LanguageFile languageFile(lang == "zh" ? LanguageSettings::Chinese
                                                     : LanguageSettings::English);
        mainWidget window;
        window.setWindowTitle("VRN Assistant V1.1");
        window.show();
        // The pictures' own history, not the pilot's.
        QTemporaryDir historyFolder;
        window.findChild<toolWidget *>()->history().setFolder(historyFolder.path());
        runFor(200);
        window.activateWindow(); // focus marks show only in the active window
        if (guidedOnly) {
            ok = connectSimulatedUnit(window) && grabGuidedSetup(window, folder, lang);
            window.serialLink()->serialDisconnect();
            LanguageSettings::removeTranslator();
            return ok ? 0 : 1;
        }
        ok = connectSimulatedUnit(window) && grabAll(window, folder, lang) &&
             grabDialogs(window, folder, lang) && grabFilePreviews(window, folder, lang) &&
             grabChoosing(window, folder, lang);
        const QString base = QDir(folder).filePath(QString("window-%1-").arg(lang));
        ok = ok && grabOpenList(window, base + "open-list.png") &&
             grabSliderFocus(window, base + "focus-slider.png");
        window.serialLink()->serialDisconnect();
    }
    LanguageSettings::removeTranslator();
    return ok ? 0 : 1;
}

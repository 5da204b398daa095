// The change preview and the unit's history through the real window and the
// built-in simulated unit: what the pilot is shown before a file, a preset
// or a history entry reaches the unit, and what reaches it afterwards.
#include "AppSettings.h"
#include "ChangePreview.h"
#include "CompareWindow.h"
#include "ConfigFile.h"
#include "ConfigKey.h"
#include "DialogHook.h"
#include "DifferenceList.h"
#include "HistoryWindow.h"
#include "ParameterBlocks.h"
#include "ParameterCaption.h"
#include "Question.h"
#include "SerialProcessThread.h"
#include "SimulatedPortProvider.h"
#include "SimulatedUnit.h"
#include "UnitModel.h"
#include "WholeWindow.h"
#include "mainWidget.h"
#include "toolWidget.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstddef>
#include <memory>

namespace {

struct Row
{
    QString caption;
    QString now;
    QString after;
};

// The lines of the preview's "About the file" group.
QStringList aboutOf(const ChangePreview &preview)
{
    QStringList lines;
    QTreeWidget *list = preview.changeList();
    for (int g = 0; g < list->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = list->topLevelItem(g);
        if (group->data(0, Qt::UserRole).toString() != "about")
            continue;
        for (int i = 0; i < group->childCount(); ++i)
            lines << group->child(i)->text(0);
    }
    return lines;
}

QList<Row> rowsOf(const ChangePreview &preview)
{
    QList<Row> rows;
    QTreeWidget *list = preview.changeList();
    for (int g = 0; g < list->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = list->topLevelItem(g);
        const QString kind = group->data(0, Qt::UserRole).toString();
        if (kind == "about" || kind == "apart")
            continue;
        for (int i = 0; i < group->childCount(); ++i) {
            QTreeWidgetItem *item = group->child(i);
            rows.append({item->data(0, Qt::UserRole).toString(), item->text(1), item->text(2)});
        }
    }
    return rows;
}

struct Window : WholeWindow
{
    int writeFrames = 0;    // upload frames that reached the unit
    int uploadRequests = 0; // setSubframeHead(DLU_WRITE_SFID_PARAM_1) calls
    QString linkMessage;

    Window()
    {
        open();
        tickByHand();
        window->simulatedPort().unit().setLatencyMs(0);
        window->simulatedPort().unit().setClockMs(0);
        QObject::connect(
            &window->simulatedPort().unit(), &SimulatedUnit::exchanged,
            [this](const LinkFrame &request, const LinkFrame &, SimulatedUnit::Outcome) {
                if (ParameterBlocks::blockForWriteId(request.subframe()))
                    ++writeFrames;
            });
        // A notice (how much of a file was read) may hold the label; the
        // link's own progress is followed here.
        QObject::connect(&link->protocol(), &LinkEngine::messageText,
                         [this](const QString &text) { linkMessage = text; });
        QObject::connect(&link->protocol(), &LinkEngine::subframeRequested, [this](quint8 id) {
            if (id == DLU_WRITE_SFID_PARAM_1)
                ++uploadRequests;
        });
    }
    ~Window()
    {
        // Every dialog a case answered is the window's own again.
        DialogHook::clear();
    }
    // The record of this window's link; every window starts with its own.
    DeviceParameters &record() { return link->parameters(); }
    bool tickUntilMessage(const QString &text, bool start = false)
    {
        for (int i = 0; i < 400; ++i) {
            tick();
            if (start ? message().startsWith(text) : (message() == text || linkMessage == text))
                return true;
        }
        return false;
    }
    bool connectAndDownload()
    {
        toolBar->portComboBox->setCurrentText(SimulatedPortProvider::name());
        link->serialConnect();
        return tickUntilMessage("Download Parameters Completely");
    }
    // Ticks long enough for any upload to start and finish.
    void settle()
    {
        for (int i = 0; i < 60; ++i)
            tick();
    }
    void load(const QString &file)
    {
        DialogHook::onFile([file](QFileDialog &) -> std::optional<QString> { return file; });
        toolBar->loadConfigFile();
    }
    QString fileWith(int offset, int value)
    {
        DeviceParameters changed = record();
        changed.setByteAt(offset, qint8(value));
        const QString file = dir.filePath("changed.conf");
        return ConfigFile::save(file, changed).ok() ? file : QString();
    }
};

// Hidden for good, not merely on a tab not shown.
bool hiddenOnPage(QWidget *control, QWidget *page)
{
    for (QWidget *w = control; w && w != page; w = w->parentWidget()) {
        if (w->isHidden() && !qobject_cast<QStackedWidget *>(w->parentWidget()))
            return true;
    }
    return false;
}

// The record fields a pilot can change through the pages' enabled controls on
// a unit of this model: every control the pilot can see is moved once; a
// question it asks is answered with its first answer, a preview cancelled.
QSet<int> settableFields(quint8 model)
{
    Window w;
    w.window->simulatedPort().unit().setModel(model);
    if (!w.connectAndDownload())
        return {};
    w.settle();
    DialogHook::onQuestion([](QMessageBox &) { return 0; });
    DialogHook::on<ChangePreview>([](ChangePreview &) { return int(QDialog::Rejected); });
    QSet<int> changed;
    for (QWidget *page : w.window->findChildren<QWidget *>()) {
        const QString kind = QString::fromLatin1(page->metaObject()->className());
        if (!kind.endsWith(QLatin1String("SettingPage")) || kind == "updatesettingpage")
            continue;
        for (QWidget *control : page->findChildren<QWidget *>()) {
            if (!control->isEnabled() || qobject_cast<QScrollBar *>(control) ||
                hiddenOnPage(control, page))
                continue;
            const DeviceParameters before = w.record();
            if (auto *spin = qobject_cast<QAbstractSpinBox *>(control)) {
                const QString was = spin->text();
                spin->stepBy(1);
                if (spin->text() == was)
                    spin->stepBy(-1);
            } else if (auto *slider = qobject_cast<QAbstractSlider *>(control)) {
                slider->setValue(slider->value() < slider->maximum() ? slider->value() + 1
                                                                     : slider->value() - 1);
            } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
                if (combo->count() > 1)
                    combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
            } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
                if (!button->isCheckable() || !button->isChecked())
                    button->click();
            } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
                if (edit->isReadOnly() || qobject_cast<QAbstractSpinBox *>(edit->parent()) ||
                    qobject_cast<QComboBox *>(edit->parent()))
                    continue;
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, "1.5");
                QTest::keyClick(edit, Qt::Key_Return);
            } else {
                continue;
            }
            QCoreApplication::processEvents();
            for (int i = 0; i < int(sizeof(DeviceParameters)); ++i) {
                if (before.byteAt(i) != w.record().byteAt(i))
                    changed.insert(i);
            }
        }
    }
    DialogHook::onQuestion({});
    return changed;
}

} // namespace

class tst_Preview : public QObject
{
    Q_OBJECT
    QTemporaryDir settingsDir;

private slots:
    void initTestCase()
    {
        // English, whatever the tests beside this one store as the choice.
        QVERIFY(settingsDir.isValid());
        WholeWindow::keepSettingsIn(settingsDir.path());
    }
    void fileRows_data();
    void fileRows();
    void answers_data();
    void answers();
    void matchingFile();
    void bigFileHoldsNothing();
    void presets_data();
    void presets();
    void pagesWaitForTheUnit();
    void unitNamedAndSilenceTold();
    void preparedWithoutUnit_data();
    void preparedWithoutUnit();
    void historyKeptAndRestored();
    void historyFolderUnwritable();
    void historyNaming_data();
    void historyNaming();
    void historyCap();
    void backupsComeBack_data();
    void backupsComeBack();
    void previewTellsAll_data();
    void previewTellsAll();
    void modelsFieldsAreThePagesControls();
    void choosePerValue();
    void flaggedStartUnticked();
    void compareHistoryEntries();
    void restoreOneSection();
    void notInFlashShown();
    void preparedChosenPerValue();
    void historyNotes();
};

void tst_Preview::fileRows_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("after");
    // The simulated unit's factory set-up is the "now" column.
    QTest::addRow("gain") << int(offsetof(DeviceParameters, phi_ktotal)) << 77
                          << "Basic · Main Rotor · Roll Total Gain"
                          << "32"
                          << "77";
    QTest::addRow("trim in degrees") << int(offsetof(DeviceParameters, flight_trim_phi)) << -12
                                     << "Basic · Level Attitude Trim · Roll Target"
                                     << "3.5°"
                                     << "-1.2°";
    QTest::addRow("receiver by name") << int(offsetof(DeviceParameters, receiver_type)) << 5
                                      << "Setup · Receiver · Select Receiver Type"
                                      << "Conventional receiver"
                                      << "DSMJ";
    QTest::addRow("direction") << int(offsetof(DeviceParameters, servo_rev_1)) << 1
                               << "Setup · Servo · CH2 Servo Dir Rev."
                               << "Reversed"
                               << "Normal";
    QTest::addRow("governor state") << int(offsetof(DeviceParameters, governor_status)) << 2
                                    << "Advanced · Governor · Governor On/Off"
                                    << "Governor Off"
                                    << "Governor On";
    QTest::addRow("mounting") << int(offsetof(DeviceParameters, installation)) << 21
                              << "Setup · Mount"
                              << "Mounting 1."
                              << "Mounting 2.";
}

void tst_Preview::fileRows()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(QString, caption);
    QFETCH(QString, now);
    QFETCH(QString, after);
    Window w;
    QVERIFY(w.connectAndDownload());
    const QString file = w.fileWith(offset, value);
    QList<Row> rows;
    QString header;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        rows = rowsOf(preview);
        header = preview.header()->text();
        return int(QDialog::Rejected);
    });
    w.load(file);
    QCOMPARE(header, QString("1 of %1 parameters differ").arg(LoadedKeyCount));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].caption, caption);
    QCOMPARE(rows[0].now, now);
    QCOMPARE(rows[0].after, after);
}

// From Connect until the unit's record has arrived, nothing can be edited
// or loaded: an upload would send values the unit never had.
void tst_Preview::pagesWaitForTheUnit()
{
    Window w;
    const auto editable = [&] {
        QStringList open;
        for (QWidget *page : w.window->findChildren<QWidget *>()) {
            const QString kind = QString::fromLatin1(page->metaObject()->className());
            if (kind.endsWith(QLatin1String("SettingPage")) &&
                kind != QLatin1String("updatesettingpage") && page->isEnabled())
                open << kind;
        }
        if (w.window->findChild<QWidget *>("loadButton")->isEnabled())
            open << "loadButton";
        return open;
    };
    QCOMPARE(editable().size(), 4); // no port: a pilot may prepare a file
    w.window->simulatedPort().unit().setSilent(true);
    w.toolBar->portComboBox->setCurrentText(SimulatedPortProvider::name());
    w.link->serialConnect();
    w.settle();
    QCOMPARE(editable(), QStringList());
    QCOMPARE(w.message(),
             QString("Waiting for the unit's parameters: editing resumes once they are read"));
    w.window->simulatedPort().unit().setSilent(false);
    QVERIFY(w.tickUntilMessage("Download Parameters Completely"));
    QCOMPARE(editable().size(), 4);
    QCOMPARE(w.writeFrames, 0);
}

// The status bar names the unit that answers, the title says when it is the
// simulated one, and a port where nothing answers is told after 3 s.
void tst_Preview::unitNamedAndSilenceTold()
{
    Window w;
    const auto unit = [&] { return w.window->findChild<QLabel *>("unitLabel")->text(); };
    const auto title = [&] { return w.window->findChild<QLabel *>("titleLabel")->text(); };
    SimulatedUnit &sim = w.window->simulatedPort().unit();
    sim.setSilent(true);
    w.toolBar->portComboBox->setCurrentText(SimulatedPortProvider::name());
    w.link->serialConnect();
    for (int i = 0; i < LinkEngine::NoAnswerTicks - 1; ++i)
        w.tick();
    QVERIFY(!w.message().startsWith("No answer"));
    w.tick();
    QCOMPARE(w.message(), QString("No answer from the unit on Simulated unit: check the cable and "
                                  "that the unit is powered"));
    QCOMPARE(unit(), QString());
    sim.setSilent(false);
    QVERIFY(w.tickUntilMessage("Download Parameters Completely"));
    QCOMPARE(unit(), QString("Simulated unit · VRN-X1 · firmware 1.2"));
    QVERIFY(title().contains("Simulated unit"));
    QVERIFY(w.window->windowTitle().contains("Simulated unit"));
    sim.setSilent(true); // lost: told again, and the unit no longer named
    for (int i = 0; i < LinkEngine::NoAnswerTicks; ++i)
        w.tick();
    QVERIFY(w.message().startsWith("No answer from the unit on Simulated unit"));
    QCOMPARE(unit(), QString());
    QVERIFY(!title().contains("Simulated unit"));
}

// Values edited before Connect are not lost to the download that follows:
// the pilot chooses between them and the unit's own.
void tst_Preview::preparedWithoutUnit_data()
{
    QTest::addColumn<bool>("prepared");
    QTest::addColumn<bool>("apply");
    QTest::addRow("prepared, applied") << true << true;
    QTest::addRow("prepared, cancelled") << true << false;
    QTest::addRow("nothing prepared") << false << false;
}

void tst_Preview::preparedWithoutUnit()
{
    QFETCH(bool, prepared);
    QFETCH(bool, apply);
    Window w;
    const qint8 unitValue = w.window->simulatedPort().unit().workingRecord().phi_ktotal;
    if (prepared) {
        w.record() = w.window->simulatedPort().unit().workingRecord();
        w.record().phi_ktotal = qint8(unitValue == 61 ? 62 : 61);
        w.link->setSubframeHead(DLU_WRITE_SFID_PARAM_1); // as a page's edit does
    }
    const qint8 preparedValue = w.record().phi_ktotal;
    int asked = 0;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        ++asked;
        (apply ? preview.applyButton() : preview.cancelButton())->click();
        return preview.result();
    });
    QVERIFY(w.connectAndDownload());
    w.settle();
    QCOMPARE(asked, prepared ? 1 : 0);
    const qint8 expected = apply ? preparedValue : unitValue;
    QCOMPARE(w.record().phi_ktotal, expected);
    QCOMPARE(w.window->simulatedPort().unit().workingRecord().phi_ktotal, expected);
    QCOMPARE(w.writeFrames, apply ? 8 : 0);
}

void tst_Preview::answers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("applied");
    QTest::addRow("Apply") << "apply" << true;
    QTest::addRow("Cancel") << "cancel" << false;
    QTest::addRow("Escape") << "escape" << false;
}

void tst_Preview::answers()
{
    QFETCH(QString, answer);
    QFETCH(bool, applied);
    Window w;
    QVERIFY(w.connectAndDownload());
    const DeviceParameters before = w.record();
    DeviceParameters changed = before;
    changed.phi_ktotal = 90;
    changed.r_kp = 12;
    changed.model_type = 5;
    QVERIFY(ConfigFile::save(w.dir.filePath("three.conf"), changed).ok());
    w.writeFrames = 0;
    w.uploadRequests = 0;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        if (answer == "apply")
            preview.applyButton()->click();
        else if (answer == "cancel")
            preview.cancelButton()->click();
        else
            QTest::keyClick(&preview, Qt::Key_Escape);
        return preview.result();
    });
    w.load(w.dir.filePath("three.conf"));
    // Nothing is stored before the answer, and only then.
    QCOMPARE(w.record() == changed, applied);
    QCOMPARE(w.record() == before, !applied);
    if (applied)
        QVERIFY(w.tickUntilMessage("Upload verified"));
    w.settle();
    QCOMPARE(w.uploadRequests, applied ? 1 : 0);
    QCOMPARE(w.writeFrames, applied ? 8 : 0); // one upload is eight blocks
    QCOMPARE(w.window->simulatedPort().unit().workingRecord().phi_ktotal,
             applied ? qint8(90) : before.phi_ktotal);
}

void tst_Preview::matchingFile()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    QVERIFY(ConfigFile::save(w.dir.filePath("same.conf"), w.record()).ok());
    int previews = 0;
    DialogHook::on<ChangePreview>(
        [&](ChangePreview &) { return ++previews, int(QDialog::Accepted); });
    w.writeFrames = 0;
    w.load(w.dir.filePath("same.conf"));
    w.settle();
    QCOMPARE(previews, 0);
    QCOMPARE(w.writeFrames, 0);
    QCOMPARE(w.message(), QString("same.conf matches the unit's parameters"));
}

// A file near the size cap takes QSettings a good part of a second to
// parse. The link goes on sending meanwhile, and what the file lacks comes
// from the record as it is when the reading ends: a value that arrived
// during the reading is not shown as one the file would undo.
void tst_Preview::bigFileHoldsNothing()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    QByteArray text = "[Condition]\nr_kp=33\n";
    for (int i = 0; text.size() < ConfigFile::MaxSize - 40; ++i)
        text += "r_kpp" + QByteArray::number(i) + "=1\n";
    const QString file = w.dir.filePath("crowded.conf");
    QFile crowded(file);
    QVERIFY(crowded.open(QIODevice::WriteOnly) && crowded.write(text) == text.size());
    crowded.close();

    const int gain = int(offsetof(DeviceParameters, phi_ktotal));
    const qint8 arrived = qint8(w.record().byteAt(gain) + 1);
    bool previewShown = false;
    bool changedWhileReading = false;
    int framesWhileReading = 0;
    QObject::connect(&w.window->simulatedPort().unit(), &SimulatedUnit::exchanged, w.window.get(),
                     [&] { framesWhileReading += previewShown ? 0 : 1; });
    QTimer::singleShot(0, w.window.get(), [&] {
        changedWhileReading = !previewShown;
        w.record().setByteAt(gain, arrived);
    });
    QList<Row> rows;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        previewShown = true;
        rows = rowsOf(preview);
        return int(QDialog::Rejected);
    });
    w.link->tickTimer()->start();
    const int before = framesWhileReading;
    w.load(file);
    w.link->tickTimer()->stop();
    QVERIFY(changedWhileReading);
    QVERIFY2(framesWhileReading > before, "no frame reached the unit while the file was read");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].caption,
             ParameterCaption::forOffset(int(offsetof(DeviceParameters, r_kp)))->fullCaption());
    QCOMPARE(w.record().byteAt(gain), arrived);
}

void tst_Preview::presets_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("mustList");
    QTest::addRow("Default") << "pushButtonBeginner"
                             << QStringList{"Basic · Main Rotor · Roll Total Gain"};
    QTest::addRow("3D Flight") << "pushButton3DFlight"
                               << QStringList{"Basic · Main Rotor · Roll Agility",
                                              "Basic · Tail · Left Rate"};
    // Reset All also resets the Setup page, and says so.
    QTest::addRow("Reset All") << "pushButtonResetAll"
                               << QStringList{"Setup · Receiver · Select Receiver Type",
                                              "Setup · SwashPlate", "Setup · Mount",
                                              "Setup · Servo · SwashPlate Servo Type"};
    QTest::addRow("governor Reset")
        << "RpmResetPushButton" << QStringList{"Advanced · Governor · Gain P"};
}

void tst_Preview::presets()
{
    QFETCH(QString, button);
    QFETCH(QStringList, mustList);
    Window w;
    QVERIFY(w.connectAndDownload());
    // Away from every preset's values, on every page.
    DeviceParameters &record = w.record();
    record.phi_ktotal = 100;
    record.roll_agility = 55;
    record.left_spin = 90;
    record.receiver_type = 7;
    record.model_type = 5;
    record.installation = 17;
    record.swash_servotype = 3;
    record.rpm_kp = 99;
    const DeviceParameters before = record;
    QList<Row> rows;
    for (bool apply : {false, true}) {
        w.uploadRequests = 0;
        DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
            rows = rowsOf(preview);
            return int(apply ? QDialog::Accepted : QDialog::Rejected);
        });
        QPushButton *pressed = w.window->findChild<QPushButton *>(button);
        QVERIFY(pressed);
        pressed->click();
        QStringList captions;
        for (const Row &row : rows)
            captions << row.caption;
        for (const QString &caption : mustList)
            QVERIFY2(captions.contains(caption), qPrintable(caption));
        QCOMPARE(w.uploadRequests, apply ? 1 : 0);
        QCOMPARE(w.record() == before, !apply);
    }
    QVERIFY(w.tickUntilMessage("Upload verified"));
    QCOMPARE(
        ParameterCaption::differences(w.record(), w.window->simulatedPort().unit().workingRecord())
            .size(),
        0);
}

void tst_Preview::historyKeptAndRestored()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    const DeviceParameters plugged = w.record();
    QCOMPARE(w.toolBar->history().entries().size(), 1);
    QCOMPARE(w.toolBar->history().entries()[0].kind, UnitHistory::Kind::Read);

    // An edit, flashed: a second entry; flashing it again adds nothing.
    w.record().phi_ktotal = 111;
    w.link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    QVERIFY(w.tickUntilMessage("Upload verified"));
    w.toolBar->writeFlash();
    QVERIFY(w.tickUntilMessage("Write flash successfully"));
    w.toolBar->writeFlash();
    w.settle();
    const QVector<UnitHistory::Entry> entries = w.toolBar->history().entries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].kind, UnitHistory::Kind::Flashed);

    // The entry of the plugging-in, restored through Ctrl+H.
    QStringList differing;
    DialogHook::on<HistoryWindow>([&](HistoryWindow &window) {
        QTreeWidget *list = window.entryList();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            differing << list->topLevelItem(i)->text(4);
        list->setCurrentItem(list->topLevelItem(1));
        window.previewButton()->click();
        return window.result();
    });
    QList<Row> rows;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        rows = rowsOf(preview);
        return int(QDialog::Accepted);
    });
    w.uploadRequests = 0;
    w.toolBar->showHistory();
    QCOMPARE(differing, (QStringList{"0", "1"}));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].now, QString("111"));
    QCOMPARE(w.uploadRequests, 1);
    QVERIFY(w.tickUntilMessage("Upload verified"));
    QCOMPARE(w.window->simulatedPort().unit().workingRecord().phi_ktotal, plugged.phi_ktotal);
}

void tst_Preview::historyFolderUnwritable()
{
    Window w;
    // A file where the folder should be: it can never be created.
    QFile blocker(w.dir.filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    w.toolBar->history().setFolder(w.dir.filePath("blocked/history"));
    w.toolBar->portComboBox->setCurrentText(SimulatedPortProvider::name());
    w.link->serialConnect();
    QVERIFY(w.tickUntilMessage("The unit's history cannot be kept in", true));
    // A notice: it stays until the pilot acts.
    QTest::keyClick(w.window.get(), Qt::Key_Shift);
    // Said once; the link goes on: a second download does not say it again,
    // and edits still reach the unit.
    int said = 0;
    QObject::connect(&w.link->protocol(), &LinkEngine::downloadCompleted,
                     [&] { said += w.message().startsWith("The unit's history") ? 1 : 0; });
    w.link->setSubframeHead(DLU_DOWN_SFID_PARAM_1);
    QVERIFY(w.tickUntilMessage("Download Parameters Completely"));
    w.settle();
    QCOMPARE(w.message(), QString("Download Parameters Completely"));
    w.record().r_kp = 44;
    w.link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    QVERIFY(w.tickUntilMessage("Upload verified"));
    QCOMPARE(said, 0);
}

void tst_Preview::historyNaming_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("firmware");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addRow("X1 read") << 10 << 21 << int(UnitHistory::Kind::Read)
                             << "2026-12-08_14-03-22_VRN-X1_v2.1_read.conf";
    QTest::addRow("A1 flashed") << 11 << 5 << int(UnitHistory::Kind::Flashed)
                                << "2026-12-08_14-03-22_VRN-A1_v0.5_flashed.conf";
    QTest::addRow("unknown model")
        << 0 << 0 << int(UnitHistory::Kind::Read) << "2026-12-08_14-03-22_unit-0_v0.0_read.conf";
}

void tst_Preview::historyNaming()
{
    QFETCH(int, model);
    QFETCH(int, firmware);
    QFETCH(int, kind);
    QFETCH(QString, name);
    QTemporaryDir dir;
    UnitHistory history(dir.filePath("h"));
    const QDateTime when(QDate(2026, 12, 8), QTime(14, 3, 22));
    DeviceParameters record;
    record.phi_ktotal = 40;
    const auto k = UnitHistory::Kind(kind);
    QCOMPARE(history.save(record, quint8(model), quint8(firmware), k, when),
             UnitHistory::Outcome::Saved);
    QCOMPARE(QDir(history.folder()).entryList(QDir::Files), QStringList{name});
    // The same values again, later, even as the other kind: not saved again.
    QCOMPARE(history.save(record, quint8(model), quint8(firmware), UnitHistory::Kind::Flashed,
                          when.addSecs(60)),
             UnitHistory::Outcome::Unchanged);
    // Another model's newest entry does not count.
    QCOMPARE(history.save(record, quint8(model + 1), quint8(firmware), k, when),
             UnitHistory::Outcome::Saved);
    // A change within the same second gets a name of its own.
    record.phi_ktotal = 41;
    QCOMPARE(history.save(record, quint8(model), quint8(firmware), k, when),
             UnitHistory::Outcome::Saved);
    const QVector<UnitHistory::Entry> entries = history.entries();
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0].time, when);
    DeviceParameters back;
    QVERIFY(ConfigFile::load(entries[0].path, back).ok());
    QCOMPARE(back.phi_ktotal, qint8(41));
    QCOMPARE(entries[0].model, UnitHistory::modelName(quint8(model)));
}

void tst_Preview::historyCap()
{
    QTemporaryDir dir;
    UnitHistory history(dir.filePath("h"));
    const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
    DeviceParameters record;
    // Out of order in time, so the oldest is found by its date, not by the
    // order of saving.
    for (int i = 0; i < UnitHistory::Cap + 5; ++i) {
        record.phi_ktotal = qint8(i % 100);
        record.r_kp = qint8(i / 100);
        const int minutes = (i * 37) % (UnitHistory::Cap + 5);
        QCOMPARE(history.save(record, 10, 21, UnitHistory::Kind::Read, start.addSecs(60 * minutes)),
                 UnitHistory::Outcome::Saved);
    }
    const QVector<UnitHistory::Entry> entries = history.entries();
    QCOMPARE(entries.size(), UnitHistory::Cap);
    QCOMPARE(entries.first().time, start.addSecs(60 * (UnitHistory::Cap + 4)));
    QCOMPARE(entries.last().time, start.addSecs(60 * 5));
    for (int i = 1; i < entries.size(); ++i)
        QVERIFY(entries[i - 1].time > entries[i].time);

    // Files named like entries but not written by the program, older than
    // all: a hand-edited partial record and another program's file. Neither
    // is pruned, and the partial one, made the newest, equals no record.
    const QString partial = history.folder() + "/2020-01-01_08-00-00_VRN-X1_v2.1_read.conf";
    const QString foreign = history.folder() + "/2020-01-01_08-00-01_VRN-X1_v2.1_flashed.conf";
    QFile(entries.last().path).copy(foreign);
    QSettings(foreign, QSettings::IniFormat).setValue("Other/note", "mine");
    QFile hand(partial);
    QVERIFY(hand.open(QIODevice::WriteOnly));
    hand.write("[Condition]\nphi_ktotal=7\n");
    hand.close();
    // A whole entry padded far beyond what the program writes is not read.
    const QString padded = history.folder() + "/2020-01-01_08-00-02_VRN-X1_v2.1_read.conf";
    QFile(entries.last().path).copy(padded);
    QFile pad(padded);
    QVERIFY(pad.open(QIODevice::Append));
    pad.write(QByteArray(int(UnitHistory::EntryMaxSize), ';'));
    pad.close();
    record.phi_ktotal = 99;
    QCOMPARE(history.save(record, 10, 21, UnitHistory::Kind::Read, start.addSecs(60 * 1000)),
             UnitHistory::Outcome::Saved);
    QVERIFY(QFile::exists(partial));
    QVERIFY(QFile::exists(foreign));
    QVERIFY(QFile::exists(padded));
    QCOMPARE(history.entries().size(), UnitHistory::Cap + 3);
    QVERIFY(!UnitHistory::writtenHere(history.entries().last()));
    QCOMPARE(UnitHistory::keysHeld(history.entries().last()), 1);

    QTemporaryDir other;
    UnitHistory fresh(other.filePath("h"));
    QVERIFY(QDir().mkpath(fresh.folder()));
    QFile::copy(partial, fresh.folder() + "/2026-01-01_08-00-00_VRN-X1_v2.1_read.conf");
    DeviceParameters anything;
    anything.phi_ktotal = 7;
    QCOMPARE(fresh.save(anything, 10, 21, UnitHistory::Kind::Read, start),
             UnitHistory::Outcome::Saved);
}

// Replaces one line of a file as a text editor would.
bool editLine(const QString &file, const QByteArray &from, const QByteArray &to)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QByteArray text = f.readAll();
    f.close();
    if (!text.contains(from))
        return false;
    text.replace(from, to);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

void tst_Preview::backupsComeBack_data()
{
    QTest::addColumn<bool>("throughHistory");
    QTest::addRow("saved file") << false;
    QTest::addRow("history entry") << true;
}

// A unit holding values no page offers (0 in the servo types and the
// mounting, as a fresh unit may): its own backup, with one value edited,
// comes back through the preview, which flags those values; Apply sends
// exactly the edit.
void tst_Preview::backupsComeBack()
{
    QFETCH(bool, throughHistory);
    Window w;
    SimulatedUnit &unit = w.window->simulatedPort().unit();
    unit.workingRecord().tail_servotype = 0;
    unit.workingRecord().swash_servotype = 0;
    unit.workingRecord().installation = 0;
    QVERIFY(w.connectAndDownload());
    const DeviceParameters held = unit.workingRecord();
    QVERIFY(w.record() == held);

    QString file;
    if (throughHistory) {
        QCOMPARE(w.toolBar->history().entries().size(), 1);
        file = w.toolBar->history().entries().first().path;
    } else {
        file = w.dir.filePath("evening1.conf");
        DialogHook::onFile([&](QFileDialog &) -> std::optional<QString> { return file; });
        w.toolBar->saveConfigFile();
        QCOMPARE(w.message(), QString("Configuration saved to evening1.conf"));
    }
    const QByteArray line = "\nr_kp=" + QByteArray::number(held.r_kp) + "\n";
    QVERIFY(editLine(file, line, "\nr_kp=44\n"));

    QList<Row> rows;
    QStringList about;
    QString header;
    bool cancelIsDefault = false;
    bool applyEnabled = false;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        rows = rowsOf(preview);
        about = aboutOf(preview);
        header = preview.header()->text();
        cancelIsDefault =
            preview.cancelButton()->isDefault() && !preview.applyButton()->isDefault();
        applyEnabled = preview.applyButton()->isEnabled();
        return int(QDialog::Accepted);
    });
    DialogHook::on<HistoryWindow>([&](HistoryWindow &window) {
        window.previewButton()->click(); // the newest entry
        return window.result();
    });
    w.uploadRequests = 0;
    if (throughHistory)
        w.toolBar->showHistory();
    else
        w.load(file);

    QCOMPARE(header, QString("Values no page offers: 3, marked below\n"
                             "1 of %1 parameters differ")
                         .arg(LoadedKeyCount));
    QCOMPARE(about, (QStringList{"Mount: no choice on the page (0)",
                                 "SwashPlate Servo Type: no choice on the page (0)",
                                 "Tail Servo Type: no choice on the page (0)"}));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].caption, QString("Advanced · Tail · Gain P"));
    QCOMPARE(rows[0].after, QString("44"));
    QVERIFY(cancelIsDefault);
    QVERIFY(applyEnabled);
    QCOMPARE(w.uploadRequests, 1);
    QVERIFY(w.tickUntilMessage("Upload verified"));
    DeviceParameters expected = held;
    expected.r_kp = 44;
    QVERIFY(unit.workingRecord() == expected);
}

// What the table says a model uses is what the pages let a pilot set: a
// field only the VRN-X1 uses can be set on an X1 and on no A1, a field no
// page shows on neither, and every other field alike on both. A file's value for a field the A1's
// page keeps disabled would land where the pilot cannot set it back.
void tst_Preview::modelsFieldsAreThePagesControls()
{
    const QSet<int> onX1 = settableFields(UnitModel::X1);
    const QSet<int> onA1 = settableFields(UnitModel::A1);
    QVERIFY(!onX1.isEmpty());
    QStringList wrong;
    for (const ParameterCaption &row : ParameterCaption::all()) {
        const bool x1 = onX1.contains(row.offset);
        const bool a1 = onA1.contains(row.offset);
        using U = ParameterCaption::Use;
        const bool agrees = row.use == U::Hidden   ? !x1 && !a1
                            : row.use == U::X1Only ? x1 && !a1
                                                   : x1 == a1;
        if (!agrees)
            wrong << QStringLiteral("%1: X1 %2, A1 %3").arg(row.fullCaption()).arg(x1).arg(a1);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("\n")));
}

void tst_Preview::previewTellsAll_data()
{
    QTest::addColumn<int>("unitModel");
    QTest::addColumn<QByteArray>("from"); // a line of the unit's own backup
    QTest::addColumn<QByteArray>("to");   // ... edited by hand
    QTest::addColumn<int>("fileModel");
    QTest::addColumn<QStringList>("about");
    QTest::addColumn<QStringList>("apart");
    QTest::addColumn<int>("differing");

    const int x1 = UnitModel::X1;
    const int a1 = UnitModel::A1;
    QTest::addRow("misspelt tail gain")
        << x1 << QByteArray("\nr_kp=") << QByteArray("\nr_kpp=") << x1
        << QStringList{"Not in the file, kept as the unit holds them (1):", "    Tail Gain P",
                       "r_kpp: not a setting; did you mean r_kp?"}
        << QStringList() << 0;
    QTest::addRow("other model's level trim")
        << a1 << QByteArray("\nflight_trim_phi=") << QByteArray("\nflight_trim_phi=50\nx=") << x1
        << QStringList{"Saved from a VRN-X1 (firmware 2.1); this unit is a VRN-A1",
                       "x: not a setting"}
        << QStringList{"Roll Target"} << 0;
    QTest::addRow("governor on an A1, one gain too")
        << a1 << QByteArray("\nrpm_kp=") << QByteArray("\nr_ktotal=70\nrpm_kp=9\nold_rpm_kp=") << a1
        << QStringList{"old_rpm_kp: not a setting"} << QStringList{"Governor Gain P"} << 1;
}

// Everything the pilot must know before Apply is in the preview at once;
// nothing is called a match that is not one, and fields the unit does not
// use are listed apart and never sent.
void tst_Preview::previewTellsAll()
{
    QFETCH(int, unitModel);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(int, fileModel);
    QFETCH(QStringList, about);
    QFETCH(QStringList, apart);
    QFETCH(int, differing);
    Window w;
    SimulatedUnit &unit = w.window->simulatedPort().unit();
    unit.setModel(quint8(unitModel));
    QVERIFY(w.connectAndDownload());
    w.settle();
    const DeviceParameters held = w.record();
    const QString file = w.dir.filePath("typo.conf");
    QVERIFY(ConfigFile::save(file, held, quint8(fileModel), 21).ok());
    // A line's key renamed or added: "from" starts a line of a key.
    QVERIFY(editLine(file, from, to));

    int previews = 0;
    QStringList shownAbout;
    QStringList shownApart;
    QList<Row> rows;
    QString apartTitle;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        ++previews;
        shownAbout = aboutOf(preview);
        rows = rowsOf(preview);
        QTreeWidget *list = preview.changeList();
        for (int g = 0; g < list->topLevelItemCount(); ++g) {
            QTreeWidgetItem *group = list->topLevelItem(g);
            if (group->data(0, Qt::UserRole).toString() != "apart")
                continue;
            apartTitle = group->text(0);
            for (int i = 0; i < group->childCount(); ++i)
                shownApart << group->child(i)->text(0);
        }
        return int(QDialog::Accepted);
    });
    w.uploadRequests = 0;
    w.load(file);
    QCOMPARE(previews, 1);
    QVERIFY2(!w.message().contains("matches"), qPrintable(w.message()));
    QCOMPARE(shownAbout, about);
    QVERIFY2(shownApart == apart, qPrintable(shownApart.join('|')));
    if (!apart.isEmpty())
        QCOMPARE(apartTitle, QString("Not used by the %1: left as the unit holds them")
                                 .arg(UnitModel::name(quint8(unitModel))));
    QCOMPARE(rows.size(), differing);
    QCOMPARE(w.uploadRequests, differing > 0 ? 1 : 0);
    w.settle();
    // Only the rows shown were sent: what the unit does not use stays.
    for (const ParameterCaption &row : ParameterCaption::all()) {
        if (!row.usedBy(quint8(unitModel)))
            QCOMPARE(int(unit.workingRecord().byteAt(row.offset)), int(held.byteAt(row.offset)));
    }
}

// Every row of a difference list below its page sections, by full caption.
QStringList captionsOf(const QTreeWidget *list)
{
    QStringList captions;
    for (int g = 0; g < list->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = list->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i)
            captions << group->child(i)->data(0, Qt::UserRole).toString();
    }
    return captions;
}

QTreeWidgetItem *rowOf(const QTreeWidget *list, const QString &caption)
{
    for (int g = 0; g < list->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = list->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            if (group->child(i)->data(0, Qt::UserRole).toString() == caption)
                return group->child(i);
        }
    }
    return nullptr;
}

QString captionAt(int offset)
{
    return ParameterCaption::forOffset(offset)->fullCaption();
}

// Nine values differ; the pilot ticks four by keyboard. Only those four
// reach the unit, in one upload, and no other byte of it changes.
void tst_Preview::choosePerValue()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    SimulatedUnit &unit = w.window->simulatedPort().unit();
    const DeviceParameters held = unit.workingRecord();
    const struct
    {
        int offset;
        int value;
        bool chosen;
    } edits[] = {
        {int(offsetof(DeviceParameters, phi_ktotal)), 77, false},
        {int(offsetof(DeviceParameters, flight_trim_phi)), -12, true},
        {int(offsetof(DeviceParameters, receiver_type)), 5, true},
        {int(offsetof(DeviceParameters, servo_rev_1)), 1, true},
        {int(offsetof(DeviceParameters, governor_status)), 2, false},
        {int(offsetof(DeviceParameters, r_kp)), 44, true},
        {int(offsetof(DeviceParameters, rpm_kp)), 9, false},
        {int(offsetof(DeviceParameters, roll_agility)), 55, false},
        {int(offsetof(DeviceParameters, left_spin)), 90, false},
    };
    DeviceParameters file = held;
    DeviceParameters expected = held;
    for (const auto &edit : edits) {
        QVERIFY(held.byteAt(edit.offset) != edit.value);
        file.setByteAt(edit.offset, qint8(edit.value));
        if (edit.chosen)
            expected.setByteAt(edit.offset, qint8(edit.value));
    }
    QVERIFY(ConfigFile::save(w.dir.filePath("nine.conf"), file).ok());

    QStringList counts;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        QTreeWidget *list = preview.changeList();
        counts << preview.choiceCount()->text();
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier); // none
        counts << preview.choiceCount()->text();
        const bool applyWhenNone = preview.applyButton()->isEnabled();
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier); // all
        counts << preview.choiceCount()->text();
        preview.noneButton()->click();
        for (const auto &edit : edits) {
            if (!edit.chosen)
                continue;
            list->setCurrentItem(rowOf(list, captionAt(edit.offset)));
            QTest::keyClick(list, Qt::Key_Space);
        }
        // Space on a ticked row unticks it again.
        list->setCurrentItem(rowOf(list, captionAt(edits[0].offset)));
        QTest::keyClick(list, Qt::Key_Space);
        QTest::keyClick(list, Qt::Key_Space);
        counts << preview.choiceCount()->text();
        if (applyWhenNone)
            return int(QDialog::Rejected);
        preview.applyButton()->click();
        return preview.result();
    });
    w.writeFrames = 0;
    w.uploadRequests = 0;
    w.load(w.dir.filePath("nine.conf"));
    QCOMPARE(counts, (QStringList{"9 of 9 differences chosen", "0 of 9 differences chosen",
                                  "9 of 9 differences chosen", "4 of 9 differences chosen"}));
    QVERIFY(w.record() == expected);
    QVERIFY(w.tickUntilMessage("Upload verified"));
    w.settle();
    QCOMPARE(w.uploadRequests, 1);
    QCOMPARE(w.writeFrames, 8);
    for (int offset = 0; offset < int(sizeof(DeviceParameters)); ++offset)
        QCOMPARE(int(unit.workingRecord().byteAt(offset)), int(expected.byteAt(offset)));
}

// Values no page offers and fields the unit does not use are offered but
// not ticked: Apply as shown sends only the ordinary value; ticking the
// other model's field sends it too.
void tst_Preview::flaggedStartUnticked()
{
    Window w;
    SimulatedUnit &unit = w.window->simulatedPort().unit();
    unit.setModel(UnitModel::A1);
    QVERIFY(w.connectAndDownload());
    w.settle();
    const DeviceParameters held = unit.workingRecord();
    DeviceParameters file = held;
    file.tail_servotype = 0;                        // no choice on the page
    file.r_kp = qint8(held.r_kp == 44 ? 45 : 44);   // ordinary
    file.rpm_kp = qint8(held.rpm_kp == 9 ? 10 : 9); // not used by the VRN-A1
    QVERIFY(ConfigFile::save(w.dir.filePath("mixed.conf"), file, UnitModel::A1, 21).ok());
    for (bool tickOther : {false, true}) {
        QString count;
        QMap<QString, int> states;
        DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
            QTreeWidget *list = preview.changeList();
            for (int offset :
                 {int(offsetof(DeviceParameters, tail_servotype)),
                  int(offsetof(DeviceParameters, r_kp)), int(offsetof(DeviceParameters, rpm_kp))}) {
                QTreeWidgetItem *row = rowOf(list, captionAt(offset));
                states[captionAt(offset)] = row ? int(row->checkState(0)) : -1;
            }
            count = preview.choiceCount()->text();
            if (tickOther)
                rowOf(list, captionAt(offsetof(DeviceParameters, rpm_kp)))
                    ->setCheckState(0, Qt::Checked);
            preview.applyButton()->click();
            return preview.result();
        });
        w.load(w.dir.filePath("mixed.conf"));
        QCOMPARE(count, QString("1 of 3 differences chosen"));
        QCOMPARE(states.value(captionAt(offsetof(DeviceParameters, tail_servotype))),
                 int(Qt::Unchecked));
        QCOMPARE(states.value(captionAt(offsetof(DeviceParameters, r_kp))), int(Qt::Checked));
        QCOMPARE(states.value(captionAt(offsetof(DeviceParameters, rpm_kp))), int(Qt::Unchecked));
        QVERIFY(w.tickUntilMessage("Upload verified"));
        w.settle();
        QCOMPARE(unit.workingRecord().r_kp, file.r_kp);
        QCOMPARE(unit.workingRecord().tail_servotype, held.tail_servotype);
        QCOMPARE(unit.workingRecord().rpm_kp, tickOther ? file.rpm_kp : held.rpm_kp);
        // Back to the unit's own values for the second round.
        w.record() = held;
        w.link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
        QVERIFY(w.tickUntilMessage("Upload verified"));
    }
}

// Two History entries side by side: exactly the parameters edited between
// them, older on the left; "every parameter" lists all, the edited in bold.
void tst_Preview::compareHistoryEntries()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    const DeviceParameters plugged = w.record();
    const int edited[] = {int(offsetof(DeviceParameters, phi_ktotal)),
                          int(offsetof(DeviceParameters, servo_rev_2)),
                          int(offsetof(DeviceParameters, receiver_type))};
    w.record().phi_ktotal = qint8(plugged.phi_ktotal == 70 ? 71 : 70);
    w.record().servo_rev_2 = qint8(plugged.servo_rev_2 == 0 ? 1 : 0);
    w.record().receiver_type = qint8(plugged.receiver_type == 7 ? 8 : 7);
    const DeviceParameters flashed = w.record();
    w.link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    QVERIFY(w.tickUntilMessage("Upload verified"));
    w.toolBar->writeFlash();
    QVERIFY(w.tickUntilMessage("Write flash successfully"));
    QCOMPARE(w.toolBar->history().entries().size(), 2);

    QStringList shown;
    QStringList olderValues;
    QString header;
    int everything = 0;
    int bold = 0;
    DialogHook::on<CompareWindow>([&](CompareWindow &view) {
        DifferenceList *list = view.differenceList();
        shown = captionsOf(list);
        for (int offset : edited)
            olderValues << rowOf(list, captionAt(offset))->text(1);
        header = view.header()->text();
        view.everythingBox()->setChecked(true);
        everything = int(captionsOf(list).size());
        for (const QString &caption : captionsOf(list))
            bold += rowOf(list, caption)->font(0).bold() ? 1 : 0;
        return int(QDialog::Rejected);
    });
    DialogHook::on<HistoryWindow>([&](HistoryWindow &window) {
        QTreeWidget *list = window.entryList();
        list->topLevelItem(0)->setSelected(true);
        list->topLevelItem(1)->setSelected(true);
        window.compareButton()->click();
        return int(QDialog::Rejected);
    });
    w.toolBar->showHistory();
    QStringList expected;
    for (int offset : edited)
        expected << captionAt(offset);
    std::sort(expected.begin(), expected.end());
    std::sort(shown.begin(), shown.end());
    QCOMPARE(shown, expected);
    QCOMPARE(header, QString("3 of 62 parameters differ"));
    QStringList pluggedValues;
    for (int offset : edited)
        pluggedValues << ParameterCaption::forOffset(offset)->valueText(plugged.byteAt(offset));
    QCOMPARE(olderValues, pluggedValues);
    QCOMPARE(everything, int(ParameterCaption::all().size()));
    QCOMPARE(bold, 3);
    QVERIFY(w.record() == flashed); // a compare changes nothing

    // One entry beside the unit: the unit on the right, and its values can
    // be taken; the newest entry holds what the unit holds.
    for (int row : {0, 1}) {
        QString right;
        int differing = -1;
        bool takeable = false;
        DialogHook::on<CompareWindow>([&](CompareWindow &view) {
            right = view.rightChoice()->currentText();
            differing = view.differingCount();
            takeable = view.takeButton()->isEnabled();
            return int(QDialog::Rejected);
        });
        DialogHook::on<HistoryWindow>([&](HistoryWindow &window) {
            window.entryList()->setCurrentItem(window.entryList()->topLevelItem(row));
            window.compareButton()->click();
            return int(QDialog::Rejected);
        });
        w.toolBar->showHistory();
        QCOMPARE(right, QString("The unit now"));
        QCOMPARE(differing, row == 0 ? 0 : 3);
        QCOMPARE(takeable, row == 1);
    }
}

// A History entry's Servo section alone, by keyboard: the section's box
// ticked with Space after "None". Only Servo fields go back.
void tst_Preview::restoreOneSection()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    SimulatedUnit &unit = w.window->simulatedPort().unit();
    const DeviceParameters plugged = unit.workingRecord();
    const QString servo = "Setup · Servo";
    // Every field edited: Servo ones and the others.
    DeviceParameters edited = plugged;
    edited.servo_rev_0 = qint8(plugged.servo_rev_0 == 0 ? 1 : 0);
    edited.servo_rev_3 = qint8(plugged.servo_rev_3 == 0 ? 1 : 0);
    edited.swash_servotype = qint8(plugged.swash_servotype == 2 ? 3 : 2);
    edited.phi_ktotal = qint8(plugged.phi_ktotal == 70 ? 71 : 70);
    edited.servo_trim_0 = qint8(plugged.servo_trim_0 == 5 ? 6 : 5);
    edited.r_kp = qint8(plugged.r_kp == 44 ? 45 : 44);
    w.record() = edited;
    w.link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    QVERIFY(w.tickUntilMessage("Upload verified"));

    QStringList sections;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        DifferenceList *list = preview.choices();
        sections = list->sectionNames();
        preview.noneButton()->click();
        for (int g = 0; g < list->topLevelItemCount(); ++g) {
            if (list->topLevelItem(g)->text(0) == servo)
                list->setCurrentItem(list->topLevelItem(g));
        }
        QTest::keyClick(list, Qt::Key_Space);
        preview.applyButton()->click();
        return preview.result();
    });
    DialogHook::on<HistoryWindow>([&](HistoryWindow &window) {
        QTreeWidget *list = window.entryList();
        list->setCurrentItem(list->topLevelItem(0)); // the plugging-in, the only entry
        window.previewButton()->click();
        return window.result();
    });
    w.toolBar->showHistory();
    QVERIFY(sections.contains(servo));
    QVERIFY(sections.size() >= 3);
    QVERIFY(w.tickUntilMessage("Upload verified"));
    for (const ParameterCaption &row : ParameterCaption::all()) {
        const bool inServo = row.pageName() + " · " + row.tabName() == servo;
        QCOMPARE(int(unit.workingRecord().byteAt(row.offset)),
                 int((inServo ? plugged : edited).byteAt(row.offset)));
    }
}

// A click on "Not written to flash" shows exactly the unflashed fields,
// the flash's value beside the unit's; taking the flash's values undoes
// them, and the notice goes.
void tst_Preview::notInFlashShown()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    SimulatedUnit &unit = w.window->simulatedPort().unit();
    const DeviceParameters flash = unit.flashRecord();
    w.record().r_kp = qint8(flash.r_kp == 44 ? 45 : 44);
    w.record().installation = qint8(flash.installation == 21 ? 17 : 21);
    const DeviceParameters unflashed = w.record();
    w.link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    QVERIFY(w.tickUntilMessage("Upload verified"));
    auto *notice = w.window->findChild<QLabel *>("flashLabel");
    QVERIFY(!notice->isHidden());

    QStringList shown;
    QStringList values;
    QString purpose;
    DialogHook::on<CompareWindow>([&](CompareWindow &view) {
        shown = captionsOf(view.differenceList());
        for (const QString &caption : shown) {
            QTreeWidgetItem *row = rowOf(view.differenceList(), caption);
            values << row->text(1) + " > " + row->text(2);
        }
        purpose = view.findChild<QLabel *>("comparePurpose")->text();
        view.takeButton()->click();
        shown << captionsOf(view.differenceList()); // after taking: nothing left
        return int(QDialog::Rejected);
    });
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        preview.applyButton()->click();
        return preview.result();
    });
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QTest::mouseClick(notice, Qt::LeftButton, {}, notice->contentsRect().center());
    w.window->hide();
    QCOMPARE(shown, (QStringList{captionAt(offsetof(DeviceParameters, installation)),
                                 captionAt(offsetof(DeviceParameters, r_kp))}));
    QCOMPARE(values.size(), 2);
    QCOMPARE(values[1], QString("%1 > %2").arg(flash.r_kp).arg(unflashed.r_kp));
    QVERIFY(purpose.startsWith("What a power cycle would lose"));
    QVERIFY(w.tickUntilMessage("Upload verified"));
    w.settle();
    QVERIFY(unit.workingRecord() == flash);
    QVERIFY(notice->isHidden());
}

// Values prepared without a unit are offered value by value once its own
// have come: one of three declined, two sent.
void tst_Preview::preparedChosenPerValue()
{
    Window w;
    SimulatedUnit &unit = w.window->simulatedPort().unit();
    const DeviceParameters own = unit.workingRecord();
    w.record() = own;
    w.record().phi_ktotal = qint8(own.phi_ktotal == 61 ? 62 : 61);
    w.record().r_kp = qint8(own.r_kp == 44 ? 45 : 44);
    w.record().left_spin = qint8(own.left_spin == 90 ? 91 : 90);
    const DeviceParameters prepared = w.record();
    w.link->setSubframeHead(DLU_WRITE_SFID_PARAM_1); // as a page's edit does
    QString count;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        QTreeWidget *list = preview.changeList();
        list->setCurrentItem(rowOf(list, captionAt(offsetof(DeviceParameters, r_kp))));
        QTest::keyClick(list, Qt::Key_Space);
        count = preview.choiceCount()->text();
        preview.applyButton()->click();
        return preview.result();
    });
    QVERIFY(w.connectAndDownload());
    QVERIFY(w.tickUntilMessage("Upload verified"));
    QCOMPARE(count, QString("2 of 3 differences chosen"));
    DeviceParameters expected = own;
    expected.phi_ktotal = prepared.phi_ktotal;
    expected.left_spin = prepared.left_spin;
    QVERIFY(unit.workingRecord() == expected);
}

// A note names an entry in the list and in its file, the search finds it,
// the cap never removes it; export writes a .conf that loads; delete asks
// and removes.
void tst_Preview::historyNotes()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    w.record().r_kp = qint8(w.record().r_kp == 44 ? 45 : 44);
    w.link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    QVERIFY(w.tickUntilMessage("Upload verified"));
    w.toolBar->writeFlash();
    QVERIFY(w.tickUntilMessage("Write flash successfully"));
    UnitHistory &history = w.toolBar->history();
    QCOMPARE(history.entries().size(), 2);
    const QString oldest = history.entries().last().path;

    const QString exported = w.dir.filePath("maiden");
    DialogHook::onFile([&](QFileDialog &) -> std::optional<QString> { return exported; });
    int visible = -1;
    QString listedNote;
    DialogHook::on<HistoryWindow>([&](HistoryWindow &window) {
        QTreeWidget *list = window.entryList();
        list->setCurrentItem(list->topLevelItem(1));
        window.noteButton()->click(); // opens the editor on the note
        auto *editor = list->viewport()->findChild<QLineEdit *>();
        if (!editor)
            return int(QDialog::Rejected);
        QTest::keyClicks(editor, "  before   maiden ");
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the editor's text is taken once it closes
        window.searchField()->setText("MAIDEN");
        visible = 0;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            visible += list->topLevelItem(i)->isHidden() ? 0 : 1;
        window.exportButton()->click();
        return int(QDialog::Rejected);
    });
    w.toolBar->showHistory();
    QCOMPARE(UnitHistory::note(oldest), QString("before maiden"));
    QCOMPARE(visible, 1);
    QCOMPARE(w.message(), QString("History entry exported to maiden.conf"));
    DeviceParameters back;
    const ConfigResult read = ConfigFile::load(exported + ".conf", back);
    QVERIFY(read.ok());
    QCOMPARE(read.keysRead(), LoadedKeyCount);
    QVERIFY(read.unknownKeys().isEmpty());
    QCOMPARE(UnitHistory::note(exported + ".conf"), QString("before maiden"));

    DialogHook::on<HistoryWindow>([&](HistoryWindow &window) {
        listedNote = window.entryList()->topLevelItem(1)->text(HistoryWindow::NoteColumn);
        return int(QDialog::Rejected);
    });
    w.toolBar->showHistory();
    QCOMPARE(listedNote, QString("before maiden"));

    // The cap removes the oldest entries the program wrote, not a noted one.
    const QDateTime later = QDateTime::currentDateTime().addDays(1);
    DeviceParameters record = w.record();
    for (int i = 0; i < UnitHistory::Cap + 3; ++i) {
        record.phi_ktotal = qint8(i % 100);
        record.r_ki = qint8(i / 100);
        QCOMPARE(history.save(record, 10, 21, UnitHistory::Kind::Read, later.addSecs(i)),
                 UnitHistory::Outcome::Saved);
    }
    QVERIFY(QFile::exists(oldest));
    QCOMPARE(history.entries().size(), UnitHistory::Cap + 1);

    // Delete asks first; Cancel keeps it.
    for (int answer : {1, 0}) {
        QString asked;
        DialogHook::onQuestion([&](QMessageBox &box) { return asked = box.text(), answer; });
        DialogHook::on<HistoryWindow>([&](HistoryWindow &window) {
            QTreeWidget *list = window.entryList();
            window.searchField()->setText("maiden");
            list->clearSelection();
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                list->topLevelItem(i)->setSelected(!list->topLevelItem(i)->isHidden());
            window.deleteButton()->click();
            return int(QDialog::Rejected);
        });
        w.toolBar->showHistory();
        QVERIFY(asked.startsWith("Delete the entry of"));
        QCOMPARE(QFile::exists(oldest), answer == 1);
    }
}

QTEST_MAIN(tst_Preview)
#include "tst_preview.moc"

#include "GuidedSetup.h"

#include "ConfigureSettingPage.h"
#include "DialogStyle.h"
#include "DifferenceList.h"
#include "LinkFrame.h"
#include "ParameterCaption.h"
#include "Picture.h"
#include "Question.h"
#include "SerialProcessThread.h"
#include "Telemetry.h"
#include "UnitHistory.h"
#include "UnitModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cstddef>
#include <cstdlib>

namespace {

using D = DeviceParameters;

constexpr int ReceiverOffset = int(offsetof(D, receiver_type));
constexpr int InstallationOffset = int(offsetof(D, installation));
constexpr int ModelTypeOffset = int(offsetof(D, model_type));
constexpr int SwashServoOffset = int(offsetof(D, swash_servotype));
constexpr int TailServoOffset = int(offsetof(D, tail_servotype));
constexpr int DirectionOffsets[4] = {int(offsetof(D, servo_rev_0)), int(offsetof(D, servo_rev_1)),
                                     int(offsetof(D, servo_rev_2)), int(offsetof(D, servo_rev_3))};
constexpr int ReceiverTypes = 9;
// A throttle above this is not "fully down" for the fail-safe.
constexpr int ThrottleLowAtMost = -90;

// Advice and status texts: dark on the dialog's light background.
const char *const AdviceStyle = "QLabel { color: #8a1000; font-weight: bold; }";
const char *const GoodStyle = "QLabel { color: #0b5e1a; font-weight: bold; }";
const char *const InstructionStyle = "QLabel { color: black; font-size: 15px; font-weight: bold; }";

QString valueText(int offset, int value)
{
    const ParameterCaption *row = ParameterCaption::forOffset(offset);
    return row ? row->valueText(value) : QString::number(value);
}

// The types a pilot most often meant instead, by receiver code.
QList<int> likelyInstead(int code)
{
    switch (code) {
    case 0:
        return {1};
    case 1:
        return {0};
    case 7:
    case 8:
        return {2, 3};
    default:
        return {7, 8};
    }
}

QLabel *wrapped(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

GuidedSetup::GuidedSetup(DeviceParameters &parameters, SerialProcessThread *serialLink,
                         UnitHistory &unitHistory, QWidget *parent)
    : QDialog(parent), record(parameters), link(serialLink), history(unitHistory), found(parameters)
{
    setObjectName(QStringLiteral("GuidedSetup"));
    setWindowTitle(tr("Guided setup"));
    // Over the main window only: the simulated unit's sticks window stays usable.
    setWindowModality(Qt::WindowModal);
    auto *sticks = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), this);
    connect(sticks, &QShortcut::activated, this, &GuidedSetup::sticksRequested);
    // The sheet darkens labels; a check box's text and a group's title must be dark too.
    setStyleSheet(DialogStyle::sheet() +
                  QStringLiteral("QCheckBox, QGroupBox, QGroupBox::title { color: black; }"));

    header = new QLabel;
    header->setObjectName(QStringLiteral("dialogHeader"));
    pages = new QStackedWidget;
    for (QWidget *page : {buildUnitStep(), buildReceiverStep(), buildRadioStep(), buildMountStep(),
                          buildSwashStep(), buildServoStep(), buildDirectionStep(), buildTrimStep(),
                          buildFailSafeStep(), buildSummaryStep()})
        pages->addWidget(page);

    leaveBtn = new QPushButton(tr("&Leave"));
    leaveBtn->setObjectName(QStringLiteral("guidedLeave"));
    backBtn = new QPushButton(tr("&Back"));
    backBtn->setObjectName(QStringLiteral("guidedBack"));
    nextBtn = new QPushButton(tr("&Next"));
    nextBtn->setObjectName(QStringLiteral("guidedNext"));
    nextBtn->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(leaveBtn);
    buttons->addStretch();
    buttons->addWidget(backBtn);
    buttons->addWidget(nextBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(pages, 1);
    layout->addLayout(buttons);

    connect(leaveBtn, &QPushButton::clicked, this, &GuidedSetup::leave);
    connect(backBtn, &QPushButton::clicked, this, &GuidedSetup::back);
    connect(nextBtn, &QPushButton::clicked, this, &GuidedSetup::next);
    LinkEngine &engine = link->protocol();
    connect(link, &SerialProcessThread::telemetryChanged, this, &GuidedSetup::telemetryArrived);
    connect(&engine, &LinkEngine::commandCompleted, this, &GuidedSetup::commandCompleted);
    // Queued: the question is not asked from inside the link's reply.
    connect(
        &engine, &LinkEngine::transfersEnded, this,
        [this] {
            if (leaveWaiting)
                leave();
        },
        Qt::QueuedConnection);
    connect(
        &engine, &LinkEngine::stateText, this,
        [this] {
            if (leaveWaiting && !link->protocol().isLinkAlive())
                leave();
        },
        Qt::QueuedConnection);
    connect(&engine, &LinkEngine::editingAllowedChanged, this, &GuidedSetup::refreshUnit);
    connect(&engine, &LinkEngine::unitIdentified, this, &GuidedSetup::refreshUnit);
    // A new download (a lost and found unit) leaves the link idle.
    connect(&engine, &LinkEngine::downloadCompleted, this, [this] {
        refreshUnit();
        if (current == TrimStep)
            showValues();
        applyLinkMode();
    });
    connect(&engine, &LinkEngine::flashWritten, this, [this] {
        flashed = true;
        flashBtn->setEnabled(false);
        if (flashLabel) {
            flashLabel->setText(tr("Written to flash: the unit keeps this setup."));
            flashLabel->setStyleSheet(GoodStyle);
        }
        updateButtons();
    });
    resize(720, 500);
    showStep(UnitStep);
}

GuidedSetup::~GuidedSetup() = default;

// ---- steps

QWidget *GuidedSetup::buildUnitStep()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    unitLabel = wrapped(QString());
    unitLabel->setObjectName(QStringLiteral("guidedUnit"));
    layout->addWidget(unitLabel);
    layout->addWidget(wrapped(
        tr("Take the main and tail rotor blades off, or unplug the motor, before you begin: "
           "the sticks will be moved through their whole travel.\n\n"
           "Before anything changes, the unit's parameters are kept in History as "
           "\"before guided setup\".")));
    layout->addStretch();
    return page;
}

QWidget *GuidedSetup::buildReceiverStep()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrapped(tr("Choose the receiver type, then move any stick of the "
                                 "transmitter: the unit must see its channels move.")));
    receiverBox = new QComboBox;
    receiverBox->setObjectName(QStringLiteral("guidedReceiver"));
    for (int index = 0; index < ReceiverTypes; ++index)
        receiverBox->addItem(valueText(ReceiverOffset, ParameterCaption::receiverListIndex(index)));
    layout->addWidget(receiverBox);
    receiverStatus = wrapped(QString());
    receiverStatus->setObjectName(QStringLiteral("guidedReceiverStatus"));
    layout->addWidget(receiverStatus);
    layout->addStretch();
    connect(receiverBox, &QComboBox::activated, this, &GuidedSetup::receiverChosen);
    return page;
}

QWidget *GuidedSetup::buildRadioStep()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    radioInstruction = wrapped(QString());
    radioInstruction->setObjectName(QStringLiteral("guidedInstruction"));
    radioInstruction->setStyleSheet(InstructionStyle);
    layout->addWidget(radioInstruction);
    auto *grid = new QGridLayout;
    for (int i = 0; i < RadioCheck::StickCount; ++i) {
        const auto stick = RadioCheck::Stick(i);
        grid->addWidget(new QLabel(RadioCheck::stickName(stick)), i, 0);
        channelBars[size_t(i)] = new QProgressBar;
        channelBars[size_t(i)]->setRange(-125, 125);
        channelBars[size_t(i)]->setFormat(QStringLiteral("%v"));
        channelBars[size_t(i)]->setValue(0);
        grid->addWidget(channelBars[size_t(i)], i, 1);
        stickRows[size_t(i)] = new QLabel;
        grid->addWidget(stickRows[size_t(i)], i, 2);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    radioAdvice = wrapped(QString());
    radioAdvice->setObjectName(QStringLiteral("guidedAdvice"));
    radioAdvice->setStyleSheet(AdviceStyle);
    layout->addWidget(radioAdvice);
    retryBtn = new QPushButton(tr("Check this stick &again"));
    retryBtn->setObjectName(QStringLiteral("guidedRetry"));
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(retryBtn);
    layout->addLayout(row);
    layout->addStretch();
    connect(retryBtn, &QPushButton::clicked, this, [this] { startStick(checkedStick()); });
    return page;
}

QWidget *GuidedSetup::pictureChoices(const QString &title, const std::vector<int> &codes,
                                     int offset, const std::function<QString(int)> &pictureOf,
                                     QSize size)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrapped(title));
    auto *grid = new QGridLayout;
    auto *group = new QButtonGroup(page);
    group->setExclusive(true);
    for (int i = 0; i < int(codes.size()); ++i) {
        const int code = codes[size_t(i)];
        auto *button = new QPushButton;
        button->setObjectName(QStringLiteral("guidedChoice%1_%2").arg(offset).arg(code));
        button->setCheckable(true);
        QIcon icon;
        icon.addPixmap(Picture::pixmap(pictureOf(i)), QIcon::Normal, QIcon::Off);
        icon.addPixmap(
            Picture::pixmap(pictureOf(i)
                                .replace(QLatin1String("unchecked"), QLatin1String("checked"))
                                .replace(QLatin1String("uncheck"), QLatin1String("check"))),
            QIcon::Normal, QIcon::On);
        button->setIcon(icon);
        button->setIconSize(size);
        button->setToolTip(valueText(offset, code));
        group->addButton(button, code);
        auto *cell = new QVBoxLayout;
        cell->addWidget(button, 0, Qt::AlignHCenter);
        auto *caption = new QLabel(valueText(offset, code));
        caption->setAlignment(Qt::AlignHCenter);
        cell->addWidget(caption);
        grid->addLayout(cell, i / 3, i % 3);
        connect(button, &QPushButton::clicked, this, [this, offset, code] { write(offset, code); });
    }
    layout->addLayout(grid);
    layout->addStretch();
    // Shown as the unit holds it whenever the step is entered.
    connect(pages, &QStackedWidget::currentChanged, group, [this, group, offset] {
        if (QAbstractButton *held = group->button(record.byteAt(offset)))
            held->setChecked(true);
    });
    return page;
}

QWidget *GuidedSetup::buildMountStep()
{
    int count = 0;
    const int *codes = ParameterCaption::mountingCodes(&count);
    return pictureChoices(
        tr("How is the unit mounted in the helicopter? Choose the picture that shows it: a "
           "wrong mounting makes the gyro correct the wrong way."),
        std::vector<int>(codes, codes + count), InstallationOffset,
        [](int i) { return QStringLiteral(":/images/mount/mount%1_unchecked.png").arg(i + 1); },
        QSize(100, 100));
}

QWidget *GuidedSetup::buildSwashStep()
{
    static const char *const names[] = {"mixer", "90ccpm", "120ccpm", "135ccpm", "140ccpm"};
    return pictureChoices(
        tr("Which swash plate does the helicopter have?"), {1, 5, 2, 3, 4}, ModelTypeOffset,
        [](int i) {
            return QStringLiteral(":/images/swash/sc_%1_uncheck.png").arg(QLatin1String(names[i]));
        },
        QSize(100, 100));
}

QWidget *GuidedSetup::buildServoStep()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(
        wrapped(tr("A servo driven at a frame rate or centre pulse it is not made for can burn out "
                   "or run into its end stop. Take the servo horns off first, so a servo that runs "
                   "away cannot break the linkage.")));
    hornsOff = new QCheckBox(tr("The servo &horns are off"));
    hornsOff->setObjectName(QStringLiteral("guidedHornsOff"));
    layout->addWidget(hornsOff);
    auto *grid = new QGridLayout;
    swashServoBox = new QComboBox;
    swashServoBox->setObjectName(QStringLiteral("guidedSwashServo"));
    for (int code = 1; code <= 3; ++code)
        swashServoBox->addItem(valueText(SwashServoOffset, code));
    tailServoBox = new QComboBox;
    tailServoBox->setObjectName(QStringLiteral("guidedTailServo"));
    for (int code = 1; code <= 5; ++code)
        tailServoBox->addItem(valueText(TailServoOffset, code));
    grid->addWidget(new QLabel(tr("Swash plate servos")), 0, 0);
    grid->addWidget(swashServoBox, 0, 1);
    grid->addWidget(new QLabel(tr("Tail servo")), 1, 0);
    grid->addWidget(tailServoBox, 1, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch();
    for (QComboBox *box : {swashServoBox, tailServoBox})
        box->setEnabled(false);
    connect(hornsOff, &QCheckBox::toggled, this, [this](bool off) {
        swashServoBox->setEnabled(off);
        tailServoBox->setEnabled(off);
        updateButtons();
    });
    connect(swashServoBox, &QComboBox::activated, this,
            [this](int index) { servoTypeChosen(swashServoBox, SwashServoOffset, index); });
    connect(tailServoBox, &QComboBox::activated, this,
            [this](int index) { servoTypeChosen(tailServoBox, TailServoOffset, index); });
    return page;
}

QWidget *GuidedSetup::buildDirectionStep()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrapped(
        tr("Move the collective stick up and watch each swash plate servo, then move the rudder "
           "stick right and watch the tail. A No reverses that servo at once: watch it "
           "again.")));
    const QString questions[4] = {
        tr("CH1: did the swash rise on this servo?"), tr("CH2: did the swash rise on this servo?"),
        tr("CH3: did the swash rise on this servo?"), tr("Tail: did the nose turn right?")};
    auto *grid = new QGridLayout;
    for (int servo = 0; servo < 4; ++servo) {
        grid->addWidget(new QLabel(questions[servo]), servo, 0);
        auto *yes = new QPushButton(tr("Yes"));
        yes->setObjectName(QStringLiteral("guidedYes%1").arg(servo));
        auto *no = new QPushButton(tr("No"));
        no->setObjectName(QStringLiteral("guidedNo%1").arg(servo));
        grid->addWidget(yes, servo, 1);
        grid->addWidget(no, servo, 2);
        directionRows[size_t(servo)] = new QLabel;
        grid->addWidget(directionRows[size_t(servo)], servo, 3);
        connect(yes, &QPushButton::clicked, this, [this, servo] { answerDirection(servo, true); });
        connect(no, &QPushButton::clicked, this, [this, servo] { answerDirection(servo, false); });
    }
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget *GuidedSetup::buildTrimStep()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(
        wrapped(tr("Put the servo horns back on, as close to a right angle as the splines allow. "
                   "While this step is shown the unit holds the servos still at their trimmed "
                   "centre.")));
    auto *columns = new QHBoxLayout;
    columns->addWidget(
        valueGroup(tr("With the collective stick at mid, trim each servo until its arm is level."),
                   {int(offsetof(D, servo_trim_0)), int(offsetof(D, servo_trim_1)),
                    int(offsetof(D, servo_trim_2)), int(offsetof(D, servo_trim_3))}));
    columns->addWidget(valueGroup(
        tr("Move each stick to its ends: lower a limit until no servo or linkage binds at full "
           "stick."),
        {int(offsetof(D, ail_limit)), int(offsetof(D, ele_limit)), int(offsetof(D, coll_ratio)),
         int(offsetof(D, tail_limit_a)), int(offsetof(D, tail_limit_b))}));
    layout->addLayout(columns);
    layout->addStretch();
    return page;
}

// The fields of one Setup tab, captioned, ranged and titled as that tab has
// them, so the guide and the page agree.
QWidget *GuidedSetup::valueGroup(const QString &instruction, const std::vector<int> &offsets)
{
    auto *group = new QGroupBox(ParameterCaption::forOffset(offsets.front())->tabName());
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(wrapped(instruction));
    auto *grid = new QGridLayout;
    for (int offset : offsets) {
        const ParameterCaption *row = ParameterCaption::forOffset(offset);
        const auto range = ConfigureSettingPage::valueRange(offset);
        Q_ASSERT(row && range);
        auto *box = new QSpinBox;
        box->setObjectName(QStringLiteral("guidedValue%1").arg(offset));
        box->setRange(range->first, range->second);
        // Typed digits go up once the number is whole.
        box->setKeyboardTracking(false);
        auto *label = new QLabel(row->text());
        label->setBuddy(box);
        const int line = grid->rowCount();
        grid->addWidget(label, line, 0);
        grid->addWidget(box, line, 1);
        valueBoxes.emplace_back(offset, box);
        connect(box, &QSpinBox::valueChanged, this, [this, offset](int value) {
            if (!showingValues)
                write(offset, value);
        });
    }
    grid->setColumnStretch(0, 1);
    layout->addLayout(grid);
    layout->addStretch();
    return group;
}

QWidget *GuidedSetup::buildFailSafeStep()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrapped(
        tr("Put the sticks and switches where the helicopter should go when the signal is "
           "lost: throttle fully down, the other sticks centred. Then press Set Fail Safe: the "
           "unit stores the positions it sees now.")));
    throttleLabel = new QLabel;
    throttleLabel->setObjectName(QStringLiteral("guidedThrottle"));
    layout->addWidget(throttleLabel);
    auto *button = new QPushButton(tr("Set &Fail Safe"));
    button->setObjectName(QStringLiteral("guidedFailSafe"));
    auto *row = new QHBoxLayout;
    row->addWidget(button);
    row->addStretch();
    layout->addLayout(row);
    failSafeLabel = wrapped(QString());
    failSafeLabel->setObjectName(QStringLiteral("guidedFailSafeStatus"));
    layout->addWidget(failSafeLabel);
    layout->addStretch();
    connect(button, &QPushButton::clicked, this, &GuidedSetup::setFailSafe);
    return page;
}

QWidget *GuidedSetup::buildSummaryStep()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrapped(tr("What the guided setup changed in the unit:")));
    summaryList = new DifferenceList;
    summaryList->setObjectName(QStringLiteral("guidedSummary"));
    summaryList->setSides(tr("Before"), tr("Now"));
    layout->addWidget(summaryList, 1);
    flashBtn = new QPushButton(tr("&Write to flash"));
    flashBtn->setObjectName(QStringLiteral("guidedWriteFlash"));
    flashLabel = wrapped(QString());
    flashLabel->setObjectName(QStringLiteral("guidedFlashStatus"));
    auto *row = new QHBoxLayout;
    row->addWidget(flashBtn);
    row->addWidget(flashLabel, 1);
    layout->addLayout(row);
    connect(flashBtn, &QPushButton::clicked, this, [this] {
        flashLabel->setText(tr("Writing to flash…"));
        flashLabel->setStyleSheet(QString());
        emit flashWriting();
    });
    return page;
}

// ---- moving between steps

void GuidedSetup::showStep(Step step)
{
    current = step;
    pages->setCurrentIndex(step);
    static const char *const titles[StepCount] = {
        QT_TR_NOOP("The unit"),         QT_TR_NOOP("Receiver type"),    QT_TR_NOOP("Radio check"),
        QT_TR_NOOP("Mounting"),         QT_TR_NOOP("Swash plate type"), QT_TR_NOOP("Servo types"),
        QT_TR_NOOP("Servo directions"), QT_TR_NOOP("Trims and travel"), QT_TR_NOOP("Fail safe"),
        QT_TR_NOOP("Summary")};
    header->setText(tr("Step %1 of %2: %3").arg(step + 1).arg(StepCount).arg(tr(titles[step])));
    switch (step) {
    case UnitStep:
        refreshUnit();
        break;
    case ReceiverStep:
        receiverBox->setCurrentIndex(ParameterCaption::receiverListIndex(record.receiver_type));
        receiverBaseline.reset();
        flatSamples = 0;
        break;
    case RadioStep:
        if (!radio) {
            sticksPassed.fill(false);
            startStick(RadioCheck::Throttle);
        }
        break;
    case TrimStep:
        showValues();
        break;
    case ServoStep:
        swashServoBox->setCurrentIndex(record.swash_servotype - 1);
        tailServoBox->setCurrentIndex(record.tail_servotype - 1);
        break;
    case SummaryStep:
        fillSummary();
        break;
    default:
        break;
    }
    applyLinkMode();
    updateButtons();
}

// Telemetry while a step watches the sticks; the control loops run, so the
// servos follow the sticks for the direction check. While trimming they are
// suspended, as on the Setup page's Trim tab: the servos hold still at their
// trimmed centre.
void GuidedSetup::applyLinkMode()
{
    const bool watching = current == ReceiverStep || current == RadioStep ||
                          current == FailSafeStep || current == DirectionStep;
    link->setSubframeHead(watching ? DLU_UP_SFID_TELEMETRY_1 : DLU_SFID_IDLE);
    link->setCommand(current == TrimStep ? CMD_CUT_PID : CMD_RUN_PID);
}

bool GuidedSetup::stepReady() const
{
    const LinkEngine &engine = link->protocol();
    const bool unitReady =
        engine.isLinkAlive() && engine.deviceModel() != 0 && engine.isEditingAllowed();
    switch (current) {
    case UnitStep:
        return unitReady;
    case ReceiverStep:
        return receiverMoves;
    case RadioStep:
        for (bool passed : sticksPassed)
            if (!passed)
                return false;
        return true;
    case ServoStep:
        return hornsOff->isChecked();
    case DirectionStep:
        for (bool confirmed : directionsConfirmed)
            if (!confirmed)
                return false;
        return true;
    case FailSafeStep:
        return failSafeSet;
    case MountStep:
    case SwashStep:
    case TrimStep:
    case SummaryStep:
        return true;
    }
    return false;
}

void GuidedSetup::updateButtons()
{
    backBtn->setEnabled(current != UnitStep);
    nextBtn->setText(current == SummaryStep ? tr("&Finish") : tr("&Next"));
    nextBtn->setEnabled(stepReady());
}

void GuidedSetup::next()
{
    if (!stepReady())
        return;
    if (current == UnitStep && !historyKept) {
        // The unit as found, before the guide changes anything.
        found = record;
        const LinkEngine &engine = link->protocol();
        history.save(record, engine.deviceModel(), engine.firmwareVersion(),
                     UnitHistory::Kind::BeforeGuidedSetup);
        historyKept = true;
    }
    if (current == SummaryStep) {
        leave();
        return;
    }
    showStep(Step(current + 1));
}

void GuidedSetup::back()
{
    if (current != UnitStep)
        showStep(Step(current - 1));
}

void GuidedSetup::leave()
{
    const LinkEngine &engine = link->protocol();
    // Whether the unit holds changes is known once the last one is read
    // back; asked before, the guard would wave an unsaved change through.
    if (engine.isTransferRunning() && engine.isLinkAlive()) {
        leaveWaiting = true;
        header->setText(tr("Waiting for the unit to take the last change…"));
        return;
    }
    leaveWaiting = false;
    if (engine.hasChangesNotInFlash() && leaveGuard && !leaveGuard()) {
        showStep(current);
        return;
    }
    // The pages take the link back: their tab decides telemetry and loops,
    // which run again unless the Setup page's Trim tab is on screen.
    link->setSubframeHead(DLU_SFID_IDLE);
    link->setCommand(CMD_RUN_PID);
    emit recordChanged();
    QDialog::reject();
}

void GuidedSetup::reject()
{
    leave();
}

// As the pages write: one field, then the whole record goes up and is read
// back; the pages show it at once.
void GuidedSetup::write(int offset, int value)
{
    if (!link->protocol().isEditingAllowed())
        return;
    record.setByteAt(offset, qint8(value));
    link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    // What was written to flash before is no longer all.
    flashed = false;
    flashLabel->clear();
    emit recordChanged();
    applyLinkMode();
}

// ---- the unit

void GuidedSetup::refreshUnit()
{
    const LinkEngine &engine = link->protocol();
    if (!engine.isLinkAlive() || engine.deviceModel() == 0)
        unitLabel->setText(tr("No unit answers. Connect the unit (plugged in and powered) "
                              "first."));
    else if (!engine.isEditingAllowed())
        unitLabel->setText(tr("Reading the unit's parameters…"));
    else if (link->isSimulatedUnitConnected())
        unitLabel->setText(tr("Connected: %1, firmware %2 (the simulated unit: steer its sticks "
                              "with Ctrl+Shift+K).")
                               .arg(UnitModel::name(engine.deviceModel()),
                                    UnitModel::firmware(engine.firmwareVersion())));
    else
        unitLabel->setText(tr("Connected: %1, firmware %2.")
                               .arg(UnitModel::name(engine.deviceModel()),
                                    UnitModel::firmware(engine.firmwareVersion())));
    updateButtons();
}

// ---- receiver

void GuidedSetup::receiverChosen(int index)
{
    write(ReceiverOffset, ParameterCaption::receiverListIndex(index));
    receiverMoves = false;
    receiverFlat = false;
    receiverBaseline.reset();
    flatSamples = 0;
    receiverStatus->setStyleSheet(QString());
    receiverStatus->setText(tr("Move any stick."));
    updateButtons();
}

void GuidedSetup::watchReceiver(const RadioCheck::Channels &sample)
{
    if (!receiverBaseline) {
        receiverBaseline = sample;
        if (!receiverMoves)
            receiverStatus->setText(tr("Move any stick."));
        return;
    }
    for (int i = 0; i < RadioCheck::StickCount; ++i) {
        if (std::abs(sample[size_t(i)] - (*receiverBaseline)[size_t(i)]) >=
            RadioCheck::MovedAtLeast) {
            if (!receiverMoves) {
                receiverMoves = true;
                receiverStatus->setStyleSheet(GoodStyle);
                receiverStatus->setText(tr("The unit sees the channels move."));
                updateButtons();
            }
            return;
        }
    }
    if (receiverMoves || receiverFlat || ++flatSamples < FlatSamples)
        return;
    receiverFlat = true;
    QStringList names;
    for (int code : likelyInstead(record.receiver_type))
        names << valueText(ReceiverOffset, code);
    receiverStatus->setStyleSheet(AdviceStyle);
    receiverStatus->setText(tr("no signal with this receiver type: check the type and the wiring") +
                            QLatin1Char('\n') +
                            tr("Likely instead: %1").arg(names.join(QStringLiteral(", "))));
}

// ---- radio check

void GuidedSetup::startStick(RadioCheck::Stick stick)
{
    radio = std::make_unique<RadioCheck>(stick);
    radioFailed = false;
    radioAdvice->clear();
    showRadioRows();
    updateButtons();
}

void GuidedSetup::showRadioRows()
{
    for (int i = 0; i < RadioCheck::StickCount; ++i) {
        QString state;
        if (sticksPassed[size_t(i)])
            state = tr("passed");
        else if (i == checkedStick())
            state = radioFailed ? tr("fix and check again") : tr("checking");
        stickRows[size_t(i)]->setText(state);
    }
    const bool all = stepReady();
    radioInstruction->setText(all ? tr("The radio is right: every stick passed.")
                                  : RadioCheck::instruction(radio->stick(), radio->phase()));
    retryBtn->setEnabled(!all);
}

void GuidedSetup::feedRadio(const RadioCheck::Channels &sample)
{
    if (!radio || radioFailed || sticksPassed[size_t(radio->stick())])
        return;
    if (!radio->feed(sample))
        return;
    if (radio->phase() == RadioCheck::Phase::Done) {
        const RadioCheck::Verdict verdict = radio->verdict();
        if (verdict.passed) {
            sticksPassed[size_t(radio->stick())] = true;
            if (radio->stick() != RadioCheck::Aux) {
                startStick(RadioCheck::Stick(radio->stick() + 1));
                return;
            }
        } else {
            radioFailed = true;
            radioAdvice->setText(verdict.advice.join(QLatin1Char('\n')));
        }
        updateButtons();
    }
    showRadioRows();
}

// ---- telemetry

void GuidedSetup::telemetryArrived()
{
    const RadioCheck::Channels sample = RadioCheck::channels(telemetry());
    switch (current) {
    case ReceiverStep:
        watchReceiver(sample);
        break;
    case RadioStep:
        for (int i = 0; i < RadioCheck::StickCount; ++i)
            channelBars[size_t(i)]->setValue(sample[size_t(i)]);
        feedRadio(sample);
        break;
    case FailSafeStep:
        throttleLabel->setText(tr("Throttle now: %1").arg(sample[RadioCheck::Throttle]));
        break;
    default:
        break;
    }
}

// ---- servos

// An analog type is safe for any servo; the others are sent only once the
// pilot says the servo's data allows them.
void GuidedSetup::servoTypeChosen(QComboBox *box, int offset, int index)
{
    const int code = index + 1;
    if (code == record.byteAt(offset))
        return;
    if (code > 1) {
        const int answer = Question::ask(
            this, tr("Servo type"),
            tr("\"%1\" needs a servo made for it. Look in the servo's data sheet: does it "
               "allow this frame rate and centre pulse?")
                .arg(box->itemText(index)),
            {tr("It does: send it"), tr("Cancel")});
        if (answer != 0) {
            box->setCurrentIndex(record.byteAt(offset) - 1);
            return;
        }
    }
    write(offset, code);
}

void GuidedSetup::answerDirection(int servo, bool rose)
{
    if (rose) {
        directionsConfirmed[size_t(servo)] = true;
        directionRows[size_t(servo)]->setText(tr("confirmed"));
    } else {
        const int offset = DirectionOffsets[servo];
        // A byte that is not 1 counts as reversed, as the Setup page reads it.
        write(offset, record.byteAt(offset) == 1 ? -1 : 1);
        directionsConfirmed[size_t(servo)] = false;
        directionRows[size_t(servo)]->setText(tr("reversed: watch it again"));
    }
    updateButtons();
}

// ---- fail safe

void GuidedSetup::setFailSafe()
{
    const int throttle = telemetry().accelerator;
    if (throttle > ThrottleLowAtMost) {
        failSafeLabel->setStyleSheet(AdviceStyle);
        failSafeLabel->setText(tr("Move the throttle fully down first: the unit would keep "
                                  "the throttle at %1 when the signal is lost.")
                                   .arg(throttle));
        return;
    }
    const int answer = Question::ask(this, tr("Set Fail Safe"),
                                     tr("The unit stores the stick and switch positions it sees "
                                        "now as its fail-safe. Store them?"),
                                     {tr("Set Fail Safe"), tr("Cancel")});
    if (answer != 0)
        return;
    failSafeWaiting = true;
    failSafeSet = false;
    failSafeLabel->setStyleSheet(QString());
    failSafeLabel->setText(tr("Waiting for the unit…"));
    link->setCommand(CMD_SET_FAIL_PROTECT);
    updateButtons();
}

void GuidedSetup::commandCompleted(quint8 code, bool confirmed)
{
    if (code != CMD_SET_FAIL_PROTECT || !failSafeWaiting)
        return;
    failSafeWaiting = false;
    failSafeSet = confirmed;
    failSafeLabel->setStyleSheet(confirmed ? GoodStyle : AdviceStyle);
    failSafeLabel->setText(confirmed ? tr("The unit stored its fail-safe positions.")
                                     : tr("The unit did not confirm the fail-safe: press Set Fail "
                                          "Safe again."));
    updateButtons();
}

// ---- summary

void GuidedSetup::fillSummary()
{
    summaryList->clear();
    summaryList->showRecords(found, record);
    if (failSafeSet) {
        // Not a field of the record: a section of its own after the pages'.
        const QString caption = tr("Fail safe");
        auto *item =
            new QTreeWidgetItem(summaryList->addSection(caption), {caption, QString(), tr("set")});
        item->setData(0, DifferenceList::CaptionRole, caption);
        summaryList->expandAll();
    }
    if (summaryList->topLevelItemCount() == 0)
        summaryList->addSection(tr("Nothing: the unit was already set up so"));
    flashBtn->setEnabled(!flashed);
    if (!flashed && flashLabel->text().isEmpty())
        flashLabel->setText(tr("The unit keeps these values only until it is switched off, "
                               "unless they are written to flash."));
}

// ---- trims and travel

void GuidedSetup::showValues()
{
    showingValues = true;
    for (const auto &[offset, box] : valueBoxes)
        box->setValue(record.byteAt(offset));
    showingValues = false;
}

QString GuidedSetup::statusText() const
{
    switch (current) {
    case UnitStep:
        return unitLabel->text();
    case ReceiverStep:
        return receiverStatus->text();
    case RadioStep:
        return radioAdvice->text().isEmpty() ? radioInstruction->text() : radioAdvice->text();
    case FailSafeStep:
        return failSafeLabel->text();
    case SummaryStep:
        return flashLabel->text();
    default:
        return QString();
    }
}

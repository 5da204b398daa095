#include "MainSettingPage.h"

#include "ui_MainSettingPage.h"

#include "ChangePreview.h"
#include "SliderTicks.h"

#include "DeviceParameters.h"
#include "LinkFrame.h"
#include "SerialProcessThread.h"
#include "ValueRanges.h"

#include <QDoubleValidator>
#include <QIcon>
#include <QKeyEvent>
#include <QMutexLocker>

namespace {

constexpr quint8 ModelA1 = 11; // has no level-attitude trim
constexpr quint8 ModelX1 = 10;

const char *const sliderStyle = R"(
QSlider::groove:horizontal {
    border: 1px solid #999999;
    height: 4px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #B1B1B1, stop:1 #c4c4c4);
    margin: 2px 0;
    border-radius: 2px;
}
QSlider::handle:horizontal {
    background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #ffffff, stop:1 #8f8f8f);
    border: 1px solid #5c5c5c;
    width: 18px;
    margin: -2px 0;
    border-radius: 3px;
}
QSlider::sub-page:horizontal {
    background: red;
    border: 1px solid black;
    border-radius: 2px;
}
QSlider::add-page:horizontal {
    background: blue;
    border: 1px solid black;
    border-radius: 2px;
}
)";

// The trim fields hold tenths of a degree in a signed byte; a typed value
// is kept within the same limit on both sides.
constexpr int TrimLimit = 127;
// The arrows step only while the value is inside this band.
constexpr int ArrowLimit = 125;

// Targets are typed with a decimal point whatever the locale; a comma is
// what many pilots type for it, so it becomes one as it is typed. As in a
// spin box, a key that would leave the range is refused: no more digits
// can bring 13 back within +-12.7.
class TargetValidator : public QDoubleValidator
{
public:
    using QDoubleValidator::QDoubleValidator;

    State validate(QString &input, int &pos) const override
    {
        input.replace(QLatin1Char(','), QLatin1Char('.'));
        const State state = QDoubleValidator::validate(input, pos);
        bool isNumber = false;
        const double value = input.toDouble(&isNumber);
        if (state == Intermediate && isNumber && (value > top() || value < bottom()))
            return Invalid;
        return state;
    }
};

// The spin boxes and their fields, in the order of the refresh.
struct SpinField
{
    QSpinBox *Ui::MainSettingPageUi::*box;
    qint8 DeviceParameters::*field;
};
const SpinField spinFields[] = {
    {&Ui::MainSettingPageUi::RollAgilitySpinBox, &DeviceParameters::roll_agility},
    {&Ui::MainSettingPageUi::RollGainSpinBox, &DeviceParameters::phi_ktotal},
    {&Ui::MainSettingPageUi::PitchAgilitySpinBox, &DeviceParameters::pitch_agility},
    {&Ui::MainSettingPageUi::PitchGainSpinBox, &DeviceParameters::theta_ktotal},
    {&Ui::MainSettingPageUi::LeftSpinSpinBox, &DeviceParameters::left_spin},
    {&Ui::MainSettingPageUi::RightSpinSpinBox, &DeviceParameters::right_spin},
    {&Ui::MainSettingPageUi::TailGainSpinBox, &DeviceParameters::r_ktotal},
};

} // namespace

MainSettingPage::MainSettingPage(QWidget *parent, SerialProcessThread *serialLink)
    : ParameterPage(parent, serialLink), ui(new Ui::MainSettingPageUi)
{
    ui->setupUi(this);
    setArrowIcons();
    for (QSlider *slider : findChildren<QSlider *>()) {
        slider->setStyleSheet(sliderStyle);
        new SliderTicks(slider);
    }
    setRanges();
    setUpTargets();
    coupleSpinBoxes();
    connectSlots();
    setInitialValues();
    updating = false;
}

MainSettingPage::~MainSettingPage()
{
    delete ui;
}

void MainSettingPage::setArrowIcons()
{
    ui->TargetUpButton->setIcon(QIcon(QStringLiteral(":/images/arrow/arrow_up.ico")));
    ui->TargetDownButton->setIcon(QIcon(QStringLiteral(":/images/arrow/arrow_down.ico")));
    ui->TargetRightButton->setIcon(QIcon(QStringLiteral(":/images/arrow/arrow_right.ico")));
    ui->TargetLeftButton->setIcon(QIcon(QStringLiteral(":/images/arrow/arrow_left.ico")));
}

void MainSettingPage::setRanges()
{
    ui->RollAgilitySlider->setRange(15, 60);
    ui->RollAgilitySpinBox->setRange(15, 60);
    ui->RollGainSlider->setRange(10, 125);
    ui->RollGainSpinBox->setRange(10, 125);
    ui->PitchAgilitySlider->setRange(15, 60);
    ui->PitchAgilitySpinBox->setRange(15, 60);
    ui->PitchGainSlider->setRange(10, 125);
    ui->PitchGainSpinBox->setRange(10, 125);
    ui->LeftSpinSlider->setRange(15, 100);
    ui->LeftSpinSpinBox->setRange(15, 100);
    ui->RightSpinSlider->setRange(15, 100);
    ui->RightSpinSpinBox->setRange(15, 100);
    ui->TailGainSlider->setRange(10, 125);
    ui->TailGainSpinBox->setRange(10, 125);
}

void MainSettingPage::setUpTargets()
{
    targetValidator = new TargetValidator(-TrimLimit / 10.0, TrimLimit / 10.0, 1, this);
    // The page shows and parses the targets with a decimal point whatever
    // the system locale, so the validator must agree. A comma the pilot types
    // is turned into the point, never taken as a group separator.
    QLocale pointOnly = QLocale::c();
    pointOnly.setNumberOptions(QLocale::RejectGroupSeparator);
    targetValidator->setLocale(pointOnly);
    targetValidator->setNotation(QDoubleValidator::StandardNotation);
    ui->RollTargetLineEdit->setValidator(targetValidator);
    ui->PitchTargetLineEdit->setValidator(targetValidator);
    // Sent when the editing ends, as a spin box does, not on every key.
    ui->RollTargetLineEdit->installEventFilter(this);
    ui->PitchTargetLineEdit->installEventFilter(this);
}

bool MainSettingPage::eventFilter(QObject *watched, QEvent *event)
{
    const bool ends = event->type() == QEvent::FocusOut ||
                      (event->type() == QEvent::KeyPress &&
                       (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return ||
                        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter));
    if (ends && watched == ui->RollTargetLineEdit)
        storeTarget(parameters.flight_trim_phi, ui->RollTargetLineEdit);
    else if (ends && watched == ui->PitchTargetLineEdit)
        storeTarget(parameters.flight_trim_theta, ui->PitchTargetLineEdit);
    return QWidget::eventFilter(watched, event);
}

void MainSettingPage::coupleSpinBoxes()
{
    const QList<QPair<QSlider *, QSpinBox *>> pairs = {
        {ui->RollAgilitySlider, ui->RollAgilitySpinBox},
        {ui->RollGainSlider, ui->RollGainSpinBox},
        {ui->PitchAgilitySlider, ui->PitchAgilitySpinBox},
        {ui->PitchGainSlider, ui->PitchGainSpinBox},
        {ui->LeftSpinSlider, ui->LeftSpinSpinBox},
        {ui->RightSpinSlider, ui->RightSpinSpinBox},
        {ui->TailGainSlider, ui->TailGainSpinBox},
    };
    for (const auto &[slider, spinBox] : pairs) {
        connect(spinBox, &QSpinBox::valueChanged, slider, &QSlider::setValue);
        connect(slider, &QSlider::valueChanged, spinBox, &QSpinBox::setValue);
    }
}

void MainSettingPage::connectSlots()
{
    // Only the sliders store: the spin box reaches the record through its
    // slider, so one change is stored once.
    connect(ui->RollAgilitySlider, &QSlider::valueChanged, this,
            &MainSettingPage::rollAgilityChanged);
    connect(ui->RollGainSlider, &QSlider::valueChanged, this, &MainSettingPage::rollGainChanged);
    connect(ui->PitchAgilitySlider, &QSlider::valueChanged, this,
            &MainSettingPage::pitchAgilityChanged);
    connect(ui->PitchGainSlider, &QSlider::valueChanged, this, &MainSettingPage::pitchGainChanged);
    connect(ui->LeftSpinSlider, &QSlider::valueChanged, this, &MainSettingPage::leftSpinChanged);
    connect(ui->RightSpinSlider, &QSlider::valueChanged, this, &MainSettingPage::rightSpinChanged);
    connect(ui->TailGainSlider, &QSlider::valueChanged, this, &MainSettingPage::tailGainChanged);
    connect(ui->TargetUpButton, &QPushButton::clicked, this,
            &MainSettingPage::pitchTargetPlusClicked);
    connect(ui->TargetDownButton, &QPushButton::clicked, this,
            &MainSettingPage::pitchTargetMinusClicked);
    connect(ui->TargetRightButton, &QPushButton::clicked, this,
            &MainSettingPage::rollTargetPlusClicked);
    connect(ui->TargetLeftButton, &QPushButton::clicked, this,
            &MainSettingPage::rollTargetMinusClicked);
    connect(ui->pushButton3DFlight, &QPushButton::clicked, this,
            &MainSettingPage::flight3dParamClicked);
    connect(ui->pushButtonBeginner, &QPushButton::clicked, this,
            &MainSettingPage::beginnerParamClicked);
    connect(ui->pushButtonResetAll, &QPushButton::clicked, this, &MainSettingPage::resetAllClicked);
}

void MainSettingPage::setInitialValues()
{
    // Each minimum is already the value, so this stores nothing.
    for (QSpinBox *spinBox : findChildren<QSpinBox *>())
        spinBox->setValue(spinBox->minimum());
}

// A number within the trim's range is stored and sent once; whatever else
// stands in the box (nothing, a lone "-") gives way to what the unit holds.
void MainSettingPage::storeTarget(qint8 &field, QLineEdit *edit)
{
    if (updating)
        return;
    bool isNumber = false;
    const double degrees = edit->text().toDouble(&isNumber);
    const int tenths = isNumber ? qRound(qBound(-10000.0, degrees * 10.0, 10000.0)) : 0;
    if (isNumber && tenths >= -TrimLimit && tenths <= TrimLimit && tenths != field) {
        QMutexLocker locker(&mutex);
        field = qint8(tenths);
        link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    }
    updating = true;
    showTarget(edit, field);
    updating = false;
}

void MainSettingPage::stepTarget(qint8 &field, QLineEdit *edit, int step)
{
    // Past the limit only the step back is refused: a trim of 12.6 or one
    // typed as 12.7 can still be brought back with the arrows.
    const int current = field;
    if ((step > 0 && current > ArrowLimit) || (step < 0 && current < -ArrowLimit))
        return;
    {
        QMutexLocker locker(&mutex);
        field = qint8(current + step);
        link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    }
    updating = true;
    showTarget(edit, field);
    updating = false;
}

void MainSettingPage::showTarget(QLineEdit *edit, qint8 tenths)
{
    edit->setText(tr("%1").arg(tenths / 10.0));
}

// The preset is written into a copy first: the pilot sees every field it
// would change, on every page, before one upload sends them.
void MainSettingPage::applyPreset(ParameterTable::Preset preset, const QString &title)
{
    if (!updating) {
        DeviceParameters candidate = parameters;
        ParameterTable::applyPreset(preset, candidate);
        if (ChangePreview::confirm(window(), title, parameters, candidate))
            link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    }
    refreshFromParameters();
}

void MainSettingPage::rollAgilityChanged(int value)
{
    storeField(parameters.roll_agility, value);
}

void MainSettingPage::rollGainChanged(int value)
{
    storeField(parameters.phi_ktotal, value);
}

void MainSettingPage::pitchAgilityChanged(int value)
{
    storeField(parameters.pitch_agility, value);
}

void MainSettingPage::pitchGainChanged(int value)
{
    storeField(parameters.theta_ktotal, value);
}

void MainSettingPage::leftSpinChanged(int value)
{
    storeField(parameters.left_spin, value);
}

void MainSettingPage::rightSpinChanged(int value)
{
    storeField(parameters.right_spin, value);
}

void MainSettingPage::tailGainChanged(int value)
{
    storeField(parameters.r_ktotal, value);
}

void MainSettingPage::pitchTargetPlusClicked()
{
    stepTarget(parameters.flight_trim_theta, ui->PitchTargetLineEdit, +1);
}

void MainSettingPage::pitchTargetMinusClicked()
{
    stepTarget(parameters.flight_trim_theta, ui->PitchTargetLineEdit, -1);
}

void MainSettingPage::rollTargetPlusClicked()
{
    stepTarget(parameters.flight_trim_phi, ui->RollTargetLineEdit, +1);
}

void MainSettingPage::rollTargetMinusClicked()
{
    stepTarget(parameters.flight_trim_phi, ui->RollTargetLineEdit, -1);
}

void MainSettingPage::flight3dParamClicked()
{
    applyPreset(ParameterTable::Preset::Flight3D, ui->pushButton3DFlight->text());
}

void MainSettingPage::beginnerParamClicked()
{
    applyPreset(ParameterTable::Preset::Default, ui->pushButtonBeginner->text());
}

void MainSettingPage::resetAllClicked()
{
    applyPreset(ParameterTable::Preset::ResetAll, ui->pushButtonResetAll->text());
}

void MainSettingPage::updateTrimEnabling()
{
    const quint8 model = link->deviceModel();
    if (model != ModelA1 && model != ModelX1)
        return; // no unit has reported yet: keep what the last one needed
    const bool enabled = model == ModelX1;
    for (QWidget *widget : std::initializer_list<QWidget *>{
             ui->RollTargetLineEdit, ui->PitchTargetLineEdit, ui->TargetUpButton,
             ui->TargetLeftButton, ui->TargetDownButton, ui->TargetRightButton})
        widget->setEnabled(enabled);
}

void MainSettingPage::refreshFromParameters()
{
    updateTrimEnabling();
    const DeviceParameters &p = parameters;
    updating = true;
    // Out-of-range bytes show clamped; the record keeps them until an edit.
    for (const SpinField &f : spinFields)
        (ui->*f.box)->setValue(p.*f.field);
    showTarget(ui->RollTargetLineEdit, p.flight_trim_phi);
    showTarget(ui->PitchTargetLineEdit, p.flight_trim_theta);
    updating = false;
}

void MainSettingPage::describeValues(ValueRanges &ranges) const
{
    for (const SpinField &f : spinFields)
        ranges.allowRange(f.field, (ui->*f.box)->minimum(), (ui->*f.box)->maximum());
    ranges.allowRange(&DeviceParameters::flight_trim_phi, -TrimLimit, TrimLimit);
    ranges.allowRange(&DeviceParameters::flight_trim_theta, -TrimLimit, TrimLimit);
}

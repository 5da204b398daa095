#include "ConfigureSettingPage.h"

#include "ChannelBar.h"
#include "ChannelReadouts.h"

#include "DeviceParameters.h"
#include "LinkFrame.h"
#include "PageStyle.h"
#include "ParameterCaption.h"
#include "Picture.h"
#include "Question.h"
#include "SerialProcessThread.h"
#include "SliderTicks.h"
#include "Telemetry.h"
#include "Traces.h"
#include "ValueRanges.h"
#include "ui_ConfigureSettingPage.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLocale>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr quint8 ModelA1 = 11; // has no flight mode switch
constexpr quint8 ModelX1 = 10;

constexpr int MonitorTab = 2;
constexpr int TrimTab = 6;

constexpr int ChannelRange = 125;

// Telemetry comes with every 20 ms tick; the monitor's bars show it 20 times
// a second, smooth to the eye for a stick's travel at less than half the
// drawing, and its numbers ten times a second, with every second frame of
// the bars: faster, no one reads them. Each frame also costs a round trip to
// the display server, whatever it draws.
constexpr int TelemetryFrameMs = 50;
constexpr int ReadoutFrameMs = 100;

// List entries 5 and 6 carry each other's receiver code, in both directions.
int receiverCodeForIndex(int index)
{
    return ParameterCaption::receiverListIndex(index);
}

// installation value of a mount button, in button order.
int mountValue(int button)
{
    int count = 0;
    return ParameterCaption::mountingCodes(&count)[button];
}

// swashPictures order: mixer, 90, 120, 135, 140.
int swashPictureIndex(int modelType)
{
    switch (modelType) {
    case SwashMixing::MechanicalMixer:
        return 0;
    case SwashMixing::Ccpm90:
        return 1;
    case SwashMixing::Ccpm120:
        return 2;
    case SwashMixing::Ccpm135:
        return 3;
    case SwashMixing::Ccpm140:
        return 4;
    }
    return -1;
}

const char *const ComboBoxStyle =
    "QComboBox { border: 1px solid gray; border-radius: 3px; padding: 1px 18px 1px 3px;"
    " color: black; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    "  stop:0 #E1E1E1, stop:0.4 #DDDDDD, stop:0.5 #D8D8D8, stop:1 #D3D3D3); }"
    "QComboBox:disabled { color: #808080; }"
    "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: top right;"
    " width: 15px; border-left: 1px solid darkgray;"
    " border-top-right-radius: 3px; border-bottom-right-radius: 3px; }"
    "QComboBox::down-arrow { image: url(:/images/1downarrow.png); }"
    "QComboBox QAbstractItemView { color: black; background: white;"
    " selection-background-color: #4a4a4a; selection-color: white; }";

const char *const CaptionStyle =
    "QLabel { color: white; border-radius: 5px;"
    " background: qlineargradient(spread:reflect, x1:0, y1:0, x2:0, y2:0.5,"
    "  stop:0 rgba(74, 74, 74, 255), stop:1 rgba(36, 36, 36, 255)); }";

const char *const ScaleStyle =
    "QLabel { color: black; border: 1px solid gray; border-radius: 3px;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f4f4, stop:1 #d0d0d0); }";

const char *const NoteStyle = "QLabel { color: black; background: transparent; }";

const char *const CheckBoxStyle =
    "QCheckBox { color: black; spacing: 6px; }"
    "QCheckBox::indicator { width: 20px; height: 20px; }"
    "QCheckBox::indicator:unchecked { image: url(://images/checkbox/checkbox_unchecked.png); }"
    "QCheckBox::indicator:checked { image: url(://images/checkbox/checkbox_checked.png); }";

const char *const ButtonStyle =
    "QPushButton { border: 2px solid #004080; border-radius: 5px; color: black;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dadbde); }"
    "QPushButton:pressed { border-color: #ff0000;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #dadbde, stop:1 #ffffff); }";

const char *const HorizontalSliderStyle =
    "QSlider::groove:horizontal { border: 1px solid #999999; height: 4px; margin: 2px 0;"
    " border-radius: 2px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    "  stop:0 #B1B1B1, stop:1 #c4c4c4); }"
    "QSlider::handle:horizontal { width: 18px; margin: -5px 0; border-radius: 3px;"
    " border: 1px solid #5c5c5c;"
    " background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #ffffff, stop:1 #8f8f8f); }"
    "QSlider::sub-page:horizontal { background: red; border: 1px solid black; border-radius: 2px; }"
    "QSlider::add-page:horizontal { background: blue; border: 1px solid black; border-radius: 2px; "
    "}";

const char *const VerticalSliderStyle =
    "QSlider::groove:vertical { background: red; width: 4px; border-radius: 4px; margin: 0 2px; }"
    "QSlider::handle:vertical { height: 10px; margin: 0 -5px; border-radius: 3px;"
    " border: 1px solid #5c5c5c;"
    " background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #ffffff, stop:1 #8f8f8f); }"
    "QSlider::add-page:vertical { background: red; border: 1px solid black; border-radius: 2px; }"
    "QSlider::sub-page:vertical { background: blue; border: 1px solid black; border-radius: 2px; }";

const char *const LineEditStyle =
    "QLineEdit { color: black; background: yellow; border: 2px solid gray; border-radius: 10px;"
    " padding: 0 6px; }";

// Pictures with words in them are drawn per language: the Chinese ones lie
// under zh/ and are shown while the program speaks Chinese. A prefix (the
// mount and swash buttons add their state) works as well as a whole name.
QString picturePath(const QString &path)
{
    if (QLocale().language() == QLocale::Chinese)
        return QStringLiteral(":/images/zh/") + path;
    return QStringLiteral(":/images/") + path;
}

// Mount and swash type buttons: a picture per check state.
QString typeButtonStyle(const QString &unchecked, const QString &checked)
{
    return QStringLiteral("QPushButton { color: white; font: bold 10pt; border: none;"
                          " border-radius: 5px; border-image: url(%1); }"
                          "QPushButton:checked { border-image: url(%2); }")
        .arg(unchecked, checked);
}

} // namespace

// One slider with its spin box and record field; trims first, then travel,
// in the order of the connections and of the refresh.
struct ConfigureSettingPage::ValueRow
{
    QSlider *Ui::ConfigureSettingPageUi::*slider;
    QSpinBox *Ui::ConfigureSettingPageUi::*spinBox;
    int minimum;
    int maximum;
    qint8 DeviceParameters::*field;
    void (ConfigureSettingPage::*slot)(int);
};

const std::array<ConfigureSettingPage::ValueRow, 10> &ConfigureSettingPage::valueRows()
{
    using P = ConfigureSettingPage;
    using U = Ui::ConfigureSettingPageUi;
    using D = DeviceParameters;
    static const std::array<ValueRow, 10> rows = {{
        {&U::SwashServoTuningCH1Slider, &U::SwashServoTuningCH1SpinBox, -125, 125, &D::servo_trim_0,
         &P::swashServoTuningCH1Changed},
        {&U::SwashServoTuningCH2Slider, &U::SwashServoTuningCH2SpinBox, -125, 125, &D::servo_trim_1,
         &P::swashServoTuningCH2Changed},
        {&U::SwashServoTuningCH3Slider, &U::SwashServoTuningCH3SpinBox, -125, 125, &D::servo_trim_2,
         &P::swashServoTuningCH3Changed},
        {&U::TailServoTrimSlider, &U::TailServoTrimSpinBox, -125, 125, &D::servo_trim_3,
         &P::tailServoTrimChanged},
        {&U::AileronLimitSlider, &U::AileronLimitSpinBox, 20, 125, &D::ail_limit,
         &P::aileronLimitChanged},
        {&U::ElevatorLimitSlider, &U::ElevatorLimitSpinBox, 20, 125, &D::ele_limit,
         &P::elevatorLimitChanged},
        {&U::CollectiveCoefSlider, &U::CollectiveCoefSpinBox, -125, 125, &D::coll_ratio,
         &P::collectiveCoefChanged},
        {&U::TailLimitASlider, &U::TailLimitASpinBox, 20, 125, &D::tail_limit_a,
         &P::tailLimitAChanged},
        {&U::TailLimitBSlider, &U::TailLimitBSpinBox, 20, 125, &D::tail_limit_b,
         &P::tailLimitBChanged},
        {&U::CyclicLimitSlider, &U::CyclicLimitSpinBox, 0, 125, &D::cyclic_limit,
         &P::cyclicLimitChanged},
    }};
    return rows;
}

ConfigureSettingPage::ConfigureSettingPage(QWidget *parent, SerialProcessThread *serialLink)
    : ParameterPage(parent, serialLink), ui(new Ui::ConfigureSettingPageUi),
      barFrames(TelemetryFrameMs, [this] { showChannelFrame(); }),
      readoutFrames(ReadoutFrameMs, [this] {
          // With the bars' next frame: one repaint for both.
          readoutsDue = true;
          barFrames.request();
      })
{
    ui->setupUi(this);
    // The tabs fill the page whatever width the window gives it, so the
    // pane's frame shows whole on its right.
    auto *pageLayout = new QVBoxLayout(this);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(ui->tabWidget);

    // The cyclic limit is kept in the record but not offered to the user.
    ui->label_54->hide();
    ui->CyclicLimitSlider->hide();
    ui->CyclicLimitSpinBox->hide();
    ui->labelCalibCyclicLimit->hide();

    applyStyles();
    setArrowIcons();
    makeTypeButtonsExclusive();
    loadPictures();

    // The monitor's bars only show telemetry, which moves them 20 times a second.
    for (QSlider *slider : {ui->AcceleratorSlider, ui->CollectiveSlider, ui->ElevatorSlider,
                            ui->AileronSlider, ui->RudderSlider, ui->GainSlider}) {
        slider->setEnabled(false);
        new ChannelBar(slider);
    }

    setRanges();

    connect(ui->tabWidget, &QTabWidget::currentChanged, this,
            &ConfigureSettingPage::tabIndexChanged);
    connect(ui->EngineTypeComboBox, &QComboBox::currentIndexChanged, this,
            &ConfigureSettingPage::engineTypeCurrentIndexChanged);
    connect(ui->ReceiverComboBox, &QComboBox::currentIndexChanged, this,
            &ConfigureSettingPage::receiverCurrentIndexChanged);
    connect(ui->AuxFunctionComboBox, &QComboBox::currentIndexChanged, this,
            &ConfigureSettingPage::auxFunctionCurrentIndexChanged);
    connect(ui->FlightModeComboBox, &QComboBox::currentIndexChanged, this,
            &ConfigureSettingPage::flightModeCurrentIndexChanged);
    connect(link, &SerialProcessThread::telemetryChanged, this,
            &ConfigureSettingPage::telemetryArrived);
    connectMonitor();
    connectServoSettings();
    connectTrimsAndTravel();

    updating = false;
}

ConfigureSettingPage::~ConfigureSettingPage()
{
    delete ui;
}

void ConfigureSettingPage::applyStyles()
{
    ui->tabWidget->setStyleSheet(PageStyle::tabWidget(PageStyle::Tabs::Plain));
    const QString groupBoxStyle = PageStyle::groupBox(PageStyle::Titles::Rounded);
    for (QGroupBox *box : findChildren<QGroupBox *>())
        box->setStyleSheet(groupBoxStyle);
    for (QComboBox *box : findChildren<QComboBox *>())
        box->setStyleSheet(QLatin1String(ComboBoxStyle));
    for (QCheckBox *box : findChildren<QCheckBox *>())
        box->setStyleSheet(QLatin1String(CheckBoxStyle));
    // The channel read-outs; the edit field inside each spin box keeps the
    // box's plain look and its whole width for the value.
    // They show a signed byte each; the validator states that range.
    auto *channelRange = new QIntValidator(-128, 127, this);
    for (QLineEdit *edit : {ui->AcceleratorLineEdit, ui->CollectiveLineEdit, ui->ElevatorLineEdit,
                            ui->AileronLineEdit, ui->RudderLineEdit, ui->GainLineEdit}) {
        edit->setStyleSheet(QLatin1String(LineEditStyle));
        edit->setValidator(channelRange);
    }
    new ChannelReadouts({ui->AcceleratorLineEdit, ui->CollectiveLineEdit, ui->ElevatorLineEdit,
                         ui->AileronLineEdit, ui->RudderLineEdit, ui->GainLineEdit},
                        this);
    for (QSlider *slider : findChildren<QSlider *>()) {
        slider->setStyleSheet(QLatin1String(
            slider->orientation() == Qt::Horizontal ? HorizontalSliderStyle : VerticalSliderStyle));
        new SliderTicks(slider);
    }
    for (QSpinBox *box : findChildren<QSpinBox *>())
        box->setStyleSheet(QStringLiteral("QSpinBox { color: black; background: white; }"));

    for (QLabel *label :
         {ui->label_3,  ui->label_4,  ui->label_5,  ui->label_6,  ui->label_7,  ui->label_8,
          ui->label_9,  ui->label_10, ui->label_11, ui->label_12, ui->label_13, ui->label_14,
          ui->label_15, ui->label_16, ui->label_17, ui->label_18, ui->label_19, ui->label_20,
          ui->label_21, ui->label_22, ui->label_24, ui->label_25, ui->label_44, ui->label_45,
          ui->label_46, ui->label_47, ui->label_48, ui->label_49, ui->label_50, ui->label_51,
          ui->label_52, ui->label_54})
        label->setStyleSheet(QLatin1String(CaptionStyle));
    for (QLabel *label : {ui->label_41, ui->label_43, ui->label_42, ui->label_26, ui->label_27,
                          ui->label_28, ui->label_31, ui->label_30, ui->label_29, ui->label_34,
                          ui->label_33, ui->label_32, ui->label_37, ui->label_36, ui->label_35,
                          ui->labelAuxChannelLeft, ui->labelAuxChannelRight})
        label->setStyleSheet(QLatin1String(ScaleStyle));
    for (QLabel *label : {ui->label, ui->label_2, ui->label_53, ui->label_38})
        label->setStyleSheet(QLatin1String(NoteStyle));

    for (QPushButton *button : findChildren<QPushButton *>())
        button->setStyleSheet(QLatin1String(ButtonStyle));
    const std::array<QPushButton *, 6> mounts = {ui->Mount1PushButton, ui->Mount2PushButton,
                                                 ui->Mount3PushButton, ui->Mount4PushButton,
                                                 ui->Mount5PushButton, ui->Mount6PushButton};
    for (int i = 0; i < 6; ++i) {
        const QString base = picturePath(QStringLiteral("mount/mount%1_").arg(i + 1));
        mounts[i]->setStyleSheet(typeButtonStyle(base + QLatin1String("unchecked.png"),
                                                 base + QLatin1String("checked.png")));
    }
    const std::array<std::pair<QPushButton *, const char *>, 5> swashes = {{
        {ui->MixerPushButton, "mixer"},
        {ui->CCPM90PushButton, "90ccpm"},
        {ui->CCPM120PushButton, "120ccpm"},
        {ui->CCPM135PushButton, "135ccpm"},
        {ui->CCPM140PushButton, "140ccpm"},
    }};
    for (const auto &[button, name] : swashes) {
        const QString base = picturePath(QStringLiteral("swash/sc_%1_").arg(QLatin1String(name)));
        button->setStyleSheet(typeButtonStyle(base + QLatin1String("uncheck.png"),
                                              base + QLatin1String("check.png")));
    }
}

void ConfigureSettingPage::setArrowIcons()
{
    const std::array<std::pair<QPushButton *, const char *>, 12> arrows = {{
        {ui->CollectiveUp1, "arrow_up"},
        {ui->CyclicUp1, "arrow_up"},
        {ui->CollectiveUp2, "arrow_up2"},
        {ui->CyclicUp2, "arrow_up2"},
        {ui->CollectiveDown1, "arrow_down"},
        {ui->CyclicDown1, "arrow_down"},
        {ui->CollectiveDown2, "arrow_down2"},
        {ui->CyclicDown2, "arrow_down2"},
        {ui->CyclicLeft1, "arrow_left"},
        {ui->CyclicLeft2, "arrow_left2"},
        {ui->CyclicRight1, "arrow_right"},
        {ui->CyclicRight2, "arrow_right2"},
    }};
    for (const auto &[button, name] : arrows) {
        button->setIcon(QIcon(QStringLiteral(":/images/arrow/%1.ico").arg(QLatin1String(name))));
        button->setIconSize(QSize(22, 22));
    }
}

void ConfigureSettingPage::makeTypeButtonsExclusive()
{
    for (QPushButton *button :
         {ui->Mount1PushButton, ui->Mount2PushButton, ui->Mount3PushButton, ui->Mount4PushButton,
          ui->Mount5PushButton, ui->Mount6PushButton, ui->MixerPushButton, ui->CCPM90PushButton,
          ui->CCPM120PushButton, ui->CCPM135PushButton, ui->CCPM140PushButton}) {
        button->setCheckable(true);
        button->setAutoExclusive(true);
    }
}

void ConfigureSettingPage::loadPictures()
{
    const char *const names[] = {"mixer", "90ccpm", "120ccpm", "135ccpm", "140ccpm"};
    for (int i = 0; i < 5; ++i)
        swashPictures[i] = Picture::pixmap(
            picturePath(QStringLiteral("swash/sc_%1_check.png").arg(QLatin1String(names[i]))));
    showPicture(ui->Imagelabel, swashPictures[4]);
    showWiringFor(0);

    const QPixmap red = Picture::pixmap(QStringLiteral(":/images/slider/calib_v_250_r.png"));
    const QPixmap blue = Picture::pixmap(QStringLiteral(":/images/slider/calib_v_250_b.png"));
    for (QLabel *label : {ui->labelCalibTailTrim, ui->labelCalibCollective})
        showPicture(label, red);
    for (QLabel *label :
         {ui->labelCalibAilTravel, ui->labelCalibElevTravel, ui->labelCalibTailLimitA,
          ui->labelCalibTailLimitB, ui->labelCalibCyclicLimit})
        showPicture(label, blue);
    showPicture(ui->labelExample1,
                Picture::pixmap(picturePath(QStringLiteral("transmiter_example_1.png"))));
    showPicture(ui->labelExample2,
                Picture::pixmap(picturePath(QStringLiteral("transmiter_example_2.png"))));
}

void ConfigureSettingPage::setRanges()
{
    for (const ValueRow &row : valueRows()) {
        (ui->*row.slider)->setRange(row.minimum, row.maximum);
        (ui->*row.spinBox)->setRange(row.minimum, row.maximum);
    }
    for (QSlider *slider : {ui->AcceleratorSlider, ui->CollectiveSlider, ui->ElevatorSlider,
                            ui->AileronSlider, ui->RudderSlider, ui->GainSlider})
        slider->setRange(-ChannelRange, ChannelRange);
}

void ConfigureSettingPage::connectMonitor()
{
    connect(ui->SetFailProtectPushButton, &QPushButton::clicked, this,
            &ConfigureSettingPage::setFailProtect);
}

void ConfigureSettingPage::connectServoSettings()
{
    using P = ConfigureSettingPage;
    const std::array<std::pair<QPushButton *, void (P::*)(bool)>, 11> buttons = {{
        {ui->Mount1PushButton, &P::mount1PushButtonClicked},
        {ui->Mount2PushButton, &P::mount2PushButtonClicked},
        {ui->Mount3PushButton, &P::mount3PushButtonClicked},
        {ui->Mount4PushButton, &P::mount4PushButtonClicked},
        {ui->Mount5PushButton, &P::mount5PushButtonClicked},
        {ui->Mount6PushButton, &P::mount6PushButtonClicked},
        {ui->MixerPushButton, &P::mixerPushButtonClicked},
        {ui->CCPM90PushButton, &P::ccpm90PushButtonClicked},
        {ui->CCPM120PushButton, &P::ccpm120PushButtonClicked},
        {ui->CCPM135PushButton, &P::ccpm135PushButtonClicked},
        {ui->CCPM140PushButton, &P::ccpm140PushButtonClicked},
    }};
    for (const auto &[button, slot] : buttons)
        connect(button, &QPushButton::clicked, this, slot);
    connect(ui->SwashServoComboBox, &QComboBox::currentIndexChanged, this,
            &P::swashServoCurrentIndexChanged);
    connect(ui->TailServoComboBox, &QComboBox::currentIndexChanged, this,
            &P::tailServoCurrentIndexChanged);
    connect(ui->SwashServoDirCH1, &QCheckBox::clicked, this, &P::swashServoDirCh1Clicked);
    connect(ui->SwashServoDirCH2, &QCheckBox::clicked, this, &P::swashServoDirCh2Clicked);
    connect(ui->SwashServoDirCH3, &QCheckBox::clicked, this, &P::swashServoDirCh3Clicked);
    connect(ui->TailServoDir, &QCheckBox::clicked, this, &P::tailServoDirClicked);
}

void ConfigureSettingPage::connectTrimsAndTravel()
{
    using P = ConfigureSettingPage;
    auto couple = [this](int first, int last) {
        for (int i = first; i < last; ++i) {
            const ValueRow &row = valueRows()[i];
            connect(ui->*row.slider, &QSlider::valueChanged, ui->*row.spinBox, &QSpinBox::setValue);
        }
        for (int i = first; i < last; ++i) {
            const ValueRow &row = valueRows()[i];
            connect(ui->*row.spinBox, &QSpinBox::valueChanged, ui->*row.slider, &QSlider::setValue);
        }
        for (int i = first; i < last; ++i) {
            const ValueRow &row = valueRows()[i];
            connect(ui->*row.slider, &QSlider::valueChanged, this, row.slot);
        }
    };
    couple(0, 4);
    const std::array<std::pair<QPushButton *, void (P::*)()>, 12> arrows = {{
        {ui->CollectiveUp2, &P::collectiveUp2Clicked},
        {ui->CollectiveUp1, &P::collectiveUp1Clicked},
        {ui->CollectiveDown2, &P::collectiveDown2Clicked},
        {ui->CollectiveDown1, &P::collectiveDown1Clicked},
        {ui->CyclicUp2, &P::cyclicUp2Clicked},
        {ui->CyclicUp1, &P::cyclicUp1Clicked},
        {ui->CyclicRight2, &P::cyclicRight2Clicked},
        {ui->CyclicRight1, &P::cyclicRight1Clicked},
        {ui->CyclicLeft2, &P::cyclicLeft2Clicked},
        {ui->CyclicLeft1, &P::cyclicLeft1Clicked},
        {ui->CyclicDown2, &P::cyclicDown2Clicked},
        {ui->CyclicDown1, &P::cyclicDown1Clicked},
    }};
    for (const auto &[button, slot] : arrows)
        connect(button, &QPushButton::clicked, this, slot);
    connect(ui->ServoTrimSetZeroPushButton, &QPushButton::clicked, this,
            &P::servoTrimSetZeroClicked);
    couple(4, 10);
}

// A checked box means reversed (-1); the trace is written even during a refresh.
void ConfigureSettingPage::storeDirection(qint8 &field, const char *trace, bool reversed)
{
    qCDebug(vrnPages).noquote()
        << QStringLiteral("%1%2").arg(QLatin1String(trace)).arg(reversed ? 1 : 0);
    storeField(field, reversed ? -1 : 1);
}

// ---- Start and Receiver tabs

void ConfigureSettingPage::engineTypeCurrentIndexChanged(int index)
{
    storeField(parameters.motor_type, index);
}

void ConfigureSettingPage::receiverCurrentIndexChanged(int index)
{
    if (updating)
        return;
    showWiringFor(index);
    storeField(parameters.receiver_type, receiverCodeForIndex(index));
}

void ConfigureSettingPage::auxFunctionCurrentIndexChanged(int index)
{
    if (updating)
        return;
    showFlightModeFor(index);
    storeField(parameters.aux_function, index);
}

void ConfigureSettingPage::flightModeCurrentIndexChanged(int index)
{
    storeField(parameters.pcset_mode, index + 1);
}

void ConfigureSettingPage::showFlightModeFor(int auxFunction)
{
    if (auxFunction == 0) {
        ui->FlightModeComboBox->setEnabled(true);
        selectFlightMode(parameters.pcset_mode - 1);
    } else if (auxFunction == 1) {
        ui->FlightModeComboBox->setEnabled(false);
        clearFlightModeSelection();
    } else {
        return;
    }
    setAuxCaptions(auxFunction);
}

void ConfigureSettingPage::clearFlightModeSelection()
{
    selectFlightMode(-1);
}

// Qt 6 reports a change to "no selection" again even when the box had none
// (also for a pcset_mode outside the list); only a real change may store
// pcset_mode and ask for an upload.
void ConfigureSettingPage::selectFlightMode(int index)
{
    QComboBox *box = ui->FlightModeComboBox;
    const int target = index >= 0 && index < box->count() ? index : -1;
    if (box->currentIndex() != target)
        box->setCurrentIndex(target);
}

void ConfigureSettingPage::setAuxCaptions(int auxFunction)
{
    const bool flightMode = auxFunction == 1;
    ui->labelAuxChannelLeft->setText(flightMode ? tr("Aerobatics") : tr("Normal"));
    ui->labelAuxChannelRight->setText(flightMode ? tr("Balance") : tr("AVCS"));
}

void ConfigureSettingPage::showWiringFor(int receiver)
{
    const char *name = receiver == 0 ? "connection" : receiver == 1 ? "futaba" : "dsm";
    showPicture(
        ui->connectionLabel,
        Picture::pixmap(picturePath(QStringLiteral("receiver/%1.png").arg(QLatin1String(name)))));
}

void ConfigureSettingPage::showPicture(QLabel *label, const QPixmap &picture)
{
    label->setPixmap(picture);
    label->setFixedSize(picture.deviceIndependentSize().toSize());
}

// ---- Mount, SwashPlate and Servo tabs

void ConfigureSettingPage::mount1PushButtonClicked(bool)
{
    storeField(parameters.installation, mountValue(0));
}

void ConfigureSettingPage::mount2PushButtonClicked(bool)
{
    storeField(parameters.installation, mountValue(1));
}

void ConfigureSettingPage::mount3PushButtonClicked(bool)
{
    storeField(parameters.installation, mountValue(2));
}

void ConfigureSettingPage::mount4PushButtonClicked(bool)
{
    storeField(parameters.installation, mountValue(3));
}

void ConfigureSettingPage::mount5PushButtonClicked(bool)
{
    storeField(parameters.installation, mountValue(4));
}

void ConfigureSettingPage::mount6PushButtonClicked(bool)
{
    storeField(parameters.installation, mountValue(5));
}

void ConfigureSettingPage::mixerPushButtonClicked(bool)
{
    showPicture(ui->Imagelabel, swashPictures[0]);
    storeField(parameters.model_type, SwashMixing::MechanicalMixer);
}

void ConfigureSettingPage::ccpm90PushButtonClicked(bool)
{
    swashTypeChosen(SwashMixing::Ccpm90);
}

void ConfigureSettingPage::ccpm120PushButtonClicked(bool)
{
    swashTypeChosen(SwashMixing::Ccpm120);
}

void ConfigureSettingPage::ccpm135PushButtonClicked(bool)
{
    swashTypeChosen(SwashMixing::Ccpm135);
}

void ConfigureSettingPage::ccpm140PushButtonClicked(bool)
{
    swashTypeChosen(SwashMixing::Ccpm140);
}

void ConfigureSettingPage::swashTypeChosen(int modelType)
{
    mixing.applyGeometry(modelType);
    mixing.derive(trimsFromRecord(), directionsFromRecord());
    showPicture(ui->Imagelabel, swashPictures[swashPictureIndex(modelType)]);
    storeField(parameters.model_type, modelType);
}

void ConfigureSettingPage::swashServoCurrentIndexChanged(int index)
{
    storeServoType(ui->SwashServoComboBox, parameters.swash_servotype, index);
}

void ConfigureSettingPage::tailServoCurrentIndexChanged(int index)
{
    storeServoType(ui->TailServoComboBox, parameters.tail_servotype, index);
}

// A servo driven at a frame rate or centre pulse it is not made for can
// burn out, so a new type is stored only once the pilot confirms it.
void ConfigureSettingPage::storeServoType(QComboBox *box, qint8 &field, int index)
{
    if (updating || index + 1 == field)
        return;
    const int answer = Question::ask(
        this, tr("Servo type"),
        tr("Change the servo type to \"%1\"?\n\nA servo driven at the wrong frame rate or "
           "centre pulse can be damaged. Check the servo's data sheet first.")
            .arg(box->itemText(index)),
        {tr("Change servo type"), tr("Cancel")});
    if (answer != 0) {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(field - 1);
        return;
    }
    storeField(field, index + 1);
}

void ConfigureSettingPage::swashServoDirCh1Clicked(bool value)
{
    storeDirection(parameters.servo_rev_0, "ch1", value);
}

void ConfigureSettingPage::swashServoDirCh2Clicked(bool value)
{
    storeDirection(parameters.servo_rev_1, "ch2", value);
}

void ConfigureSettingPage::swashServoDirCh3Clicked(bool value)
{
    storeDirection(parameters.servo_rev_2, "ch3", value);
}

void ConfigureSettingPage::tailServoDirClicked(bool value)
{
    storeDirection(parameters.servo_rev_3, "tail", value);
}

// ---- Trim and Travel tabs

void ConfigureSettingPage::swashServoTuningCH1Changed(int value)
{
    storeField(parameters.servo_trim_0, value);
}

void ConfigureSettingPage::swashServoTuningCH2Changed(int value)
{
    storeField(parameters.servo_trim_1, value);
}

void ConfigureSettingPage::swashServoTuningCH3Changed(int value)
{
    storeField(parameters.servo_trim_2, value);
}

void ConfigureSettingPage::tailServoTrimChanged(int value)
{
    storeField(parameters.servo_trim_3, value);
}

void ConfigureSettingPage::aileronLimitChanged(int value)
{
    storeField(parameters.ail_limit, value);
}

void ConfigureSettingPage::elevatorLimitChanged(int value)
{
    storeField(parameters.ele_limit, value);
}

void ConfigureSettingPage::collectiveCoefChanged(int value)
{
    storeField(parameters.coll_ratio, value);
}

void ConfigureSettingPage::tailLimitAChanged(int value)
{
    storeField(parameters.tail_limit_a, value);
}

void ConfigureSettingPage::tailLimitBChanged(int value)
{
    storeField(parameters.tail_limit_b, value);
}

void ConfigureSettingPage::cyclicLimitChanged(int value)
{
    storeField(parameters.cyclic_limit, value);
}

SwashMixing::Servos ConfigureSettingPage::trimsFromRecord() const
{
    const DeviceParameters &p = parameters;
    return {p.servo_trim_0, p.servo_trim_1, p.servo_trim_2};
}

SwashMixing::Servos ConfigureSettingPage::directionsFromRecord() const
{
    const DeviceParameters &p = parameters;
    return {SwashMixing::direction(p.servo_rev_0), SwashMixing::direction(p.servo_rev_1),
            SwashMixing::direction(p.servo_rev_2)};
}

// The pad moves the trims through the sliders: each slider that really
// changes stores its trim and asks for the upload.
void ConfigureSettingPage::arrow(SwashMixing::Axis axis, int delta, bool deriveFirst)
{
    const std::optional<SwashMixing::Servos> trims = mixing.arrow(
        parameters.model_type, axis, delta, deriveFirst, trimsFromRecord(), directionsFromRecord());
    if (!trims)
        return;
    ui->SwashServoTuningCH1Slider->setValue((*trims)[0]);
    ui->SwashServoTuningCH2Slider->setValue((*trims)[1]);
    ui->SwashServoTuningCH3Slider->setValue((*trims)[2]);
}

void ConfigureSettingPage::collectiveUp2Clicked()
{
    arrow(SwashMixing::Axis::Collective, 5, false);
}

void ConfigureSettingPage::collectiveUp1Clicked()
{
    arrow(SwashMixing::Axis::Collective, 1, false);
}

void ConfigureSettingPage::collectiveDown2Clicked()
{
    arrow(SwashMixing::Axis::Collective, -5, false);
}

void ConfigureSettingPage::collectiveDown1Clicked()
{
    arrow(SwashMixing::Axis::Collective, -1, false);
}

void ConfigureSettingPage::cyclicUp2Clicked()
{
    arrow(SwashMixing::Axis::Pitch, 5, true);
}

void ConfigureSettingPage::cyclicUp1Clicked()
{
    arrow(SwashMixing::Axis::Pitch, 1, false);
}

void ConfigureSettingPage::cyclicRight2Clicked()
{
    arrow(SwashMixing::Axis::Roll, 5, true);
}

void ConfigureSettingPage::cyclicRight1Clicked()
{
    arrow(SwashMixing::Axis::Roll, 1, false);
}

void ConfigureSettingPage::cyclicLeft2Clicked()
{
    arrow(SwashMixing::Axis::Roll, -5, false);
}

void ConfigureSettingPage::cyclicLeft1Clicked()
{
    arrow(SwashMixing::Axis::Roll, -1, false);
}

void ConfigureSettingPage::cyclicDown2Clicked()
{
    arrow(SwashMixing::Axis::Pitch, -5, false);
}

void ConfigureSettingPage::cyclicDown1Clicked()
{
    arrow(SwashMixing::Axis::Pitch, -1, false);
}

void ConfigureSettingPage::servoTrimSetZeroClicked()
{
    DeviceParameters &p = parameters;
    p.servo_trim_0 = 0;
    p.servo_trim_1 = 0;
    p.servo_trim_2 = 0;
    ui->SwashServoTuningCH1Slider->setValue(0);
    ui->SwashServoTuningCH2Slider->setValue(0);
    ui->SwashServoTuningCH3Slider->setValue(0);
    mixing.clearState();
}

// ---- Monitor tab

void ConfigureSettingPage::telemetryArrived()
{
    readoutFrames.request();
    barFrames.request();
}

void ConfigureSettingPage::showChannelFrame()
{
    showChannelBars();
    if (readoutsDue) {
        readoutsDue = false;
        showChannelReadouts();
    }
}

void ConfigureSettingPage::updateTelemetryInfo()
{
    barFrames.drawn();
    readoutFrames.drawn();
    readoutsDue = false;
    showChannelBars();
    showChannelReadouts();
}

namespace {

// The six channels in the monitor's order.
std::array<int, 6> channelValues()
{
    const Telemetry &t = telemetry();
    return {t.accelerator, t.collective, t.elevator, t.aileron, t.rudder, t.gain};
}

} // namespace

void ConfigureSettingPage::showChannelBars()
{
    updating = true;
    const std::array<int, 6> values = channelValues();
    const std::array<QSlider *, 6> sliders = {ui->AcceleratorSlider, ui->CollectiveSlider,
                                              ui->ElevatorSlider,    ui->AileronSlider,
                                              ui->RudderSlider,      ui->GainSlider};
    for (int i = 0; i < 6; ++i)
        sliders[i]->setValue(values[i]);
    updating = false;
}

void ConfigureSettingPage::showChannelReadouts()
{
    const std::array<int, 6> values = channelValues();
    const std::array<QLineEdit *, 6> edits = {ui->AcceleratorLineEdit, ui->CollectiveLineEdit,
                                              ui->ElevatorLineEdit,    ui->AileronLineEdit,
                                              ui->RudderLineEdit,      ui->GainLineEdit};
    updating = true;
    for (int i = 0; i < 6; ++i) {
        const QString text = tr("%1").arg(values[i]);
        if (edits[i]->text() != text) // an unchanged read-out need not be repainted
            edits[i]->setText(text);
    }
    updating = false;
}

void ConfigureSettingPage::setFailProtect()
{
    link->setCommand(CMD_SET_FAIL_PROTECT);
}

void ConfigureSettingPage::describeValues(ValueRanges &ranges) const
{
    using D = DeviceParameters;
    for (const ValueRow &row : valueRows())
        ranges.allowRange(row.field, (ui->*row.spinBox)->minimum(), (ui->*row.spinBox)->maximum());
    for (auto field : {&D::servo_rev_0, &D::servo_rev_1, &D::servo_rev_2, &D::servo_rev_3})
        ranges.allowValues(field, {-1, 1});
    ranges.allowRange(&D::motor_type, 0, ui->EngineTypeComboBox->count() - 1);
    QList<int> receivers;
    for (int i = 0; i < ui->ReceiverComboBox->count(); ++i)
        receivers << receiverCodeForIndex(i);
    ranges.allowValues(&D::receiver_type, receivers);
    ranges.allowRange(&D::aux_function, 0, ui->AuxFunctionComboBox->count() - 1);
    // 0: no flight mode, as a VRN-A1 keeps it.
    ranges.allowRange(&D::pcset_mode, 0, ui->FlightModeComboBox->count());
    ranges.allowRange(&D::swash_servotype, 1, ui->SwashServoComboBox->count());
    ranges.allowRange(&D::tail_servotype, 1, ui->TailServoComboBox->count());
    int mounts = 0;
    const int *mountCodes = ParameterCaption::mountingCodes(&mounts);
    ranges.allowValues(&D::installation, QList<int>(mountCodes, mountCodes + mounts));
    ranges.allowRange(&D::model_type, SwashMixing::MechanicalMixer, SwashMixing::Ccpm90);
}

// ---- tabs and refresh

void ConfigureSettingPage::setCurrentTab(int index)
{
    ui->tabWidget->setCurrentIndex(index);
}

void ConfigureSettingPage::tabIndexChanged(int index)
{
    qCDebug(vrnPages).noquote() << QStringLiteral("%1").arg(index);
    if (index == MonitorTab) {
        link->setSubframeHead(DLU_UP_SFID_TELEMETRY_1);
        qCDebug(vrnPages) << "DLU_UP_SFID_TELEMETRY_1";
        link->setCommand(CMD_RUN_PID);
        qCDebug(vrnPages) << "setCommand(CMD_RUN_PID)";
        return;
    }
    link->setSubframeHead(DLU_SFID_IDLE);
    qCDebug(vrnPages) << "set subframe 0";
    if (index == TrimTab) {
        link->setCommand(CMD_CUT_PID);
        qCDebug(vrnPages) << "setCommand(CMD_CUT_PID)";
    } else {
        link->setCommand(CMD_RUN_PID);
        qCDebug(vrnPages) << "setCommand(CMD_RUN_PID)";
    }
}

void ConfigureSettingPage::refreshFromParameters()
{
    updating = true;
    refreshReceiverTab();
    refreshServoTypes();
    refreshMount();
    refreshSwash();
    refreshDirections();
    refreshTrimsAndTravel();
    updating = false;
    applyModelRestrictions();
    applyTabToLink();
}

void ConfigureSettingPage::refreshReceiverTab()
{
    const DeviceParameters &p = parameters;
    ui->EngineTypeComboBox->setCurrentIndex(p.motor_type);
    ui->ReceiverComboBox->setCurrentIndex(receiverCodeForIndex(p.receiver_type));
    showWiringFor(p.receiver_type);
    ui->AuxFunctionComboBox->setCurrentIndex(p.aux_function);
    showFlightModeFor(p.aux_function);
}

void ConfigureSettingPage::refreshServoTypes()
{
    ui->SwashServoComboBox->setCurrentIndex(parameters.swash_servotype - 1);
    ui->TailServoComboBox->setCurrentIndex(parameters.tail_servotype - 1);
}

void ConfigureSettingPage::refreshMount()
{
    const std::array<QPushButton *, 6> mounts = {ui->Mount1PushButton, ui->Mount2PushButton,
                                                 ui->Mount3PushButton, ui->Mount4PushButton,
                                                 ui->Mount5PushButton, ui->Mount6PushButton};
    for (int i = 0; i < 6; ++i) {
        if (parameters.installation == mountValue(i))
            mounts[i]->setChecked(true);
    }
}

void ConfigureSettingPage::refreshSwash()
{
    const int modelType = parameters.model_type;
    const int picture = swashPictureIndex(modelType);
    if (picture >= 0) {
        const std::array<QPushButton *, 5> buttons = {ui->MixerPushButton, ui->CCPM90PushButton,
                                                      ui->CCPM120PushButton, ui->CCPM135PushButton,
                                                      ui->CCPM140PushButton};
        buttons[picture]->setChecked(true);
        showPicture(ui->Imagelabel, swashPictures[picture]);
        mixing.applyGeometry(modelType);
    }
    mixing.derive(trimsFromRecord(), directionsFromRecord());
}

void ConfigureSettingPage::refreshDirections()
{
    const DeviceParameters &p = parameters;
    // The arrow pad uses the same reading of the byte.
    ui->SwashServoDirCH1->setChecked(SwashMixing::direction(p.servo_rev_0) < 0);
    ui->SwashServoDirCH2->setChecked(SwashMixing::direction(p.servo_rev_1) < 0);
    ui->SwashServoDirCH3->setChecked(SwashMixing::direction(p.servo_rev_2) < 0);
    ui->TailServoDir->setChecked(SwashMixing::direction(p.servo_rev_3) < 0);
}

void ConfigureSettingPage::refreshTrimsAndTravel()
{
    for (const ValueRow &row : valueRows())
        (ui->*row.slider)->setValue(parameters.*row.field);
}

void ConfigureSettingPage::applyModelRestrictions()
{
    const quint8 model = link->deviceModel();
    if (model == ModelA1) {
        ui->AuxFunctionComboBox->setEnabled(false);
        ui->FlightModeComboBox->setEnabled(false);
        clearFlightModeSelection();
    } else if (model == ModelX1) {
        ui->AuxFunctionComboBox->setEnabled(true);
        ui->FlightModeComboBox->setEnabled(true);
    }
}

// Telemetry stays requested on the Monitor tab even while another page is
// shown. The control loops are suspended only while the Trim tab is really
// on screen: leaving the Setup page must leave them running.
void ConfigureSettingPage::applyTabToLink()
{
    const int tab = ui->tabWidget->currentIndex();
    if (tab == MonitorTab) {
        link->setSubframeHead(DLU_UP_SFID_TELEMETRY_1);
        qCDebug(vrnPages) << "setSubframeHead(DLU_UP_SFID_TELEMETRY_1)";
    }
    if (tab == TrimTab && !isHidden()) {
        link->setCommand(CMD_CUT_PID);
        qCDebug(vrnPages) << "setCommand(CMD_CUT_PID)";
    } else {
        link->setCommand(CMD_RUN_PID);
        qCDebug(vrnPages) << "setCommand(CMD_RUN_PID)";
    }
}

#include "ConfigureSettingPage.h"

#include "DeviceParameters.h"
#include "LinkFrame.h"
#include "PageStyle.h"
#include "Picture.h"
#include "SerialProcessThread.h"
#include "SliderTicks.h"
#include "Traces.h"
#include "ValueRanges.h"
#include "ui_ConfigureSettingPage.h"

#include <QVBoxLayout>

namespace {

constexpr int MonitorTab = 2;
constexpr int TrimTab = 6;

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

std::optional<std::pair<int, int>> ConfigureSettingPage::valueRange(int offset)
{
    static const DeviceParameters probe{};
    const auto *base = reinterpret_cast<const char *>(&probe);
    for (const ValueRow &row : valueRows()) {
        if (reinterpret_cast<const char *>(&(probe.*row.field)) - base == offset)
            return std::make_pair(row.minimum, row.maximum);
    }
    return std::nullopt;
}

ConfigureSettingPage::ConfigureSettingPage(QWidget *parent, SerialProcessThread *serialLink)
    : ParameterPage(parent, serialLink), ui(new Ui::ConfigureSettingPageUi), receiverTab(*this),
      monitorTab(*this), mountTab(*this), trimTab(*this), travelTab(*this)
{
    ui->setupUi(this);
    // The tabs fill the page whatever width the window gives it, so the
    // pane's frame shows whole on its right.
    auto *pageLayout = new QVBoxLayout(this);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(ui->tabWidget);

    travelTab.hideCyclicLimit();

    applyStyles();
    setArrowIcons();
    makeTypeButtonsExclusive();
    loadPictures();
    monitorTab.prepareBars();
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
            [this] { monitorTab.telemetryArrived(); });
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
    monitorTab.prepareReadouts();
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
    const std::array<QPushButton *, 6> mounts = mountTab.mountButtons();
    for (int i = 0; i < 6; ++i) {
        const QString base = SetupTab::picturePath(QStringLiteral("mount/mount%1_").arg(i + 1));
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
        const QString base =
            SetupTab::picturePath(QStringLiteral("swash/sc_%1_").arg(QLatin1String(name)));
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
    QList<QPushButton *> buttons;
    for (QPushButton *button : mountTab.mountButtons())
        buttons << button;
    for (QPushButton *button : mountTab.swashButtons())
        buttons << button;
    for (QPushButton *button : buttons) {
        button->setCheckable(true);
        button->setAutoExclusive(true);
    }
}

void ConfigureSettingPage::loadPictures()
{
    mountTab.loadPictures();
    receiverTab.showWiringFor(0);
    trimTab.loadPictures();
    travelTab.loadPictures();
    for (const auto &[label, name] : {std::pair{ui->labelExample1, "transmiter_example_1.png"},
                                      std::pair{ui->labelExample2, "transmiter_example_2.png"}})
        SetupTab::showPicture(label, Picture::pixmap(SetupTab::picturePath(QLatin1String(name))));
}

void ConfigureSettingPage::setRanges()
{
    for (const ValueRow &row : valueRows()) {
        (ui->*row.slider)->setRange(row.minimum, row.maximum);
        (ui->*row.spinBox)->setRange(row.minimum, row.maximum);
    }
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

// ---- Start and Receiver tabs

void ConfigureSettingPage::engineTypeCurrentIndexChanged(int index)
{
    receiverTab.engineTypeChosen(index);
}

void ConfigureSettingPage::receiverCurrentIndexChanged(int index)
{
    receiverTab.receiverChosen(index);
}

void ConfigureSettingPage::auxFunctionCurrentIndexChanged(int index)
{
    receiverTab.auxFunctionChosen(index);
}

void ConfigureSettingPage::flightModeCurrentIndexChanged(int index)
{
    receiverTab.flightModeChosen(index);
}

// ---- Monitor tab

void ConfigureSettingPage::updateTelemetryInfo()
{
    monitorTab.showNow();
}

void ConfigureSettingPage::setFailProtect()
{
    monitorTab.setFailProtect();
}

// ---- Mount, SwashPlate and Servo tabs

void ConfigureSettingPage::mount1PushButtonClicked(bool)
{
    mountTab.mountChosen(0);
}

void ConfigureSettingPage::mount2PushButtonClicked(bool)
{
    mountTab.mountChosen(1);
}

void ConfigureSettingPage::mount3PushButtonClicked(bool)
{
    mountTab.mountChosen(2);
}

void ConfigureSettingPage::mount4PushButtonClicked(bool)
{
    mountTab.mountChosen(3);
}

void ConfigureSettingPage::mount5PushButtonClicked(bool)
{
    mountTab.mountChosen(4);
}

void ConfigureSettingPage::mount6PushButtonClicked(bool)
{
    mountTab.mountChosen(5);
}

void ConfigureSettingPage::mixerPushButtonClicked(bool)
{
    mountTab.swashChosen(SwashMixing::MechanicalMixer);
}

void ConfigureSettingPage::ccpm90PushButtonClicked(bool)
{
    mountTab.swashChosen(SwashMixing::Ccpm90);
}

void ConfigureSettingPage::ccpm120PushButtonClicked(bool)
{
    mountTab.swashChosen(SwashMixing::Ccpm120);
}

void ConfigureSettingPage::ccpm135PushButtonClicked(bool)
{
    mountTab.swashChosen(SwashMixing::Ccpm135);
}

void ConfigureSettingPage::ccpm140PushButtonClicked(bool)
{
    mountTab.swashChosen(SwashMixing::Ccpm140);
}

void ConfigureSettingPage::swashServoCurrentIndexChanged(int index)
{
    mountTab.servoTypeChosen(ui->SwashServoComboBox, parameters.swash_servotype, index);
}

void ConfigureSettingPage::tailServoCurrentIndexChanged(int index)
{
    mountTab.servoTypeChosen(ui->TailServoComboBox, parameters.tail_servotype, index);
}

void ConfigureSettingPage::swashServoDirCh1Clicked(bool value)
{
    mountTab.directionChosen(parameters.servo_rev_0, "ch1", value);
}

void ConfigureSettingPage::swashServoDirCh2Clicked(bool value)
{
    mountTab.directionChosen(parameters.servo_rev_1, "ch2", value);
}

void ConfigureSettingPage::swashServoDirCh3Clicked(bool value)
{
    mountTab.directionChosen(parameters.servo_rev_2, "ch3", value);
}

void ConfigureSettingPage::tailServoDirClicked(bool value)
{
    mountTab.directionChosen(parameters.servo_rev_3, "tail", value);
}

// ---- Trim tab

void ConfigureSettingPage::swashServoTuningCH1Changed(int value)
{
    trimTab.trimChanged(0, value);
}

void ConfigureSettingPage::swashServoTuningCH2Changed(int value)
{
    trimTab.trimChanged(1, value);
}

void ConfigureSettingPage::swashServoTuningCH3Changed(int value)
{
    trimTab.trimChanged(2, value);
}

void ConfigureSettingPage::tailServoTrimChanged(int value)
{
    trimTab.trimChanged(3, value);
}

void ConfigureSettingPage::collectiveUp2Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Collective, 5, false);
}

void ConfigureSettingPage::collectiveUp1Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Collective, 1, false);
}

void ConfigureSettingPage::collectiveDown2Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Collective, -5, false);
}

void ConfigureSettingPage::collectiveDown1Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Collective, -1, false);
}

void ConfigureSettingPage::cyclicUp2Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Pitch, 5, true);
}

void ConfigureSettingPage::cyclicUp1Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Pitch, 1, false);
}

void ConfigureSettingPage::cyclicRight2Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Roll, 5, true);
}

void ConfigureSettingPage::cyclicRight1Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Roll, 1, false);
}

void ConfigureSettingPage::cyclicLeft2Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Roll, -5, false);
}

void ConfigureSettingPage::cyclicLeft1Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Roll, -1, false);
}

void ConfigureSettingPage::cyclicDown2Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Pitch, -5, false);
}

void ConfigureSettingPage::cyclicDown1Clicked()
{
    trimTab.arrow(SwashMixing::Axis::Pitch, -1, false);
}

void ConfigureSettingPage::servoTrimSetZeroClicked()
{
    trimTab.setZero();
}

// ---- Travel tab

void ConfigureSettingPage::aileronLimitChanged(int value)
{
    travelTab.limitChanged(parameters.ail_limit, value);
}

void ConfigureSettingPage::elevatorLimitChanged(int value)
{
    travelTab.limitChanged(parameters.ele_limit, value);
}

void ConfigureSettingPage::collectiveCoefChanged(int value)
{
    travelTab.limitChanged(parameters.coll_ratio, value);
}

void ConfigureSettingPage::tailLimitAChanged(int value)
{
    travelTab.limitChanged(parameters.tail_limit_a, value);
}

void ConfigureSettingPage::tailLimitBChanged(int value)
{
    travelTab.limitChanged(parameters.tail_limit_b, value);
}

void ConfigureSettingPage::cyclicLimitChanged(int value)
{
    travelTab.limitChanged(parameters.cyclic_limit, value);
}

// ---- values offered

void ConfigureSettingPage::describeValues(ValueRanges &ranges) const
{
    for (const ValueRow &row : valueRows())
        ranges.allowRange(row.field, (ui->*row.spinBox)->minimum(), (ui->*row.spinBox)->maximum());
    mountTab.describeValues(ranges);
    receiverTab.describeValues(ranges);
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
    receiverTab.refresh();
    mountTab.refresh();
    for (const ValueRow &row : valueRows())
        (ui->*row.slider)->setValue(parameters.*row.field);
    updating = false;
    receiverTab.applyModel(link->deviceModel());
    applyTabToLink();
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

#include "mainWidget.h"

#include "AppSettings.h"
#include "ChangePreview.h"
#include "GuidedSetup.h"
#include "LanguageSettings.h"
#include "LeavingPolicy.h"
#include "Picture.h"
#include "SerialProcessThread.h"
#include "SimulatedPortProvider.h"
#include "StickWindow.h"
#include "Traces.h"
#include "WindowControls.h"
#include "contentWidget.h"
#include "skinWidget.h"
#include "statusWidget.h"
#include "titleWidget.h"
#include "toolWidget.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// The folder of the last .conf file loaded or saved.
const char *const folderKey = "System/folder";

} // namespace

mainWidget::mainWidget(QWidget *parent) : QWidget(parent)
{
    // 2. Where the settings file and the translations are looked for.
    qCDebug(vrnApp).noquote() << QCoreApplication::applicationDirPath();

    // 3. The language chosen at the last run: everything built from here on
    //    shows translated texts.
    language = LanguageSettings::readLanguage();
    LanguageSettings::installTranslator(language);

    // 4. Texts are UTF-8 throughout; there is no codec to choose.

    // 5. One size only: the pages are laid out for it.
    resize(fixedWidth, fixedHeight);
    setFixedSize(fixedWidth, fixedHeight);

    // 6.
    qCDebug(vrnApp) << "mainWidget::mainWidget()-setCodecForTr";

    // 7. We draw our own caption and frame.
    setWindowFlags(Qt::FramelessWindowHint);

    // 8. The skin picked at the last run, if it is still one of ours.
    skinPath = LanguageSettings::readSkin();
    if (!skinWidget::skinPictures().contains(skinPath))
        skinPath = defaultSkinPath;

    // 9.
    titleWidget *titleBar = createTitleBar();

    // 10.
    toolBar = new toolWidget;
    toolBar->setFocus(Qt::OtherFocusReason);
    toolBar->setLastFolder(AppSettings::value(folderKey).toString());
    connect(toolBar, &toolWidget::folderChosen, this,
            [](const QString &folder) { AppSettings::setValue(folderKey, folder); });
    // Connecting when a unit is plugged in stays off once the pilot turned it off.
    toolBar->autoConnectAction->setChecked(
        AppSettings::value(QStringLiteral("Ports/connectWhenPlugged"), true).toBool());
    connect(toolBar->autoConnectAction, &QAction::toggled, this,
            [](bool on) { AppSettings::setValue(QStringLiteral("Ports/connectWhenPlugged"), on); });

    // 11.
    statusBar = new statusWidget;

    // 12. The link to the unit, given the two bars it fills and writes. It
    //     fills the port list and connects to the tool bar itself.
    //     The simulated unit is the application's own port, offered last.
    simulated = std::make_unique<SimulatedPortProvider>();
    link = new SerialProcessThread(toolBar, statusBar, simulated.get());

    // 13.
    qCDebug(vrnApp) << "mainWidget::mainWidget()-SerialProcessThread";

    // 14. The page navigator, which creates the four pages and hands them the link.
    navigator = new contentWidget(this, link);

    // 15.
    qCDebug(vrnApp) << "mainWidget::mainWidget()-contentWidget";

    // 16. Bars and navigator top to bottom, without gaps; the navigator takes
    //     the 470 pixels between the tool bar and the status bar.
    auto *layout = new QVBoxLayout;
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(titleBar);
    layout->addWidget(toolBar);
    layout->addWidget(navigator);
    navigator->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(statusBar);
    setLayout(layout);

    // 17.
    connect(link, &SerialProcessThread::parameterChanged, navigator,
            &contentWidget::updateAllPages);
    connect(toolBar, &toolWidget::configurationLoaded, navigator,
            &contentWidget::configurationLoaded);
    connect(toolBar, &toolWidget::flashWriting, navigator, &contentWidget::flashWriting);
    connect(&link->protocol(), &LinkEngine::editingAllowedChanged, navigator,
            &contentWidget::setEditingAllowed);
    connect(&link->protocol(), &LinkEngine::editingAllowedChanged, toolBar,
            &toolWidget::setLoadingAllowed);
    connect(toolBar, &toolWidget::messageText, statusBar, &statusWidget::showNotice);
    connect(toolBar, &toolWidget::loadStarting, statusBar, &statusWidget::clearNotice);
    connect(statusBar, &statusWidget::notInFlashAsked, toolBar, &toolWidget::showNotInFlash);
    toolBar->setLinkEngine(&link->protocol());
    // Changes not in flash are asked about before the unit is left.
    leaving = new LeavingPolicy(*toolBar, link->protocol(), this);
    connect(leaving, &LeavingPolicy::closeConfirmed, this, &QWidget::close);
    toolBar->setValueRanges(navigator->valueRanges());
    // The unit's history: after the pages have its values, and after flash.
    connect(&link->protocol(), &LinkEngine::downloadCompleted, this,
            [this] { keepHistory(UnitHistory::Kind::Read); });
    connect(&link->protocol(), &LinkEngine::flashWritten, this,
            [this] { keepHistory(UnitHistory::Kind::Flashed); });
    // The simulated unit is named in the title too, so it is never taken
    // for a helicopter's.
    connect(link, &SerialProcessThread::unitChanged, this,
            [this, titleBar](const QString &, bool onSimulatedUnit) {
                const QString note = onSimulatedUnit ? SimulatedPortProvider::name() : QString();
                titleBar->setCaptionNote(note);
                setWindowTitle(note.isEmpty() ? QStringLiteral("VRN Assistant V1.1")
                                              : tr("VRN Assistant V1.1 — %1").arg(note));
            });
    // Values prepared without a unit are offered once its own have arrived;
    // queued, so the question is not asked from inside the link's reply.
    connect(
        &link->protocol(), &LinkEngine::preparedRecordFound, navigator,
        [this](const DeviceParameters &prepared) {
            if (ChangePreview::confirm(this, tr("Values prepared without the unit"),
                                       link->parameters(), prepared))
                navigator->configurationLoaded(); // the pages show them; one upload
        },
        Qt::QueuedConnection);

    // 18. The link runs on this thread's event loop from its construction on:
    //     there is no thread of its own to start.

    // 19.
    qCDebug(vrnApp) << "mainWidget::mainWidget()-serialThread->start";

    connect(toolBar, &toolWidget::guidedSetupRequested, this, &mainWidget::showGuidedSetup);

    // The simulated unit's sticks, from the keyboard; offered beside the
    // port options, where the simulated unit is chosen.
    auto *sticks = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), this);
    connect(sticks, &QShortcut::activated, this, &mainWidget::showStickWindow);
    auto *sticksAction =
        new QAction(tr("Sticks of the simulated unit… (Ctrl+Shift+K)"), toolBar->portComboBox);
    sticksAction->setObjectName(QStringLiteral("sticksAction"));
    toolBar->portComboBox->addAction(sticksAction);
    connect(sticksAction, &QAction::triggered, this, &mainWidget::showStickWindow);

    // Keyboard, wheel and drop-down behaviour of every control, now that the
    // pages exist.
    WindowControls::prepare(this);
}

// The link has no parent; it ends with the window, closing its port, while
// the bars it writes into still exist.
mainWidget::~mainWidget()
{
    stickWindow.reset(); // it steers the simulated unit, which goes below
    delete link;
}

void mainWidget::closeEvent(QCloseEvent *event)
{
    if (!leaving->confirmLeaving(LeavingPolicy::ClosingWindow)) {
        event->ignore();
        return;
    }
    event->accept();
    // Closing the window ends the program, even with the skin chooser open.
    QCoreApplication::quit();
}

// A folder that cannot be written is said once, not on every download; the
// link goes on either way.
void mainWidget::keepHistory(UnitHistory::Kind kind)
{
    UnitHistory &history = toolBar->history();
    const UnitHistory::Outcome outcome =
        history.save(link->parameters(), link->deviceModel(), link->firmwareVersion(), kind);
    if (outcome != UnitHistory::Outcome::Failed) {
        historyFailureShown = false;
        return;
    }
    if (historyFailureShown)
        return;
    historyFailureShown = true;
    // A notice: it must not hide, nor be hidden by, the flash confirmation.
    statusBar->showNotice(tr("The unit's history cannot be kept in %1")
                              .arg(QDir::toNativeSeparators(history.folder())));
}

titleWidget *mainWidget::createTitleBar()
{
    auto *titleBar = new titleWidget;
    connect(titleBar, &titleWidget::showMax, this, &mainWidget::showMax);
    connect(titleBar, &titleWidget::showMin, this, &mainWidget::showMin);
    connect(titleBar, &titleWidget::showSkin, this, &mainWidget::showSkinWidget);
    connect(titleBar, &titleWidget::showMenu, this, &mainWidget::showMenu);
    return titleBar;
}

QPalette mainWidget::applicationPalette()
{
    QPalette palette;
    palette.setBrush(QPalette::WindowText, QBrush(Qt::white));
    return palette;
}

QBitmap mainWidget::windowMask(const QSize &size)
{
    QBitmap mask(size);
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setBrush(Qt::color1);
    painter.setPen(Qt::color1);
    painter.drawRoundedRect(mask.rect(), 5, 5, Qt::AbsoluteSize);
    return mask;
}

QImage mainWidget::renderSkin(const QSize &size, const QImage &skin, qreal ratio)
{
    QImage canvas(size * ratio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QBrush(skin));
    painter.setPen(Qt::black);
    painter.drawRoundedRect(QRect(QPoint(0, 0), size), 5, 5, Qt::AbsoluteSize);
    return canvas;
}

void mainWidget::paintEvent(QPaintEvent *event)
{
    // The channel monitor repaints parts of the window 50 times a second:
    // decode and render the skin only when the skin or the size changed.
    const qreal ratio = devicePixelRatio();
    if (renderedPath != skinPath || rendered.deviceIndependentSize() != QSizeF(size()) ||
        rendered.devicePixelRatio() != ratio) {
        setMask(windowMask(size()));
        rendered = renderSkin(size(), Picture::image(skinPath, ratio), ratio);
        renderedPath = skinPath;
    }
    // The source rectangle is in the picture's own pixels.
    const QRect area = event->rect();
    const QRectF source(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio);
    QPainter painter(this);
    painter.drawImage(QRectF(area), rendered, source);
}

void mainWidget::showMax()
{
    // The size is fixed, so "maximised" only moves the window to the top-left
    // of the free screen area; the second toggle brings it back.
    if (!maximised) {
        savedPos = pos();
        setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        maximised = true;
    } else {
        move(savedPos);
        resize(fixedWidth, fixedHeight);
        maximised = false;
    }
}

void mainWidget::showMin()
{
    showMinimized();
}

void mainWidget::showSkinWidget()
{
    auto *chooser = new skinWidget(skinPath);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    WindowControls::prepare(chooser); // its thumbnails are Tab stops too
    connect(chooser, &skinWidget::changeSkin, this, &mainWidget::setPicName);
    chooser->move(mapToGlobal(QPoint(width() - 501, 30)));
    chooser->show();
}

void mainWidget::showMenu()
{
    auto *menu = new QMenu(this);
    QAction *english = menu->addAction(tr("English"));
    QAction *chinese = menu->addAction(QStringLiteral("简体中文"));
    english->setCheckable(true);
    chinese->setCheckable(true);
    english->setChecked(language == LanguageSettings::English);
    chinese->setChecked(language == LanguageSettings::Chinese);
    connect(english, &QAction::triggered, this, &mainWidget::langChangeToEn);
    connect(chinese, &QAction::triggered, this, &mainWidget::langChangeToZh);
    menu->exec(mapToGlobal(QPoint(708, 30)));
    menu->deleteLater();
}

GuidedSetup *mainWidget::guidedSetup() const
{
    return guide;
}

void mainWidget::showGuidedSetup()
{
    if (guide) {
        guide->raise();
        guide->activateWindow();
        return;
    }
    guide = new GuidedSetup(link->parameters(), link, toolBar->history(), this);
    guide->setAttribute(Qt::WA_DeleteOnClose);
    guide->setLeaveGuard(
        [this] { return leaving->confirmLeaving(LeavingPolicy::EndingGuidedSetup); });
    connect(guide, &GuidedSetup::recordChanged, navigator, &contentWidget::updateAllPages);
    connect(guide, &GuidedSetup::flashWriting, toolBar, &toolWidget::writeFlash);
    connect(guide, &GuidedSetup::sticksRequested, this, &mainWidget::showStickWindow);
    WindowControls::prepare(guide);
    guide->show();
}

// One window for the one simulated unit; asking again brings it up.
void mainWidget::showStickWindow()
{
    if (!stickWindow)
        stickWindow = std::make_unique<StickWindow>(simulated->unit());
    stickWindow->show();
    stickWindow->raise();
    stickWindow->activateWindow();
}

void mainWidget::setPicName(const QString &picturePath)
{
    skinPath = picturePath;
    LanguageSettings::storeSkin(picturePath);
    update();
}

void mainWidget::langChangeToEn()
{
    storeLanguageChoice(LanguageSettings::English);
}

void mainWidget::langChangeToZh()
{
    storeLanguageChoice(LanguageSettings::Chinese);
}

// The notice is said in the language the window shows and in the one chosen,
// so that a pilot who picked the wrong one by mistake still reads it.
void mainWidget::storeLanguageChoice(quint8 chosen)
{
    // A restart would bring back the old language: say so instead.
    if (!LanguageSettings::storeLanguage(QString::number(chosen))) {
        LanguageSettings::showRestartNotice(
            this, tr("Info"),
            tr("The language could not be saved: neither %1 nor %2 can be written.")
                .arg(AppSettings::userFilePath(), AppSettings::programFilePath()));
        return;
    }
    const auto inBoth = [chosen](const char *source) {
        const QString shown = tr(source);
        const QString next = LanguageSettings::translate(chosen, "mainWidget", source);
        return next == shown ? QStringList{shown} : QStringList{shown, next};
    };
    const QStringList title = inBoth(QT_TRANSLATE_NOOP("mainWidget", "Info"));
    const QStringList text =
        inBoth(QT_TRANSLATE_NOOP("mainWidget", "Please restart the application!"));
    LanguageSettings::showRestartNotice(this, title.join(QLatin1String(" / ")),
                                        text.join(QLatin1Char('\n')));
}

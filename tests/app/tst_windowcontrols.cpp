// The whole window as a pilot drives it from the keyboard and the wheel, and
// reads it: every value whole in its box, a visible mark on every Tab stop,
// Tab in reading order, the tab keys of Setup and Advanced, the wheel only in
// the control that has focus, legible drop-down lists. Real window, offscreen.

#include "AppSettings.h"
#include "CataloguesBesideProgram.h"
#include "DeviceParameters.h"
#include "DialogHook.h"
#include "DialogStyle.h"
#include "LanguageSettings.h"
#include "Question.h"
#include "SerialProcessThread.h"
#include "SimulatedPortProvider.h"
#include "SimulatedUnit.h"
#include "WholeWindow.h"
#include "WindowControls.h"
#include "contentWidget.h"
#include "mainWidget.h"
#include "toolWidget.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QDoubleValidator>
#include <QFile>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QSpontaneKeyEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <memory>

namespace {

constexpr int SetupRow = 1;
constexpr int AdvancedRow = 2;

contentWidget *navigatorOf(mainWidget &window)
{
    return window.findChild<contentWidget *>();
}

QTabWidget *tabsOf(mainWidget &window, int row)
{
    return navigatorOf(window)->stack()->widget(row)->findChild<QTabWidget *>("tabWidget");
}

// Brings the page and tab that hold `w` to the front.
void reveal(mainWidget &window, QWidget *w)
{
    contentWidget *navigator = navigatorOf(window);
    for (QWidget *p = w; p && p != &window; p = p->parentWidget()) {
        const int row = navigator->stack()->indexOf(p);
        if (row >= 0)
            navigator->pages()->setCurrentRow(row);
    }
    for (QWidget *p = w; p && p != &window; p = p->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(
                p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr))
            if (tabs->indexOf(p) >= 0)
                tabs->setCurrentIndex(tabs->indexOf(p));
    QCoreApplication::processEvents();
}

// Every page, and every tab of the pages that have tabs, in turn.
template <typename Visit> void forEachView(mainWidget &window, Visit visit)
{
    contentWidget *navigator = navigatorOf(window);
    for (int row = 0; row < navigator->stack()->count(); ++row) {
        navigator->pages()->setCurrentRow(row);
        QTabWidget *tabs = tabsOf(window, row);
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs)
                tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            visit(QStringLiteral("page %1 tab %2").arg(row).arg(tab));
        }
    }
}

// The width the line edit draws text in, as QLineEdit lays it out: its
// contents rectangle less the text margins and two pixels each side.
int textRoom(const QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    return contents.width() - edit->textMargins().left() - edit->textMargins().right() - 4;
}

// The texts a box can be made to show: every value of its range.
QStringList possibleTexts(QWidget *w)
{
    QStringList texts;
    if (auto *box = qobject_cast<QSpinBox *>(w)) {
        for (int v = box->minimum(); v <= box->maximum(); ++v)
            texts << box->prefix() + box->locale().toString(v) + box->suffix();
    } else if (auto *decimal = qobject_cast<QDoubleSpinBox *>(w)) {
        const double step = std::pow(10.0, -decimal->decimals());
        for (double v = decimal->minimum(); v <= decimal->maximum() + step / 2; v += step)
            texts << decimal->prefix() + decimal->locale().toString(v, 'f', decimal->decimals()) +
                         decimal->suffix();
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        if (auto *ints = qobject_cast<const QIntValidator *>(edit->validator())) {
            for (int v = ints->bottom(); v <= ints->top(); ++v)
                texts << QString::number(v);
        } else if (auto *reals = qobject_cast<const QDoubleValidator *>(edit->validator())) {
            for (double v : {reals->bottom(), reals->top()})
                texts << QString::number(v, 'f', reals->decimals());
        } else {
            texts << edit->text();
        }
    }
    return texts;
}

void sendWheel(QWidget *target, int delta)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the mouse: only then does an unhandled wheel go on to the parent.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::sendEvent(target, &wheel);
}

QString valueOf(QWidget *w)
{
    if (auto *box = qobject_cast<QAbstractSpinBox *>(w))
        return box->text();
    if (auto *slider = qobject_cast<QSlider *>(w))
        return QString::number(slider->value());
    if (auto *box = qobject_cast<QComboBox *>(w))
        return QString::number(box->currentIndex());
    return QString();
}

QList<QWidget *> valueControls(mainWidget &window)
{
    QList<QWidget *> controls;
    for (QWidget *w : window.findChildren<QWidget *>())
        if (qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QSlider *>(w) ||
            qobject_cast<QComboBox *>(w))
            controls << w;
    return controls;
}

// Of a group of exclusive buttons Tab stops at one only (the checked one);
// the arrow keys move within the group. Keeps the first of each group.
QList<QWidget *> oneStopPerGroup(const QList<QWidget *> &widgets)
{
    QList<QWidget *> kept;
    QList<QWidget *> groups;
    for (QWidget *w : widgets) {
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        if (button && button->autoExclusive()) {
            if (groups.contains(w->parentWidget()))
                continue;
            groups << w->parentWidget();
        }
        kept << w;
    }
    return kept;
}

QRgb commonestColour(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb commonest = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(commonest))
            commonest = it.key();
    return commonest;
}

QString describe(const QWidget *w)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QLatin1String(w->metaObject()->className()), w->objectName());
}

} // namespace

class WindowControlsTest : public QObject
{
    Q_OBJECT

private:
    WholeWindow whole;
    mainWidget *window = nullptr;

    void openWindow(quint8 language = LanguageSettings::English)
    {
        window = &whole.open(language);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void valuesFitTheirBoxes_data();
    void valuesFitTheirBoxes();
    void tabKeysSwitchTabs_data();
    void tabKeysSwitchTabs();
    void tabKeysOnlyForPageShown();
    void valueControlsTakeFocusOnlyByTabOrClick();
    void wheelChangesOnlyFocusedControl();
    void everyTabStopShowsItsFocus();
    void tabFollowsReadingOrder();
    void highlightedListEntryIsLegible();
    void keysChangeOnlyWhatThePilotChose();
    void noEmptyFramedCaption();
};

void WindowControlsTest::initTestCase()
{
    // The translations, where the program looks for them: beside the executable.
    QVERIFY(CataloguesBesideProgram::install());
    DialogStyle::setApplicationPalette(mainWidget::applicationPalette());
}

void WindowControlsTest::cleanup()
{
    whole.close();
    window = nullptr;
    QFile::remove(AppSettings::programFilePath());
    LanguageSettings::removeTranslator();
}

void WindowControlsTest::cleanupTestCase()
{
    CataloguesBesideProgram::remove();
}

void WindowControlsTest::valuesFitTheirBoxes_data()
{
    QTest::addColumn<int>("language");
    QTest::addRow("English") << int(LanguageSettings::English);
    QTest::addRow("Chinese") << int(LanguageSettings::Chinese);
}

// The widest text each box's range allows, in the box's own font, fits the
// room the box draws text in: no value is ever cut off, whatever the range,
// font or language.
void WindowControlsTest::valuesFitTheirBoxes()
{
    QFETCH(int, language);
    openWindow(quint8(language));

    QStringList faults;
    int checked = 0;
    forEachView(*window, [&](const QString &view) {
        for (QWidget *w : window->findChildren<QWidget *>()) {
            const bool box = qobject_cast<QAbstractSpinBox *>(w) ||
                             (qobject_cast<QLineEdit *>(w) &&
                              !qobject_cast<QAbstractSpinBox *>(w->parentWidget()) &&
                              !qobject_cast<QComboBox *>(w->parentWidget()));
            if (!box || !w->isVisible())
                continue;
            const QLineEdit *edit = qobject_cast<QLineEdit *>(w) ? qobject_cast<QLineEdit *>(w)
                                                                 : w->findChild<QLineEdit *>();
            const int room = textRoom(edit);
            QString widest;
            for (const QString &text : possibleTexts(w))
                if (edit->fontMetrics().horizontalAdvance(text) >
                    edit->fontMetrics().horizontalAdvance(widest))
                    widest = text;
            // QLineEdit scrolls its text once text and cursor need more room.
            const int needed = edit->fontMetrics().horizontalAdvance(widest) + 1;
            ++checked;
            if (needed > room)
                faults << QStringLiteral("%1 on %2: \"%3\" needs %4 px, has %5")
                              .arg(describe(w), view, widest)
                              .arg(needed)
                              .arg(room);
        }
    });
    QVERIFY(checked > 40);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void WindowControlsTest::tabKeysSwitchTabs_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // -1: the last tab

    const int ctrl = Qt::ControlModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    for (const int row : {SetupRow, AdvancedRow}) {
        const QString page = row == SetupRow ? "Setup" : "Advanced";
        QTest::addRow("%s: Ctrl+Tab", qPrintable(page))
            << row << int(Qt::Key_Tab) << ctrl << 0 << 1;
        QTest::addRow("%s: Ctrl+Tab wraps", qPrintable(page))
            << row << int(Qt::Key_Tab) << ctrl << -1 << 0;
        QTest::addRow("%s: Ctrl+Shift+Tab", qPrintable(page))
            << row << int(Qt::Key_Tab) << ctrlShift << 1 << 0;
        // What an X server sends for Shift+Tab.
        QTest::addRow("%s: Ctrl+Shift+Backtab wraps", qPrintable(page))
            << row << int(Qt::Key_Backtab) << ctrlShift << 0 << -1;
        QTest::addRow("%s: Ctrl+PageDown", qPrintable(page))
            << row << int(Qt::Key_PageDown) << ctrl << 1 << 2;
        QTest::addRow("%s: Ctrl+PageUp", qPrintable(page))
            << row << int(Qt::Key_PageUp) << ctrl << 2 << 1;
    }
}

void WindowControlsTest::tabKeysSwitchTabs()
{
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, from);
    QFETCH(int, to);
    openWindow();

    navigatorOf(*window)->pages()->setCurrentRow(row);
    QTabWidget *tabs = tabsOf(*window, row);
    const int last = tabs->count() - 1;
    tabs->setCurrentIndex(from < 0 ? last : from);
    // From inside the page, as the pilot would be after editing a value.
    QWidget *inside = tabs->currentWidget()->findChild<QAbstractSpinBox *>();
    if (!inside)
        inside = tabs->tabBar();
    inside->setFocus(Qt::TabFocusReason);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(tabs->currentIndex(), to < 0 ? last : to);
    QWidget *focus = QApplication::focusWidget();
    QVERIFY2(focus && focus->isVisible(), "the keyboard focus is somewhere hidden");
}

void WindowControlsTest::tabKeysOnlyForPageShown()
{
    openWindow();
    QTabWidget *setup = tabsOf(*window, SetupRow);
    QTabWidget *advanced = tabsOf(*window, AdvancedRow);
    navigatorOf(*window)->pages()->setCurrentRow(0);
    navigatorOf(*window)->pages()->setFocus();
    const int setupBefore = setup->currentIndex();
    const int advancedBefore = advanced->currentIndex();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(setup->currentIndex(), setupBefore);
    QCOMPARE(advanced->currentIndex(), advancedBefore);

    navigatorOf(*window)->pages()->setCurrentRow(AdvancedRow);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(setup->currentIndex(), setupBefore);
    QCOMPARE(advanced->currentIndex(), (advancedBefore + 1) % advanced->count());
}

// A control that took focus from the wheel would take the next wheel turn as
// an edit.
void WindowControlsTest::valueControlsTakeFocusOnlyByTabOrClick()
{
    openWindow();
    QStringList faults;
    for (QWidget *w : valueControls(*window))
        if (w->focusPolicy() != Qt::StrongFocus && w->focusPolicy() != Qt::NoFocus)
            faults << describe(w);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// Every value control in the window: the wheel over it does nothing while
// another control has focus, and steps it once it has focus.
void WindowControlsTest::wheelChangesOnlyFocusedControl()
{
    openWindow();
    // A risky change (a servo type) asks first; the pilot declines.
    DialogHook::onQuestion([](QMessageBox &box) { return int(box.buttons().size()) - 1; });
    const auto noHook = qScopeGuard([] { DialogHook::onQuestion({}); });
    QStringList faults;
    int stepped = 0;
    for (QWidget *w : valueControls(*window)) {
        if (!w->isEnabled() || w->isHidden())
            continue;
        reveal(*window, w);
        if (!w->isVisible())
            continue;
        navigatorOf(*window)->pages()->setFocus(Qt::TabFocusReason);
        QWidget *under = w;
        const QString before = valueOf(w);
        sendWheel(under, 120);
        sendWheel(under, -240);
        if (valueOf(w) != before)
            faults << describe(w) + " changed without focus";

        w->setFocus(Qt::TabFocusReason);
        sendWheel(under, 120);
        if (valueOf(w) == before)
            sendWheel(under, -120); // it stood at its top
        stepped += valueOf(w) != before;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QVERIFY2(stepped > 40, qPrintable(QString::number(stepped)));
}

// Tab through the whole window on every page and tab: each stop is visible
// and looks different while it has focus.
void WindowControlsTest::everyTabStopShowsItsFocus()
{
    openWindow();
    QStringList faults;
    forEachView(*window, [&](const QString &view) {
        QWidget *start = navigatorOf(*window)->pages();
        start->setFocus(Qt::TabFocusReason);
        QList<QWidget *> seen;
        for (int step = 0; step < 300; ++step) {
            QWidget *stop = QApplication::focusWidget();
            if (!stop || seen.contains(stop))
                break;
            seen << stop;
            if (!stop->isVisible() || stop->width() < 4 || stop->height() < 4) {
                faults << describe(stop) + " on " + view + " is a stop that cannot be seen";
                QTest::keyClick(stop, Qt::Key_Tab);
                continue;
            }
            // The stop itself, or the control it belongs to, and a margin round it.
            QWidget *control =
                stop->parentWidget() && qobject_cast<QAbstractSpinBox *>(stop->parentWidget())
                    ? stop->parentWidget()
                    : stop;
            const QRect area =
                QRect(control->mapTo(window, QPoint(0, 0)), control->size()).adjusted(-3, -3, 3, 3);
            const QImage focused = window->grab(area).toImage();
            QTest::keyClick(stop, Qt::Key_Tab);
            if (QApplication::focusWidget() == stop)
                break;
            const QImage unfocused = window->grab(area).toImage();
            if (focused == unfocused)
                faults << describe(control) + " on " + view + " shows no focus mark";
        }
        if (seen.size() < 5)
            faults << view + QStringLiteral(": Tab stopped after %1 stops").arg(seen.size());
    });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// Within one group, Tab goes to the right along a row, or down; from one group
// to the next likewise, or up into a column further right.
void WindowControlsTest::tabFollowsReadingOrder()
{
    openWindow();
    QStringList faults;
    forEachView(*window, [&](const QString &view) {
        QList<QWidget *> stops;
        for (QWidget *w : WindowControls::readingOrder(window))
            if (w->isVisible() && w->isEnabled() &&
                navigatorOf(*window)->stack()->currentWidget()->isAncestorOf(w))
                stops << w;
        stops = oneStopPerGroup(stops);
        // The order Tab really takes.
        QList<QWidget *> chain;
        if (!stops.isEmpty()) {
            stops.first()->setFocus(Qt::TabFocusReason);
            for (int i = 0; i < stops.size(); ++i) {
                QWidget *focus = QApplication::focusWidget();
                while (focus && !stops.contains(focus))
                    focus = focus->parentWidget();
                if (!focus || chain.contains(focus))
                    break;
                chain << focus;
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
        }
        if (chain != stops) {
            QStringList names;
            for (QWidget *w : chain)
                names << w->objectName();
            QStringList expected;
            for (QWidget *w : stops)
                expected << w->objectName();
            faults << view + ": Tab goes " + names.join(", ") + " instead of " +
                          expected.join(", ");
        }
        QWidget *page = navigatorOf(*window)->stack()->currentWidget();
        const auto groupOf = [page](QWidget *w) {
            for (QWidget *p = w->parentWidget(); p && p != page; p = p->parentWidget())
                if (qobject_cast<QGroupBox *>(p))
                    return p;
            return w;
        };
        for (int i = 1; i < chain.size(); ++i) {
            QWidget *a =
                groupOf(chain[i - 1]) == groupOf(chain[i]) ? chain[i - 1] : groupOf(chain[i - 1]);
            QWidget *b = groupOf(chain[i - 1]) == groupOf(chain[i]) ? chain[i] : groupOf(chain[i]);
            if (a == b || a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            const QRect ra(a->mapTo(page, QPoint(0, 0)), a->size());
            const QRect rb(b->mapTo(page, QPoint(0, 0)), b->size());
            const bool sameRow = rb.top() <= ra.bottom() && ra.top() <= rb.bottom();
            const bool backwards = sameRow ? rb.center().x() < ra.center().x()
                                           : rb.bottom() < ra.top() && rb.left() <= ra.right();
            if (backwards)
                faults << QStringLiteral("%1: Tab goes back from %2 to %3")
                              .arg(view, describe(chain[i - 1]), describe(chain[i]));
        }
    });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// Each drop-down opened with its second entry highlighted: the text of the
// highlighted entry stands out from its bar.
void WindowControlsTest::highlightedListEntryIsLegible()
{
    openWindow();
    int checked = 0;
    for (QComboBox *box : window->findChildren<QComboBox *>()) {
        if (box->count() < 2)
            continue;
        reveal(*window, box);
        box->showPopup();
        QAbstractItemView *view = box->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex entry = view->model()->index(1, box->modelColumn());
        view->setCurrentIndex(entry);
        view->selectionModel()->select(entry, QItemSelectionModel::ClearAndSelect);
        QCoreApplication::processEvents();
        const QImage highlighted = view->viewport()->grab(view->visualRect(entry)).toImage();
        const QImage plain =
            view->viewport()
                ->grab(view->visualRect(view->model()->index(0, box->modelColumn())))
                .toImage();
        box->hidePopup();

        // The bar is the commonest colour of the entry; the text is what
        // differs from it most.
        const QRgb bar = commonestColour(highlighted);
        int contrast = 0;
        for (int y = 0; y < highlighted.height(); ++y)
            for (int x = 0; x < highlighted.width(); ++x)
                contrast = qMax(contrast, qAbs(qGray(highlighted.pixel(x, y)) - qGray(bar)));
        QVERIFY2(
            contrast > 128,
            qPrintable(
                describe(box) +
                QStringLiteral(": text differs from its bar by %1 grey levels").arg(contrast)));
        const int barStandsOut = qAbs(qGray(bar) - qGray(commonestColour(plain)));
        QVERIFY2(
            barStandsOut > 64,
            qPrintable(describe(box) +
                       QStringLiteral(": the bar differs from the other entries by %1 grey levels")
                           .arg(barStandsOut)));
        ++checked;
    }
    QVERIFY(checked >= 6);
}

// Connected to a unit, the pilot tabs through the whole window: tool bar,
// port list, Connect, navigator, then every control of the page and tab
// shown; Ctrl+Tab to each tab and Tab goes into it. At every stop that is not
// a value box every arrow and page key is pressed: focus stays in the stop's
// own group, and neither the record, the unit's record, the page nor the tab
// shown changes.
void WindowControlsTest::keysChangeOnlyWhatThePilotChose()
{
    openWindow();
    SerialProcessThread *link = window->serialLink();
    link->tickTimer()->stop();
    link->refreshTimer()->stop();
    window->simulatedPort().unit().setLatencyMs(0);
    QSignalSpy downloaded(&link->protocol(), &LinkEngine::downloadCompleted);
    toolWidget *bar = window->toolBarWidget();
    bar->portComboBox->setCurrentText(SimulatedPortProvider::name());
    QTest::keyClick(bar->findChild<QPushButton *>("connectButton"), Qt::Key_Space);
    for (int i = 0; i < 400 && downloaded.isEmpty(); ++i) {
        link->time();
        QCoreApplication::processEvents();
    }
    QVERIFY(!downloaded.isEmpty());
    // A risky change (a servo type) would ask first; nothing may get that far.
    int asked = 0;
    DialogHook::onQuestion(
        [&asked](QMessageBox &box) { return ++asked, int(box.buttons().size()) - 1; });
    const auto noHook = qScopeGuard([] { DialogHook::onQuestion({}); });

    contentWidget *navigator = navigatorOf(*window);
    DeviceParameters &parameters = window->serialLink()->parameters();
    const QByteArray record =
        QByteArray(reinterpret_cast<const char *>(&parameters), sizeof(DeviceParameters));
    const auto recordNow = [&parameters] {
        return QByteArray(reinterpret_cast<const char *>(&parameters), sizeof(DeviceParameters));
    };
    const auto isValueBox = [](QWidget *w) {
        for (QWidget *p = w; p; p = p->parentWidget())
            if (qobject_cast<QAbstractSpinBox *>(p) || qobject_cast<QSlider *>(p) ||
                qobject_cast<QComboBox *>(p))
                return true;
        return false;
    };
    const auto groupOf = [](QWidget *w) {
        for (QWidget *p = w->parentWidget(); p; p = p->parentWidget())
            if (qobject_cast<QGroupBox *>(p))
                return p;
        return w->parentWidget();
    };
    const Qt::Key keys[] = {Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,
                            Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown};

    QStringList faults;
    QSet<QString> reached;
    int pressed = 0;
    // Walks the Tab chain from `first` once round; returns the stops met.
    const auto walk = [&](QWidget *first, const QString &view) {
        const int row = navigator->pages()->currentRow();
        QTabWidget *tabs = tabsOf(*window, row);
        const int tab = tabs ? tabs->currentIndex() : -1;
        QList<QWidget *> stops;
        for (QWidget *stop = first; stop && !stops.contains(stop) && stops.size() < 400;
             stop = QApplication::focusWidget()) {
            stops << stop;
            reached << stop->objectName();
            if (!isValueBox(stop) && !qobject_cast<QTabBar *>(stop) && stop != navigator->pages()) {
                for (Qt::Key key : keys) {
                    stop->setFocus(Qt::TabFocusReason);
                    QTest::keyClick(stop, key);
                    ++pressed;
                    QWidget *now = QApplication::focusWidget();
                    if (now)
                        reached << now->objectName(); // within a group of exclusive buttons
                    const QString where =
                        QStringLiteral("%1 on %2, key %3")
                            .arg(describe(stop), view, QKeySequence(key).toString());
                    if (now && now != stop && (isValueBox(now) || groupOf(now) != groupOf(stop)))
                        faults << where + ": focus went to " + describe(now);
                    if (recordNow() != record)
                        faults << where + ": the record changed";
                    if (navigator->pages()->currentRow() != row)
                        faults << where + ": the page changed";
                    if (tabs && tabs->currentIndex() != tab)
                        faults << where + ": the tab changed";
                    parameters = *reinterpret_cast<const DeviceParameters *>(record.constData());
                    navigator->pages()->setCurrentRow(row);
                    if (tabs)
                        tabs->setCurrentIndex(tab);
                }
                // Along a group of exclusive buttons to its end: each is reached, none chosen.
                for (int k = 0; k < 8 && qobject_cast<QAbstractButton *>(stop); ++k) {
                    QTest::keyClick(QApplication::focusWidget(),
                                    k < 4 ? Qt::Key_Right : Qt::Key_Down);
                    reached << QApplication::focusWidget()->objectName();
                    if (recordNow() != record)
                        faults << describe(QApplication::focusWidget()) + " on " + view +
                                      ": chosen by an arrow";
                }
                stop->setFocus(Qt::TabFocusReason);
            }
            QTest::keyClick(stop, Qt::Key_Tab);
        }
        return stops;
    };

    for (int row = 0; row < navigator->stack()->count(); ++row) {
        navigator->pages()->setCurrentRow(row);
        QTabWidget *tabs = tabsOf(*window, row);
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            const QString view = QStringLiteral("page %1 tab %2").arg(row).arg(tab);
            QWidget *first = bar->findChild<QWidget *>("loadButton");
            if (tabs) {
                // Ctrl+Tab from the tab before, then Tab goes into the tab.
                tabs->setCurrentIndex((tab + tabs->count() - 1) % tabs->count());
                tabs->tabBar()->setFocus(Qt::TabFocusReason);
                QTest::keyClick(tabs->tabBar(), Qt::Key_Tab, Qt::ControlModifier);
                QCOMPARE(tabs->currentIndex(), tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                if (!tabs->currentWidget()->isAncestorOf(QApplication::focusWidget()))
                    faults << view + ": Tab after Ctrl+Tab went to " +
                                  describe(QApplication::focusWidget());
            }
            first->setFocus(Qt::TabFocusReason);
            const QList<QWidget *> stops = walk(first, view);
            QStringList names;
            for (QWidget *w : stops)
                names << w->objectName();
            // One chain: the tool bar, the port, Connect, the navigator, then the page.
            // (The port list is locked, and no stop, while connected.)
            QStringList head = {"loadButton",    "saveButton",   "writeFlashButton",
                                "historyButton", "portComboBox", "connectButton"};
            if (!bar->portComboBox->isEnabled())
                head.removeOne("portComboBox");
            if (names.mid(0, head.size()) != head || !stops.contains(navigator->pages()))
                faults << view + ": the chain starts " + names.mid(0, 8).join(", ");
            QWidget *page = navigator->stack()->currentWidget();
            if (row < 3 && std::none_of(stops.cbegin(), stops.cend(),
                                        [page](QWidget *w) { return page->isAncestorOf(w); }))
                faults << view + ": no stop on the page";
        }
    }
    for (const char *name :
         {"Mount1PushButton", "Mount2PushButton", "Mount3PushButton", "Mount4PushButton",
          "Mount5PushButton", "Mount6PushButton", "MixerPushButton", "CCPM90PushButton",
          "CCPM120PushButton", "CCPM135PushButton", "CCPM140PushButton"})
        if (!reached.contains(QLatin1String(name)))
            faults << QStringLiteral("%1 is never reached by Tab").arg(QLatin1String(name));
    QCOMPARE(asked, 0);
    // Space or Enter chooses a picture; the unit gets it.
    QList<QPushButton *> unchosen;
    for (const char *name :
         {"Mount1PushButton", "Mount2PushButton", "Mount3PushButton", "Mount4PushButton"})
        if (auto *mount = window->findChild<QPushButton *>(name); !mount->isChecked())
            unchosen << mount;
    QVERIFY(unchosen.size() >= 2);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        QPushButton *mount = unchosen.takeFirst();
        reveal(*window, mount);
        mount->setFocus(Qt::TabFocusReason);
        QTest::keyClick(mount, key);
        QVERIFY2(mount->isChecked(), qPrintable(mount->objectName() + " not chosen by " +
                                                QKeySequence(key).toString()));
        QVERIFY(recordNow() != record);
        parameters = *reinterpret_cast<const DeviceParameters *>(record.constData());
    }
    QVERIFY2(faults.isEmpty(),
             qPrintable(
                 QStringLiteral("%1 faults in %2 key presses:\n").arg(faults.size()).arg(pressed) +
                 faults.mid(0, 80).join('\n')));
    QVERIFY(pressed > 300);
}

// A framed caption without a word reads as a button that does nothing.
void WindowControlsTest::noEmptyFramedCaption()
{
    openWindow();
    QStringList faults;
    forEachView(*window, [&](const QString &view) {
        for (QLabel *label : window->findChildren<QLabel *>()) {
            const bool framed = label->styleSheet().contains(QLatin1String("border")) ||
                                label->frameShape() != QFrame::NoFrame;
            if (label->isVisible() && framed && label->text().trimmed().isEmpty() &&
                label->pixmap().isNull() && !label->movie())
                faults << describe(label) + " on " + view;
        }
    });
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

QTEST_MAIN(WindowControlsTest)
#include "tst_windowcontrols.moc"

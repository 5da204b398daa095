#include "WindowControls.h"

#include "toolButton.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace WindowControls {

namespace {

// Swallows the wheel over a value control that does not have focus: a pilot
// scrolling over a page must not change, and upload, the value under the
// pointer.
class WheelGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        auto *control = static_cast<QWidget *>(watched);
        if (control->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

void sortReadingOrder(QList<QWidget *> &widgets);

// Keys on a button: Space or Enter presses it; arrows and page keys never
// walk out of it (Qt's default walks them into the next value box, where the
// next arrow changes a parameter). In a group of exclusive buttons (mount,
// swash type) the arrows move the keyboard to the neighbour without choosing
// it.
class ButtonKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *button = static_cast<QAbstractButton *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!key->isAutoRepeat())
                button->click();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Left:
            moveWithinGroup(button, -1);
            return true;
        case Qt::Key_Down:
        case Qt::Key_Right:
            moveWithinGroup(button, 1);
            return true;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
        }
    }

private:
    static void moveWithinGroup(QAbstractButton *button, int step)
    {
        if (!button->autoExclusive() || !button->parentWidget())
            return;
        QList<QWidget *> group;
        for (QAbstractButton *b :
             button->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly))
            if (b->autoExclusive() && b->isVisible() && b->isEnabled())
                group << b;
        sortReadingOrder(group);
        const qsizetype next = group.indexOf(button) + step;
        if (next >= 0 && next < group.size())
            group[next]->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
};

bool isValueControl(const QWidget *w)
{
    return qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractSlider *>(w) ||
           qobject_cast<const QComboBox *>(w);
}

// A control a pilot tabs to. The line edit inside a spin box or an editable
// drop-down belongs to it and is not a stop of its own.
bool isControl(const QWidget *w)
{
    const bool kind =
        isValueControl(w) || qobject_cast<const QAbstractButton *>(w) ||
        qobject_cast<const toolButton *>(w) || qobject_cast<const QAbstractItemView *>(w) ||
        qobject_cast<const QTabBar *>(w) ||
        (qobject_cast<const QLineEdit *>(w) && !static_cast<const QLineEdit *>(w)->isReadOnly() &&
         !qobject_cast<const QAbstractSpinBox *>(w->parentWidget()) &&
         !qobject_cast<const QComboBox *>(w->parentWidget()));
    return kind && (w->focusPolicy() & Qt::TabFocus);
}

// Rows first: a widget belongs to the row of the first widget above it whose
// height holds its vertical centre; rows left to right.
void sortReadingOrder(QList<QWidget *> &widgets)
{
    std::stable_sort(widgets.begin(), widgets.end(), [](const QWidget *a, const QWidget *b) {
        return a->geometry().top() < b->geometry().top();
    });
    QList<QWidget *> sorted;
    while (!widgets.isEmpty()) {
        const QRect first = widgets.first()->geometry();
        QList<QWidget *> row = {widgets.takeFirst()};
        for (auto it = widgets.begin(); it != widgets.end();) {
            const int centre = (*it)->geometry().center().y();
            if (centre >= first.top() && centre <= first.bottom()) {
                row.append(*it);
                it = widgets.erase(it);
            } else {
                ++it;
            }
        }
        std::stable_sort(row.begin(), row.end(), [](const QWidget *a, const QWidget *b) {
            return a->geometry().left() < b->geometry().left();
        });
        sorted += row;
    }
    widgets = sorted;
}

void collect(QWidget *container, QList<QWidget *> &out)
{
    if (auto *tabs = qobject_cast<QTabWidget *>(container)) {
        if (isControl(tabs->tabBar()))
            out.append(tabs->tabBar());
        for (int i = 0; i < tabs->count(); ++i)
            collect(tabs->widget(i), out);
        return;
    }
    if (auto *stack = qobject_cast<QStackedWidget *>(container)) {
        for (int i = 0; i < stack->count(); ++i)
            collect(stack->widget(i), out);
        return;
    }
    if (isControl(container)) {
        out.append(container);
        return;
    }
    QList<QWidget *> children = container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    children.erase(std::remove_if(children.begin(), children.end(),
                                  [](const QWidget *w) { return w->isWindow(); }),
                   children.end());
    sortReadingOrder(children);
    for (QWidget *child : children)
        collect(child, out);
}

// Lays out every widget that has a layout, top down, so that the positions the
// reading order comes from are the ones the pilot will see.
void activateLayouts(QWidget *root)
{
    if (root->layout())
        root->layout()->activate();
    for (QWidget *w : root->findChildren<QWidget *>())
        if (w->layout())
            w->layout()->activate();
}

void appendStyle(QWidget *w, const QString &rules)
{
    w->setStyleSheet(w->styleSheet() + QLatin1Char('\n') + rules);
}

// The highlighted entry of a drop-down is drawn by the item view's own rules
// only with a styled delegate; the default one paints it in the box's text
// colour on the selection bar.
void makeListReadable(QComboBox *box)
{
    box->setItemDelegate(new QStyledItemDelegate(box));
    appendStyle(box,
                QStringLiteral(
                    "QComboBox QAbstractItemView { color: black; background: white; outline: 0; }"
                    "QComboBox QAbstractItemView::item { min-height: 20px; padding: 0 4px; }"
                    "QComboBox QAbstractItemView::item:selected { color: white;"
                    " background: #4a4a4a; }"));
}

void addTabSwitchKeys(QTabWidget *tabs)
{
    const auto step = [tabs](int delta) {
        const int count = tabs->count();
        if (count < 2)
            return;
        int index = tabs->currentIndex();
        for (int tried = 0; tried < count; ++tried) {
            index = (index + delta + count) % count;
            if (tabs->isTabEnabled(index))
                break;
        }
        tabs->setCurrentIndex(index);
        // The control that had focus may now be hidden: keep the keyboard on
        // the tab bar, which shows where it is.
        QWidget *focus = tabs->window()->focusWidget();
        if (!focus || !focus->isVisible() || tabs->currentWidget()->isAncestorOf(focus) == false)
            tabs->tabBar()->setFocus(Qt::TabFocusReason);
    };
    const struct
    {
        QKeySequence keys;
        int delta;
    } bindings[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    // Parented to the tab widget, so only the tabs of the page shown respond.
    for (const auto &b : bindings)
        new QShortcut(b.keys, tabs, [step, delta = b.delta] { step(delta); });
}

} // namespace

QString focusMarkRules(const QWidget *control)
{
    const QString c = QLatin1String(FocusColour);
    if (qobject_cast<const QAbstractSpinBox *>(control))
        return QStringLiteral("QAbstractSpinBox:focus { background: #FFD089; }");
    if (qobject_cast<const QSlider *>(control))
        return QStringLiteral("QSlider::handle:horizontal:focus, QSlider::handle:vertical:focus"
                              " { background: %1; border: 1px solid #6a3000; }")
            .arg(c);
    if (qobject_cast<const QComboBox *>(control))
        return QStringLiteral("QComboBox:focus { border: 1px solid %1; background: #FFD089; }")
            .arg(c);
    if (qobject_cast<const QLineEdit *>(control))
        return QStringLiteral("QLineEdit:focus { border: 2px solid %1; }").arg(c);
    if (qobject_cast<const QCheckBox *>(control) || qobject_cast<const QRadioButton *>(control))
        return QStringLiteral(
                   "%1:focus { background: rgba(255, 140, 0, 120); border-radius: 3px; }")
            .arg(QLatin1String(control->metaObject()->className()));
    if (qobject_cast<const QPushButton *>(control))
        return QStringLiteral("QPushButton:focus { border: 2px solid %1; border-radius: 5px; }")
            .arg(c);
    if (qobject_cast<const QAbstractItemView *>(control))
        return QStringLiteral("QAbstractItemView:focus { border: 2px solid %1; }").arg(c);
    if (qobject_cast<const QTabBar *>(control))
        return QStringLiteral("QTabBar::tab:selected:focus { border-color: %1; }").arg(c);
    return QString();
}

QList<QWidget *> readingOrder(QWidget *root)
{
    QList<QWidget *> out;
    collect(root, out);
    return out;
}

void prepare(QWidget *window)
{
    // A tab widget hands its focus to its tab bar, and as a stop of its own
    // it would take Tab from the last control of a tab back to the bar: the
    // bar alone is the stop.
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        tabs->setFocusProxy(nullptr);
        tabs->setFocusPolicy(Qt::NoFocus);
        tabs->tabBar()->setFocusPolicy(Qt::TabFocus);
    }
    activateLayouts(window);
    const QList<QWidget *> controls = readingOrder(window);
    for (int i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);

    // Read-outs are for looking at, not stops on the way through a page.
    for (QLineEdit *edit : window->findChildren<QLineEdit *>())
        if (edit->isReadOnly())
            edit->setFocusPolicy(Qt::NoFocus);

    auto *guard = new WheelGuard(window);
    auto *buttonKeys = new ButtonKeys(window);
    for (QWidget *control : controls) {
        if (qobject_cast<QAbstractButton *>(control))
            control->installEventFilter(buttonKeys);
        if (isValueControl(control)) {
            control->setFocusPolicy(Qt::StrongFocus);
            control->installEventFilter(guard);
        }
        if (auto *box = qobject_cast<QComboBox *>(control))
            makeListReadable(box);
        const QString rules = focusMarkRules(control);
        if (!rules.isEmpty())
            appendStyle(control, rules);
    }
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>())
        addTabSwitchKeys(tabs);
}

} // namespace WindowControls

#include "DialogStyle.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

namespace {

const char *const Sheet = R"(
QDialog {
    color: black;
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #E0E0E0, stop: 1 #FFFFFF);
}
QDialog QLabel, QDialog QCheckBox {
    color: black;
}
QLabel#dialogHeader {
    color: white;
    font-weight: bold;
    padding: 6px;
    border-radius: 5px;
    background: qlineargradient(spread: reflect, x1: 0, y1: 0, x2: 0, y2: 0.5,
        stop: 0 rgba(74, 74, 74, 255), stop: 1 rgba(36, 36, 36, 255));
}
QTreeWidget {
    color: black;
    background: white;
    alternate-background-color: #F2F4F7;
    border: 2px solid gray;
    border-radius: 5px;
}
QTreeWidget::item:selected {
    color: white;
    background: #004080;
}
QHeaderView::section {
    color: white;
    padding: 3px;
    border: none;
    background: qlineargradient(spread: reflect, x1: 0, y1: 0, x2: 0, y2: 0.5,
        stop: 0 rgba(74, 74, 74, 255), stop: 1 rgba(36, 36, 36, 255));
}
QPushButton {
    border: 2px solid #004080;
    border-radius: 6px;
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #111111, stop: 1 #5a5a5a);
    min-width: 80px;
    min-height: 24px;
    padding: 0 8px;
    color: white;
}
QPushButton:focus, QPushButton:default {
    border-color: #ff8c00;
}
QPushButton:pressed {
    border-color: #ff0000;
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #5a5a5a, stop: 1 #111111);
}
QPushButton:disabled {
    color: #b0b0b0;
}
)";

// Gives each dialog the kept palette while it is polished, before it is
// first drawn; its children inherit it.
class DialogPalette : public QObject
{
public:
    explicit DialogPalette(const QPalette &desktop, QObject *parent)
        : QObject(parent), palette(desktop)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish) {
            auto *dialog = qobject_cast<QDialog *>(watched);
            if (dialog && !dialog->testAttribute(Qt::WA_SetPalette))
                dialog->setPalette(palette);
        }
        return false;
    }

private:
    QPalette palette;
};

DialogPalette *watcher = nullptr;

// Every role set explicitly: a palette that sets nothing is replaced by the
// application's when it is given to a widget.
QPalette everyRoleSet(const QPalette &palette)
{
    QPalette explicitPalette = palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            explicitPalette.setBrush(g, r, palette.brush(g, r));
        }
    return explicitPalette;
}

} // namespace

QString DialogStyle::sheet()
{
    return QLatin1String(Sheet);
}

void DialogStyle::setApplicationPalette(const QPalette &mainWindowPalette)
{
    if (!watcher) {
        watcher = new DialogPalette(everyRoleSet(QApplication::palette()), qApp);
        qApp->installEventFilter(watcher);
    }
    QApplication::setPalette(mainWindowPalette);
}

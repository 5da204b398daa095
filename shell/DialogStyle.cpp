#include "DialogStyle.h"

namespace {

const char *const Sheet = R"(
QDialog {
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #E0E0E0, stop: 1 #FFFFFF);
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
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #111111, stop: 1 #dadbde);
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
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #dadbde, stop: 1 #111111);
}
)";


} // namespace

QString DialogStyle::sheet()
{
    return QLatin1String(Sheet);
}

#include "titleWidget.h"

#include "myPushButton.h"
#include "sysButton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QWindow>

namespace {

const char *const titleLabelStyle = R"(
QLabel {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #E0E0E0, stop: 1 #FFFFFF);
    border: 1px solid gray;
    border-radius: 5px;
    color: rgb(15, 15, 15);
}
)";

} // namespace

titleWidget::titleWidget(QWidget *parent) : QWidget(parent)
{
    pressPos = QPoint(0, 0);

    titleLabel = new QLabel(tr("VRN Flybarless Gyro System Assistant"));
    titleLabel->setObjectName("titleLabel");
    titleLabel->setStyleSheet(titleLabelStyle);
    titleLabel->setFixedHeight(22);

    createButtons();
    layOut();
    dragging = false;
}

void titleWidget::createButtons()
{
    skinButton = new myPushButton("SkinButton.png", tr("Skin"));
    skinButton->setObjectName("skinButton");
    menuButton = new sysButton("title_bar_menu.png", tr("Language"));
    menuButton->setObjectName("menuButton");
    minButton = new sysButton("sys_button_min.png", tr("Min"));
    minButton->setObjectName("minButton");
    closeButton = new sysButton("sys_button_close.png", tr("Close"));
    closeButton->setObjectName("closeButton");

    connect(skinButton, &QPushButton::clicked, this, &titleWidget::showSkin);
    connect(menuButton, &QPushButton::clicked, this, &titleWidget::showMenu);
    connect(minButton, &QPushButton::clicked, this, &titleWidget::showMin);
    // Through the window's close, which asks about changes not in flash.
    connect(closeButton, &QPushButton::clicked, this, [this] { window()->close(); });
}

void titleWidget::layOut()
{
    auto *layout = new QHBoxLayout;
    titleLabel->setContentsMargins(5, 0, 0, 0);
    layout->addWidget(titleLabel, 0, Qt::AlignVCenter);
    layout->addStretch();
    // The Skin button sits left of the Language button so that the skin
    // chooser can be reached.
    skinButton->setContentsMargins(0, 0, 5, 0);
    layout->addWidget(skinButton);
    layout->addWidget(menuButton);
    layout->addWidget(minButton);
    layout->addWidget(closeButton);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    setLayout(layout);
    setFixedHeight(25);
}

bool titleWidget::inDragArea(const QPoint &position) const
{
    return position.x() + buttonBandWidth <= width() - 1;
}

void titleWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    if (inDragArea(position)) {
        pressPos = position;
        dragging = true;
        moveBySelf = false;
    }
}

void titleWidget::mouseReleaseEvent(QMouseEvent *)
{
    dragging = false;
}

void titleWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (inDragArea(event->position().toPoint()))
        emit showMax();
}

void titleWidget::mouseMoveEvent(QMouseEvent *event)
{
    // The window we sit in is looked up on every move, so a title bar that is
    // reparented, or outlives an earlier window, never moves a stale one.
    QWidget *window = parentWidget();
    if (!window || !dragging || !(event->buttons() & Qt::LeftButton))
        return;
    // A Wayland window cannot place itself: ask the window system to take the
    // drag. Once it has, it follows the pointer until the button is released.
    if (!moveBySelf) {
        QWindow *handle = window->windowHandle();
        if (handle && handle->startSystemMove()) {
            dragging = false;
            return;
        }
        moveBySelf = true;
    }
    window->move(window->pos() + (event->position().toPoint() - pressPos));
}

void titleWidget::setCaptionNote(const QString &note)
{
    const QString caption = tr("VRN Flybarless Gyro System Assistant");
    titleLabel->setText(note.isEmpty() ? caption : tr("%1 — %2").arg(caption, note));
}

#include "statusWidget.h"

#include "DialogStyle.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

statusWidget::statusWidget(QWidget *parent) : QWidget(parent)
{
    messageLabel = new QLabel(tr("--------------"));
    messageLabel->setObjectName("messageLabel");
    messageLabel->setContentsMargins(5, 0, 0, 0);
    detailsLabel = new QLabel(QStringLiteral("<a href=\"#details\" style=\"color: #9fd3ff;\">%1</a>")
                                  .arg(tr("Details").toHtmlEscaped()));
    detailsLabel->setObjectName("detailsLabel");
    detailsLabel->setContentsMargins(8, 0, 0, 0);
    detailsLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    detailsLabel->hide();
    connect(detailsLabel, &QLabel::linkActivated, this, &statusWidget::showDetails);
    flashLabel = new QLabel(tr("Not written to flash"));
    flashLabel->setObjectName("flashLabel");
    flashLabel->setStyleSheet("QLabel { color: #FFB020; font-weight: bold; }");
    flashLabel->setContentsMargins(0, 0, 20, 0);
    flashLabel->hide();
    unitLabel = new QLabel;
    unitLabel->setObjectName("unitLabel");
    unitLabel->setContentsMargins(0, 0, 20, 0);
    stateLabel = new QLabel(tr("Unconnected"));
    stateLabel->setObjectName("stateLabel");
    stateLabel->setContentsMargins(0, 0, 20, 0);

    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(messageLabel);
    layout->addWidget(detailsLabel);
    layout->addStretch();
    layout->addWidget(flashLabel);
    layout->addWidget(unitLabel);
    layout->addWidget(stateLabel);
    setLayout(layout);
    setFixedHeight(25);
}

void statusWidget::setStateText(const QString &text)
{
    stateLabel->setText(text);
}

void statusWidget::setMessageText(const QString &text)
{
    if (noticeShown) {
        heldMessage = text;
        messageHeld = true;
        return;
    }
    messageLabel->setText(text);
}

QString statusWidget::messageText() const
{
    return messageLabel->text();
}

void statusWidget::showNotice(const QString &text)
{
    showNoticeWithDetails(text, QString());
}

void statusWidget::showNoticeWithDetails(const QString &text, const QString &details)
{
    noticeDetails = details;
    detailsLabel->setVisible(!details.isEmpty());
    messageLabel->setText(text);
    messageHeld = false;
    if (!noticeShown && qApp)
        qApp->installEventFilter(this);
    noticeShown = true;
}

// The press that ends a notice is not consumed: it still does what the
// pilot meant it for.
bool statusWidget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // The press that opens the details keeps the notice they explain.
        // It reaches the window before the link: look where it is.
        const QPoint at = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        if (!detailsLabel->isVisible() || !detailsLabel->rect().contains(detailsLabel->mapFromGlobal(at)))
            releaseNotice();
        break;
    }
    case QEvent::KeyPress:
        releaseNotice();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void statusWidget::releaseNotice()
{
    if (!noticeShown)
        return;
    noticeShown = false;
    qApp->removeEventFilter(this);
    detailsLabel->hide();
    if (messageHeld)
        messageLabel->setText(heldMessage);
    messageHeld = false;
}

void statusWidget::setChangesNotInFlash(bool notInFlash)
{
    flashLabel->setVisible(notInFlash);
}

void statusWidget::setUnitText(const QString &text)
{
    unitLabel->setText(text);
}

void statusWidget::showDetails()
{
    // Not modal to the pilot's work: the window stays usable beside it, and
    // the commands in it can be selected and copied.
    auto *box = new QMessageBox(QMessageBox::Information, tr("Details"), noticeDetails,
                                QMessageBox::NoButton, window());
    box->setObjectName("noticeDetailsBox");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The application palette writes white for the skin; this box is pale.
    box->setStyleSheet(DialogStyle::sheet() + QLatin1String("QLabel { color: black; }"));
    QPushButton *close = box->addButton(tr("Close"), QMessageBox::RejectRole);
    box->setEscapeButton(close);
    box->setDefaultButton(close);
    box->open();
}

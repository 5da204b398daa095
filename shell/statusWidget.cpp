#include "statusWidget.h"

#include "DialogStyle.h"
#include "Question.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {

// Keeps its whole text (text() and the tool tip) but paints one line, cut
// with an ellipsis where the band is too narrow, so a long message never
// runs under the labels to its right.
class ElidingLabel : public QLabel
{
public:
    using QLabel::QLabel;

    bool isElided() const
    {
        return fontMetrics().horizontalAdvance(oneLine()) > contentsRect().width();
    }
    QSize minimumSizeHint() const override { return QSize(0, QLabel::minimumSizeHint().height()); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect area = contentsRect();
        const QString shown = fontMetrics().elidedText(oneLine(), Qt::ElideRight, area.width());
        style()->drawItemText(&painter, area, int(Qt::AlignLeft | Qt::AlignVCenter), palette(),
                              isEnabled(), shown, foregroundRole());
    }
    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        updateTip();
    }

public:
    void updateTip() { setToolTip(isElided() ? text() : QString()); }

private:
    QString oneLine() const { return text().simplified(); }
};

QString separator()
{
    return QStringLiteral(" · ");
}

ElidingLabel *eliding(QLabel *label)
{
    return static_cast<ElidingLabel *>(label);
}

} // namespace

statusWidget::statusWidget(QWidget *parent) : QWidget(parent)
{
    messageLabel = new ElidingLabel(tr("--------------"));
    messageLabel->setObjectName("messageLabel");
    messageLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    messageLabel->setContentsMargins(5, 0, 0, 0);
    detailsLabel =
        new QLabel(QStringLiteral("<a href=\"#details\" style=\"color: #9fd3ff;\">%1</a>")
                       .arg(tr("Details").toHtmlEscaped()));
    detailsLabel->setObjectName("detailsLabel");
    detailsLabel->setContentsMargins(8, 0, 0, 0);
    detailsLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                          Qt::LinksAccessibleByKeyboard);
    detailsLabel->hide();
    connect(detailsLabel, &QLabel::linkActivated, this, &statusWidget::showDetails);
    // A link: clicked, it shows what a power cycle would lose.
    flashLabel = new QLabel(
        QStringLiteral("<a href=\"#flash\" style=\"color: #FFB020; text-decoration: none;\">%1</a>")
            .arg(tr("Not written to flash").toHtmlEscaped()));
    flashLabel->setObjectName("flashLabel");
    flashLabel->setStyleSheet("QLabel { color: #FFB020; font-weight: bold; }");
    flashLabel->setToolTip(tr("Click to see the changes a power cycle would lose"));
    flashLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(flashLabel, &QLabel::linkActivated, this, &statusWidget::notInFlashAsked);
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
    layout->addWidget(messageLabel, 1);
    layout->addWidget(detailsLabel);
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

void statusWidget::showText(const QString &text)
{
    messageLabel->setText(text);
    eliding(messageLabel)->updateTip();
}

void statusWidget::setMessageText(const QString &text)
{
    if (noticeShown) {
        heldMessage = text;
        messageHeld = true;
        return;
    }
    showText(text);
}

QString statusWidget::messageText() const
{
    return messageLabel->text();
}

// Notices that come before the pilot has acted are all kept: the outcome
// of a write to flash and a failure to keep its history are both read.
void statusWidget::showNotice(const QString &text)
{
    showNoticeWithDetails(text, QString());
}

// A notice that brings details keeps them until the notices are released.
void statusWidget::showNoticeWithDetails(const QString &text, const QString &details)
{
    if (!details.isEmpty() || !noticeShown) {
        noticeDetails = details;
        detailsLabel->setVisible(!details.isEmpty());
    }
    if (noticeShown && !messageLabel->text().split(separator()).contains(text))
        showText(messageLabel->text() + separator() + text);
    else if (!noticeShown || messageLabel->text() != text)
        showText(text);
    if (!noticeShown && qApp)
        qApp->installEventFilter(this);
    noticeShown = true;
}

void statusWidget::clearNotice()
{
    if (!noticeShown)
        return;
    const bool progressWaits = messageHeld;
    releaseNotice();
    if (!progressWaits)
        showText(QString());
}

// The press that ends a notice is not consumed: it still does what the
// pilot meant it for. A click on a cut message shows it whole first.
bool statusWidget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (watched == messageLabel && eliding(messageLabel)->isElided()) {
            showWhole(messageLabel->text());
            return true;
        }
        // The press that opens the details keeps the notice they explain.
        // It reaches the window before the link: look where it is.
        const QPoint at = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        if (!detailsLabel->isVisible() ||
            !detailsLabel->rect().contains(detailsLabel->mapFromGlobal(at)))
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

void statusWidget::mousePressEvent(QMouseEvent *event)
{
    if (childAt(event->position().toPoint()) == messageLabel && eliding(messageLabel)->isElided())
        showWhole(messageLabel->text());
    QWidget::mousePressEvent(event);
}

void statusWidget::showWhole(const QString &text)
{
    // Asked after the click is done: the question runs its own event loop.
    QTimer::singleShot(0, this,
                       [this, text] { Question::ask(this, tr("Message"), text, {tr("Close")}); });
}

void statusWidget::releaseNotice()
{
    if (!noticeShown)
        return;
    noticeShown = false;
    qApp->removeEventFilter(this);
    detailsLabel->hide();
    if (messageHeld)
        showText(heldMessage);
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

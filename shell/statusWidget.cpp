#include "statusWidget.h"

#include <QHBoxLayout>
#include <QLabel>

statusWidget::statusWidget(QWidget *parent) : QWidget(parent)
{
    messageLabel = new QLabel(tr("--------------"));
    messageLabel->setObjectName("messageLabel");
    messageLabel->setContentsMargins(5, 0, 0, 0);
    flashLabel = new QLabel(tr("Not written to flash"));
    flashLabel->setObjectName("flashLabel");
    flashLabel->setStyleSheet("QLabel { color: #FFB020; font-weight: bold; }");
    flashLabel->setContentsMargins(0, 0, 20, 0);
    flashLabel->hide();
    stateLabel = new QLabel(tr("Unconnected"));
    stateLabel->setObjectName("stateLabel");
    stateLabel->setContentsMargins(0, 0, 20, 0);

    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(messageLabel);
    layout->addStretch();
    layout->addWidget(flashLabel);
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
    messageLabel->setText(text);
}

void statusWidget::setChangesNotInFlash(bool notInFlash)
{
    flashLabel->setVisible(notInFlash);
}

#pragma once

#include <QWidget>

class QLabel;

// The bottom band: activity messages on the left, the connection state on the
// right, and between them a warning while the unit holds changes not yet
// written to flash. Only the link writes to it.
class statusWidget : public QWidget
{
    Q_OBJECT

public:
    explicit statusWidget(QWidget *parent = nullptr);

    void setStateText(const QString &text);
    void setMessageText(const QString &text);
    // The unit holds changes that a power cycle would lose.
    void setChangesNotInFlash(bool notInFlash);

private:
    QLabel *messageLabel;
    QLabel *stateLabel;
    QLabel *flashLabel;
};

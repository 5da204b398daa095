#pragma once

#include <QWidget>

class QLabel;

// The bottom band: activity messages on the left, the connection state on the
// right. Only the link writes to it.
class statusWidget : public QWidget
{
    Q_OBJECT

public:
    explicit statusWidget(QWidget *parent = nullptr);

    void setStateText(const QString &text);
    void setMessageText(const QString &text);

private:
    QLabel *messageLabel;
    QLabel *stateLabel;
};

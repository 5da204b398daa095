#pragma once

#include <QWidget>

class QLabel;

// The bottom band: activity messages on the left, the connection state on the
// right, and between them a warning while the unit holds changes not yet
// written to flash. The link writes its progress into it; the shell shows
// notices the pilot must read, which progress messages do not overwrite.
class statusWidget : public QWidget
{
    Q_OBJECT

public:
    explicit statusWidget(QWidget *parent = nullptr);

    void setStateText(const QString &text);
    // Which unit answers ("VRN-X1 · firmware 1.2"); empty while none does.
    void setUnitText(const QString &text);
    // Progress text; while a notice shows it waits behind it, and the latest
    // one appears once the pilot has acted.
    void setMessageText(const QString &text);
    // A message the pilot must read (a file refused or partly loaded, a
    // command not confirmed): it stays until the pilot's next click or key
    // press anywhere in the program.
    // Notices given before the pilot acts are shown together. A message too
    // long for the band is cut, whole in its tool tip and on a click.
    void showNotice(const QString &text);
    // A notice with the whole explanation behind a "Details" link beside it
    // (why a port did not open, and the one command that fixes it).
    void showNoticeWithDetails(const QString &text, const QString &details);
    // A new file is read: the notices about the last one go.
    void clearNotice();
    bool isNoticeShown() const { return noticeShown; }
    QString messageText() const;
    // The unit holds changes that a power cycle would lose.
    void setChangesNotInFlash(bool notInFlash);

signals:
    // "Not written to flash" was clicked (or activated by keyboard): the
    // pilot asks which changes those are.
    void notInFlashAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void releaseNotice();
    void showDetails();
    void showText(const QString &text);
    void showWhole(const QString &text);

    bool noticeShown = false;
    bool messageHeld = false;
    QString heldMessage;
    QString noticeDetails;
    QLabel *messageLabel;
    QLabel *detailsLabel;
    QLabel *stateLabel;
    QLabel *unitLabel;
    QLabel *flashLabel;
};

#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;
class myPushButton;
class sysButton;

// The window's own caption bar: drag it to move the frameless window, double
// click it to toggle the maximised placement; its buttons sit at the right.
class titleWidget : public QWidget
{
    Q_OBJECT

public:
    explicit titleWidget(QWidget *parent = nullptr);

    // Width of the band at the right end, where the buttons sit, that never
    // starts a drag or a maximise toggle.
    static const int buttonBandWidth = 170;

    // Words after the caption, such as which unit is connected; empty: the
    // caption alone.
    void setCaptionNote(const QString &note);

signals:
    void showMin();
    void showMax();
    void showSkin();
    void showMenu();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPoint pressPos;
    bool dragging = false;
    // The window system refused to move the window in this drag: move it ourselves.
    bool moveBySelf = false;
    myPushButton *skinButton;
    sysButton *menuButton;
    sysButton *minButton;
    sysButton *closeButton;
    QLabel *titleLabel;

    bool inDragArea(const QPoint &position) const;
    void createButtons();
    void layOut();
};

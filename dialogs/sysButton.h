#pragma once

#include <QImage>
#include <QPixmap>
#include <QPushButton>

// A flat title-bar button drawn from a strip of four frames: normal, mouse
// over, pressed, and a spare one that is never shown.
class sysButton : public QPushButton
{
    Q_OBJECT

public:
    enum State
    {
        Normal = 0,
        MouseOver = 1,
        Pressed = 2
    };

    sysButton(const QString &pictureName, const QString &toolTip, QWidget *parent = nullptr);

    int state() const { return buttonState; }

    // Frame `index` of a four-frame strip.
    static QPixmap frame(const QPixmap &strip, int index);
    // What the button shows in its current state, at its current size.
    QImage render() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap strip;
    int buttonState = Normal;

    void setState(int state);
};

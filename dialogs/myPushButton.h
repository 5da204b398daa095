#pragma once

#include <QPixmap>
#include <QPushButton>

// A flat picture button drawn from a strip of three frames (normal, mouse
// over, pressed), shown as its icon. The title bar's Skin button.
class myPushButton : public QPushButton
{
    Q_OBJECT

public:
    myPushButton(const QString &pictureName, const QString &toolTip, QWidget *parent = nullptr);

    int shownFrame() const { return currentFrame; }

    // Frame `index` of a three-frame strip.
    static QPixmap frame(const QPixmap &strip, int index);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap strip;
    int currentFrame = 0;

    void showFrame(int index);
};

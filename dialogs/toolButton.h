#pragma once

#include <QBitmap>
#include <QWidget>

class QLabel;

// A picture with a caption under it that lights up while hovered and pressed.
// The tool bar uses four of them; the skin shows through while idle. Tab
// reaches each; Space or Enter runs it.
class toolButton : public QWidget
{
    Q_OBJECT

public:
    toolButton(const QString &picturePath, const QString &caption, QWidget *parent = nullptr);

    void setBackgroundAlpha(int alpha);

    // The rounded outline the button is cut to, for a button of the given size.
    static QBitmap shapeMask(const QSize &size);

signals:
    void myToolClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *iconLabel;
    QLabel *textLabel;
};

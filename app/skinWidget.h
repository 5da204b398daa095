#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

class QSignalMapper;

// The skin chooser: a pop-up grid of thumbnails, painted with the current skin.
// It stays open after a pick so that several skins can be tried in a row.
class skinWidget : public QWidget
{
    Q_OBJECT

public:
    explicit skinWidget(const QString &skinPath, QWidget *parent = nullptr);

    QString currentSkinPath() const { return skinPath; }

    static QStringList skinPictures();
    // The thumbnail beside a skin picture: the path up to its first "." with
    // "Small.jpg" appended.
    static QString thumbnailPath(const QString &picturePath);
    static QImage renderBackground(const QSize &size, const QImage &skin, qreal ratio = 1);

signals:
    void changeSkin(const QString &picturePath);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void setSkin(const QString &picturePath);

private:
    QString skinPath;
    QSignalMapper *signalMapper;
};

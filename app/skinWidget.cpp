#include "skinWidget.h"

#include "Picture.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalMapper>
#include <QVBoxLayout>

namespace {
const int columns = 3;
const QSize thumbnailSize(97, 62);
} // namespace

skinWidget::skinWidget(const QString &path, QWidget *parent) : QWidget(parent), skinPath(path)
{
    signalMapper = new QSignalMapper(this);

    const QStringList pictures = skinPictures();
    const QStringList toolTips = {tr("skin1"), tr("skin2"), tr("skin3"), tr("skin4"), tr("skin5"),
                                  tr("skin6"), tr("skin7"), tr("skin8"), tr("skin9")};

    auto *grid = new QGridLayout;
    grid->setSpacing(0);
    for (int index = 0; index < pictures.size(); ++index) {
        auto *button = new QPushButton;
        button->setIcon(QIcon(thumbnailPath(pictures[index])));
        button->setIconSize(thumbnailSize);
        button->setToolTip(toolTips[index]);
        connect(button, &QPushButton::clicked, signalMapper, qOverload<>(&QSignalMapper::map));
        signalMapper->setMapping(button, pictures[index]);
        // Row 0 of the grid stays empty.
        grid->addWidget(button, index / columns + 1, index % columns);
    }
    connect(signalMapper, &QSignalMapper::mappedString, this, &skinWidget::changeSkin);
    connect(signalMapper, &QSignalMapper::mappedString, this, &skinWidget::setSkin);

    auto *layout = new QVBoxLayout;
    layout->addWidget(new QLabel(tr("Change skin")), 0, Qt::AlignHCenter);
    layout->addLayout(grid);
    setLayout(layout);

    setWindowFlags(Qt::Popup);
}

QStringList skinWidget::skinPictures()
{
    return {":/images/skin/angryBird.jpg",  ":/images/skin/blackPoint.jpg",
            ":/images/skin/blueSky.jpg",    ":/images/skin/classic.jpg",
            ":/images/skin/greenWorld.jpg", ":/images/skin/oldWood.jpg",
            ":/images/skin/pinkLove.jpg",   ":/images/skin/redThunder.jpg",
            ":/images/skin/sixYears.jpg"};
}

QString skinWidget::thumbnailPath(const QString &picturePath)
{
    return picturePath.section('.', 0, 0) + "Small.jpg";
}

QImage skinWidget::renderBackground(const QSize &size, const QImage &skin, qreal ratio)
{
    QImage canvas(size * ratio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QBrush(skin));
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return canvas;
}

void skinWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatio();
    painter.drawImage(0, 0, renderBackground(size(), Picture::image(skinPath, ratio), ratio));
}

void skinWidget::setSkin(const QString &picturePath)
{
    skinPath = picturePath;
    update();
}

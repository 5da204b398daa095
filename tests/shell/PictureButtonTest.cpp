#include "PictureButtonTest.h"

#include "TestEvents.h"
#include "myPushButton.h"
#include "sysButton.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QList<QColor> frameColours = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

// A strip of `frames` solid frames of `frameWidth` pixels, plus `spare`
// magenta columns at the right that belong to no frame.
QPixmap makeStrip(int frames, int frameWidth, int spare = 0)
{
    QImage strip(frames * frameWidth + spare, 10, QImage::Format_RGB32);
    strip.fill(Qt::magenta);
    QPainter painter(&strip);
    for (int i = 0; i < frames; ++i)
        painter.fillRect(i * frameWidth, 0, frameWidth, 10, frameColours[i]);
    return QPixmap::fromImage(strip);
}

// The one colour of a frame, or invalid when the frame is not uniform.
QColor solidColour(const QPixmap &frame)
{
    const QImage image = frame.toImage();
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return QColor();
    return QColor(first);
}

} // namespace

void PictureButtonTest::sysButtonStates_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("clicks");

    QTest::addRow("start") << "" << 0 << 0;
    QTest::addRow("hovered") << "enter" << 1 << 0;
    QTest::addRow("pressed") << "enter,press" << 2 << 0;
    QTest::addRow("released") << "enter,press,release" << 1 << 1;
    QTest::addRow("released outside") << "enter,press,releaseOutside" << 1 << 1;
    QTest::addRow("right button") << "enter,rpress,rrelease" << 1 << 1;
    QTest::addRow("left after a click") << "enter,press,release,leave" << 0 << 1;
    QTest::addRow("two clicks") << "press,release,press,release" << 1 << 2;
}

void PictureButtonTest::sysButtonStates()
{
    QFETCH(QString, script);

    sysButton button("sys_button_min.png", "Min");
    QSignalSpy clicked(&button, &QPushButton::clicked);

    TestEvents::play(&button, script);

    QTEST(button.state(), "state");
    QTEST(int(clicked.count()), "clicks");
    for (const QList<QVariant> &arguments : clicked)
        QCOMPARE(arguments.at(0).toBool(), false);
}

void PictureButtonTest::sysButtonFrames_data()
{
    QTest::addColumn<int>("frameWidth"); // in the strip's own pixels
    QTest::addColumn<int>("spare");
    QTest::addColumn<int>("index");
    QTest::addColumn<qreal>("ratio");

    QTest::addRow("normal") << 27 << 0 << 0 << 1.0;
    QTest::addRow("mouse over") << 27 << 0 << 1 << 1.0;
    QTest::addRow("pressed") << 27 << 0 << 2 << 1.0;
    QTest::addRow("spare frame") << 27 << 0 << 3 << 1.0;
    QTest::addRow("uneven strip, pressed") << 27 << 3 << 2 << 1.0;
    QTest::addRow("uneven strip, last") << 20 << 3 << 3 << 1.0;
    // A strip drawn at twice the size for a 200 % screen: the frames are
    // twice as many pixels wide and cover the same part of the window.
    QTest::addRow("twice the size, mouse over") << 54 << 0 << 1 << 2.0;
    QTest::addRow("twice the size, uneven, last") << 54 << 3 << 3 << 2.0;
}

void PictureButtonTest::sysButtonFrames()
{
    QFETCH(int, frameWidth);
    QFETCH(int, spare);
    QFETCH(int, index);
    QFETCH(qreal, ratio);

    QPixmap strip = makeStrip(4, frameWidth, spare);
    strip.setDevicePixelRatio(ratio);
    const QPixmap frame = sysButton::frame(strip, index);

    QCOMPARE(frame.size(), QSize(frameWidth, 10));
    QCOMPARE(frame.deviceIndependentSize(), QSizeF(frameWidth / ratio, 10 / ratio));
    QCOMPARE(solidColour(frame), frameColours[index]);
}

void PictureButtonTest::sysButtonShowsItsFrame_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("frame");

    QTest::addRow("Language, normal") << "title_bar_menu.png"
                                      << "" << 0;
    QTest::addRow("Min, hovered") << "sys_button_min.png"
                                  << "enter" << 1;
    QTest::addRow("Close, pressed") << "sys_button_close.png"
                                    << "enter,press" << 2;
    QTest::addRow("Close, released") << "sys_button_close.png"
                                     << "enter,press,release" << 1;
}

void PictureButtonTest::sysButtonShowsItsFrame()
{
    QFETCH(QString, picture);
    QFETCH(QString, script);
    QFETCH(int, frame);

    const QPixmap strip(":/images/sysButton/" + picture);
    QVERIFY2(!strip.isNull(), "the button pictures are linked in");
    sysButton button(picture, "tip");
    QCOMPARE(button.size(), QSize(strip.width() / 4, strip.height()));

    TestEvents::play(&button, script);

    const QImage expected = sysButton::frame(strip, frame)
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(button.render(), expected);
}

void PictureButtonTest::myPushButtonFrames_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("clicks");

    QTest::addRow("start") << "" << 0 << 0;
    QTest::addRow("hovered") << "enter" << 1 << 0;
    QTest::addRow("pressed") << "enter,press" << 2 << 0;
    QTest::addRow("released outside") << "enter,press,releaseOutside" << 1 << 1;
    QTest::addRow("right button") << "rpress,rrelease" << 1 << 1;
    QTest::addRow("left") << "enter,press,release,leave" << 0 << 1;
}

void PictureButtonTest::myPushButtonFrames()
{
    QFETCH(QString, script);
    QFETCH(int, frame);

    myPushButton button("SkinButton.png", "Skin");
    QSignalSpy clicked(&button, &QPushButton::clicked);

    TestEvents::play(&button, script);

    QCOMPARE(button.shownFrame(), frame);
    QTEST(int(clicked.count()), "clicks");

    // Three frames per strip, whatever is left over at the right is unused.
    const QPixmap strip = makeStrip(3, 16, 2);
    QCOMPARE(myPushButton::frame(strip, frame).size(), QSize(16, 10));
    QCOMPARE(solidColour(myPushButton::frame(strip, frame)), frameColours[frame]);
}

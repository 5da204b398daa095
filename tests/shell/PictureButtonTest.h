#pragma once

#include <QObject>

class PictureButtonTest : public QObject
{
    Q_OBJECT

private slots:
    void sysButtonStates_data();
    void sysButtonStates();
    void sysButtonFrames_data();
    void sysButtonFrames();
    void sysButtonShowsItsFrame_data();
    void sysButtonShowsItsFrame();
    void myPushButtonFrames_data();
    void myPushButtonFrames();
};

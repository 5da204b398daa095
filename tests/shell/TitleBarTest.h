#pragma once

#include <QObject>

class TitleBarTest : public QObject
{
    Q_OBJECT

private slots:
    void dragBand_data();
    void dragBand();
    void doubleClickToggles_data();
    void doubleClickToggles();
    void buttonsRaiseTheirSignals_data();
    void buttonsRaiseTheirSignals();
    void skinButtonIsReachable();
    void statusBarStartsUnconnected();
    void statusNotices_data();
    void statusNotices();
};

#pragma once

#include <QObject>

class ToolBarTest : public QObject
{
    Q_OBJECT

private slots:
    void connectToggle_data();
    void connectToggle();
    void lockedPortListDoesNotOpen();
    void pictureButtonRunsItsAction_data();
    void pictureButtonRunsItsAction();
    void toolButtonFeedback_data();
    void toolButtonFeedback();
    void toolButtonShape_data();
    void toolButtonShape();
};

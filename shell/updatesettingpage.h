#pragma once

#include <QWidget>

class SerialProcessThread;
namespace Ui {
class updatesettingpage;
}

// Shows the assistant's version and the connected unit's model and firmware.
// Refreshed only after a completed download.
class updatesettingpage : public QWidget
{
    Q_OBJECT
public:
    updatesettingpage(QWidget *parent, SerialProcessThread *link);
    ~updatesettingpage() override;

    void refreshDeviceInfo();

private:
    SerialProcessThread *link;
    Ui::updatesettingpage *ui;
};

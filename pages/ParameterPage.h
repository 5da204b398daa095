#pragma once

#include <QMutex>
#include <QWidget>

class SerialProcessThread;
struct DeviceParameters;

// What the three parameter pages share: the link they upload through, the
// link's record they show and edit, and the one way an edit reaches both.
class ParameterPage : public QWidget
{
    Q_OBJECT
protected:
    ParameterPage(QWidget *parent, SerialProcessThread *link);

    // An edit by the pilot: the field takes the value's low byte (the
    // ranges keep every value within -128..127) and the link is asked for
    // the upload that carries it. While the page shows the record
    // (`updating`), the widgets' echo stores nothing.
    void storeField(qint8 &field, int value);

    SerialProcessThread *link;
    DeviceParameters &parameters;
    QMutex mutex;
    bool updating = false;
};

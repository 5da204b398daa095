#include "ParameterPage.h"

#include "DeviceParameters.h"
#include "LinkFrame.h"
#include "SerialProcessThread.h"

#include <QMutexLocker>

ParameterPage::ParameterPage(QWidget *parent, SerialProcessThread *serialLink)
    : QWidget(parent), link(serialLink), parameters(serialLink->parameters())
{
}

void ParameterPage::storeField(qint8 &field, int value)
{
    if (updating)
        return;
    QMutexLocker locker(&mutex);
    field = static_cast<qint8>(static_cast<quint8>(value & 0xFF));
    link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
}

#include "PageFixture.h"

#include "statusWidget.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTimer>

PageFixture::PageFixture()
{
    link = new SerialProcessThread(&toolBar, &statusBar, &simulated);
    link->tickTimer()->stop();
    link->refreshTimer()->stop();
    unit().setLatencyMs(0);
    unit().setClockMs(0);
    QObject::connect(&unit(), &SimulatedUnit::exchanged,
                     [this](const LinkFrame &request, const LinkFrame &, SimulatedUnit::Outcome) {
                         sent << request;
                     });
    QObject::connect(&link->protocol(), &LinkEngine::messageText,
                     [this](const QString &text) { messages << text; });
    QObject::connect(&link->protocol(), &LinkEngine::noticeText,
                     [this](const QString &text) { messages << text; });
    QObject::connect(&link->protocol(), &LinkEngine::subframeRequested, [this](quint8 id) {
        if (id == DLU_WRITE_SFID_PARAM_1)
            ++uploadRequests;
    });
}

PageFixture::~PageFixture()
{
    delete link;
}

void PageFixture::tick()
{
    link->time();
    // The simulated port announces its reply through the event loop.
    QCoreApplication::processEvents();
}

bool PageFixture::connectAndDownload()
{
    toolBar.portComboBox->setCurrentText(SimulatedPortProvider::name());
    link->serialConnect();
    return tickUntil([this] {
               return messages.endsWith(QStringLiteral("Download Parameters Completely"));
           }) > 0;
}

bool PageFixture::finishUpload()
{
    return tickUntil([this] {
               return messages.endsWith(QStringLiteral("Upload Parameters Completely"));
           }) > 0;
}

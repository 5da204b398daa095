#pragma once

#include <QBitmap>
#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QString>
#include <QWidget>

#include "UnitHistory.h"

#include <memory>

class LeavingPolicy;
class SerialProcessThread;
class SimulatedPortProvider;
class statusWidget;
class titleWidget;
class toolWidget;

// The frameless main window: title bar, tool bar, page navigator and status
// bar top to bottom, painted with the chosen skin inside rounded corners.
class mainWidget : public QWidget
{
    Q_OBJECT

public:
    explicit mainWidget(QWidget *parent = nullptr);
    ~mainWidget() override;

    QString currentSkinPath() const { return skinPath; }
    SerialProcessThread *serialLink() const { return link; }
    // The unit behind the port list's "Simulated unit".
    SimulatedPortProvider &simulatedPort() const { return *simulated; }
    toolWidget *toolBarWidget() const { return toolBar; }

    static constexpr const char *defaultSkinPath = ":/images/skin/redThunder.jpg";
    static const int fixedWidth = 850;
    static const int fixedHeight = 600;

    // The application palette the window is drawn for: plain labels draw
    // white over the skin.
    static QPalette applicationPalette();

    // The window's shape: a rounded rectangle over the whole size.
    static QBitmap windowMask(const QSize &size);
    // The window's picture: the skin tiled from the top-left corner inside the
    // rounded outline, at `ratio` device pixels per window pixel.
    static QImage renderSkin(const QSize &size, const QImage &skin, qreal ratio = 1);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Changes the unit has not written to flash are asked about first.
    void closeEvent(QCloseEvent *event) override;

private slots:
    void showMax();
    void showMin();
    void showSkinWidget();
    void showMenu();
    void setPicName(const QString &picturePath);
    void langChangeToEn();
    void langChangeToZh();

private:
    QString skinPath;
    QPoint savedPos;
    std::unique_ptr<SimulatedPortProvider> simulated;
    SerialProcessThread *link = nullptr;
    toolWidget *toolBar = nullptr;
    statusWidget *statusBar = nullptr;
    LeavingPolicy *leaving = nullptr;
    bool historyFailureShown = false;
    quint8 language = 0;
    // State of the maximise toggle (double click on the title bar).
    bool maximised = false;
    // The skin as last painted, and for which picture.
    QImage rendered;
    QString renderedPath;

    titleWidget *createTitleBar();
    void keepHistory(UnitHistory::Kind kind);
    void storeLanguageChoice(quint8 chosen);
};

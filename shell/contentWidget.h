#pragma once

#include <QWidget>

class AdvanceSettingPage;
class ConfigureSettingPage;
class MainSettingPage;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;
class SerialProcessThread;
class ValueRanges;
class updatesettingpage;

// The middle of the window: the page list on the left, the chosen page on
// the right. It turns shell events into page refreshes and link requests.
class contentWidget : public QWidget
{
    Q_OBJECT
public:
    contentWidget(QWidget *parent, SerialProcessThread *link);

    QListWidget *pages() const { return pageList; }
    QStackedWidget *stack() const { return pageStack; }
    // What the three parameter pages let the pilot set, for the preview.
    ValueRanges valueRanges() const;

public slots:
    void changePage(QListWidgetItem *current, QListWidgetItem *previous);
    void updateAllPages();
    void configurationLoaded();
    void flashWriting();
    // The pages follow the link: no edits while the unit's record is still
    // on its way.
    void setEditingAllowed(bool allowed);

private:
    void buildPageList();
    void refreshParameterPages();

    SerialProcessThread *link;
    QListWidget *pageList;
    QStackedWidget *pageStack;
    MainSettingPage *basicPage;
    ConfigureSettingPage *setupPage;
    AdvanceSettingPage *advancedPage;
    updatesettingpage *upgradePage;
};

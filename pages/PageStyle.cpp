#include "PageStyle.h"

namespace {

// The dark band of the unchosen tabs and of the group box titles.
#define VRN_DARK_STOPS "stop:0 rgba(74, 74, 74, 255), stop:1 rgba(36, 36, 36, 255)"

const char *const TabCommon =
    "QTabWidget::pane { border-top: 2px solid #C2C7CB; }"
    "QTabBar::tab {"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, " VRN_DARK_STOPS ");"
    " color: white; border: 2px solid #C4C4C3; border-bottom-color: #C2C7CB;"
    " border-top-left-radius: 4px; border-top-right-radius: 4px;"
    " min-width: 8ex; padding: 8px; }"
    "QTabBar::tab:selected, QTabBar::tab:hover {"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fafafa,"
    "  stop:0.4 #f4f4f4, stop:0.5 #e7e7e7, stop:1.0 #fafafa);"
    " color: black; }"
    "QTabBar::tab:selected { border-color: #9B9B9B; border-bottom-color: #C2C7CB; }"
    "QTabBar::tab:!selected { margin-top: 5px; }";

// Later rules of the same weight win: the plain tab's band is replaced, the
// chosen and hovered tabs keep theirs.
const char *const TabOverlapping =
    "QTabWidget::tab-bar { left: 5px; }"
    "QTabBar::tab {"
    " background: qlineargradient(spread:reflect, x1:0, y1:0, x2:0, y2:0.5, " VRN_DARK_STOPS "); }"
    "QTabBar::tab:selected { margin-left: -4px; margin-right: -4px; }"
    "QTabBar::tab:first:selected { margin-left: 0; }"
    "QTabBar::tab:last:selected { margin-right: 0; }"
    "QTabBar::tab:only-one { margin: 0; }";

const char *const GroupBoxCommon =
    "QGroupBox {"
    " background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #E0E0E0, stop:1 #FFFFFF);"
    " border: 2px solid gray; border-radius: 5px; margin-top: 1ex; }"
    "QGroupBox::title {"
    " subcontrol-origin: margin; subcontrol-position: top center; padding: 0 3px;"
    " background: qlineargradient(spread:reflect, x1:0, y1:0, x2:0, y2:0.5, " VRN_DARK_STOPS ");"
    " color: white; }";

const char *const GroupBoxRounded = "QGroupBox::title { border-radius: 3px; }";

#undef VRN_DARK_STOPS

} // namespace

namespace PageStyle {

QString tabWidget(Tabs look)
{
    QString sheet = QLatin1String(TabCommon);
    if (look == Tabs::Overlapping)
        sheet += QLatin1String(TabOverlapping);
    return sheet;
}

QString groupBox(Titles titles)
{
    QString sheet = QLatin1String(GroupBoxCommon);
    if (titles == Titles::Rounded)
        sheet += QLatin1String(GroupBoxRounded);
    return sheet;
}

} // namespace PageStyle

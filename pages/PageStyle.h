#pragma once

#include <QString>

// The frames the Setup and Advanced pages share: the tab bar and the group
// boxes, dark captions on a pale gradient. Each page keeps its own look of
// them (see the enums); what they share is written once.
namespace PageStyle {

enum class Tabs
{
    // Flat tabs from the pane's left edge (the Setup page: seven tabs).
    Plain,
    // Tabs indented by 5 px, a mirrored gradient, the chosen one widened
    // over its neighbours (the Advanced page: three tabs).
    Overlapping,
};
QString tabWidget(Tabs look);

enum class Titles
{
    Square,  // the Advanced page
    Rounded, // the Setup page
};
QString groupBox(Titles titles);

} // namespace PageStyle

#pragma once

#include <QList>
#include <QString>

class QTabWidget;
class QWidget;

// How the window's controls behave for a pilot at the keyboard and the mouse
// wheel, applied once to the whole window after the pages are built:
// - every control that takes focus shows an orange mark while it has it;
// - Tab walks the tool bar, the port list, Connect, the navigator, then the
//   page and tab shown top to bottom, left to right, group by group;
// - Space or Enter presses the button with focus; arrows and page keys on a
//   button never move focus out of its group nor change anything (in a
//   group of exclusive buttons they move focus to the neighbour);
// - the mouse wheel changes a value only in the control that has focus, so
//   scrolling over a page never changes (and uploads) a parameter;
// - Ctrl+Tab / Ctrl+Shift+Tab and Ctrl+PageDown / Ctrl+PageUp switch the tabs
//   of the page shown;
// - the highlighted entry of every drop-down list is white on a dark bar.
namespace WindowControls {

void prepare(QWidget *window);

// The controls under `root` that Tab stops at, in reading order: group by
// group, row by row, left to right; a tab widget's bar before its pages.
QList<QWidget *> readingOrder(QWidget *root);

// The style-sheet rules that mark `control` while it has focus, for its kind.
QString focusMarkRules(const QWidget *control);

// The colour of every focus mark.
inline constexpr const char *FocusColour = "#FF8C00";

} // namespace WindowControls

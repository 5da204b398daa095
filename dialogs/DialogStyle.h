#pragma once

#include <QPalette>
#include <QString>

// The look of every window the program opens beside its main window.
//
// The main window draws its captions white over a dark skin, through the
// application palette's window text. A dialog drawn with that palette shows
// white text on a light grey background: every dialog, Qt's own included
// (questions, file dialogs), gets the desktop's palette instead.
namespace DialogStyle {

// The sheet of the program's own dialogs: the group boxes' pale gradient and
// dark title band, dark buttons with white text (darker than the tool
// bar's, whose light lower half leaves white text hard to read).
QString sheet();

// Makes `mainWindowPalette` the application palette, keeps the palette it
// replaces for dialogs, and from then on gives that palette to every dialog
// as it is first shown (unless the dialog has set one of its own).
void setApplicationPalette(const QPalette &mainWindowPalette);

} // namespace DialogStyle

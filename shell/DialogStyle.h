#pragma once

#include <QString>

// The look the window's dialogs share with its pages: the group boxes' pale
// gradient and dark title band, the tool bar's dark buttons with white text.
// The application palette draws plain text white for the skin, so every
// text a dialog shows gets its colour here.
namespace DialogStyle {
QString sheet();
}

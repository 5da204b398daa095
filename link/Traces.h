#pragma once

#include <QLoggingCategory>

// The program's traces, off unless asked for: `vrn-assistant --verbose`, or
// QT_LOGGING_RULES="vrn.*.debug=true" (one area: "vrn.link.debug=true").
// A pilot who starts the program from the menu gets nothing per frame in the
// journal.
Q_DECLARE_LOGGING_CATEGORY(vrnLink)  // "vrn.link": frames, subframes and commands
Q_DECLARE_LOGGING_CATEGORY(vrnPages) // "vrn.pages": what the pages ask the link for
Q_DECLARE_LOGGING_CATEGORY(vrnApp)   // "vrn.app": start-up, language, folders

namespace Traces {
// Turns every trace of the program on (--verbose).
void enableAll();
} // namespace Traces

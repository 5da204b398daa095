#pragma once

#include <functional>

class QDialog;

// Every modal dialog of the window is shown through here: the question
// boxes, the change preview, the History window, the file and print
// dialogs. A test installs one answer instead of a person and gets each
// dialog as it would be shown.
namespace ModalDialog {

// Shows `dialog` and returns its result (QDialog::Accepted, Rejected or the
// code its buttons give), or what the installed answer returns for it.
int exec(QDialog &dialog);

// An empty answer restores the real dialogs.
using Answer = std::function<int(QDialog &dialog)>;
void setAnswer(Answer answer);

} // namespace ModalDialog

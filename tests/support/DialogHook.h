#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <typeinfo>

class QFileDialog;
class QMessageBox;
class QPrintDialog;

// The tests' one way to answer the window's modal dialogs instead of a
// person: an answer is installed per kind of dialog and gets each dialog of
// that kind as it would be shown; a dialog of a kind without an answer is
// shown for real. An empty answer removes the one for its kind.
namespace DialogHook {

// Returns what the dialog's exec() would (QDialog::Accepted or Rejected).
template <typename Dialog> void on(std::function<int(Dialog &dialog)> answer);

// A question box: returns the index of the answer to take, in the order the
// question offers them (the cancelling one last).
void onQuestion(std::function<int(QMessageBox &box)> answer);
// A file dialog: returns the chosen name, or nothing for a cancelled dialog.
void onFile(std::function<std::optional<QString>(QFileDialog &dialog)> answer);
// The print dialog: true prints on the printer it holds.
void onPrint(std::function<bool(QPrintDialog &dialog)> answer);

// Every kind back to the real dialog.
void clear();

namespace detail {
void install(const std::type_info &kind, std::function<bool(QDialog &)> matches,
             std::function<int(QDialog &)> answer);
} // namespace detail

template <typename Dialog> void on(std::function<int(Dialog &dialog)> answer)
{
    if (!answer) {
        detail::install(typeid(Dialog), {}, {});
        return;
    }
    detail::install(
        typeid(Dialog), [](QDialog &dialog) { return dynamic_cast<Dialog *>(&dialog) != nullptr; },
        [answer](QDialog &dialog) { return answer(dynamic_cast<Dialog &>(dialog)); });
}

} // namespace DialogHook

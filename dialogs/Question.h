#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QMessageBox;
class QWidget;

// A question the pilot answers before something risky reaches the unit.
// The last answer is always the cancelling one: Escape and closing the box
// pick it, and it is also what Enter picks unless a safer default is named.
// Tests answer through the hook instead of waiting for a person.
namespace Question {

// Returns the index of the chosen answer in `answers`.
int ask(QWidget *parent, const QString &title, const QString &text, const QStringList &answers,
        int defaultAnswer = -1);

// Gets the box as it would be shown (text, buttons, default and escape
// buttons set) and returns the index of the answer to take. An empty hook
// restores the real box.
using Hook = std::function<int(QMessageBox &box)>;
void setHook(Hook hook);

} // namespace Question

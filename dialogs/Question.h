#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// A question the pilot answers before something risky reaches the unit.
// The last answer is always the cancelling one: Escape and closing the box
// pick it, and it is also what Enter picks unless a safer default is named.
// Tests answer through ModalDialog instead of waiting for a person.
namespace Question {

// Returns the index of the chosen answer in `answers`.
int ask(QWidget *parent, const QString &title, const QString &text, const QStringList &answers,
        int defaultAnswer = -1);

} // namespace Question

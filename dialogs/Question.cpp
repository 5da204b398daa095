#include "Question.h"

#include "ModalDialog.h"

#include <QMessageBox>
#include <QPushButton>

namespace Question {

int ask(QWidget *parent, const QString &title, const QString &text, const QStringList &answers,
        int defaultAnswer)
{
    Q_ASSERT(!answers.isEmpty());
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton *> buttons;
    for (int i = 0; i < answers.size(); ++i) {
        const bool cancels = i == answers.size() - 1;
        buttons << box.addButton(answers[i],
                                 cancels ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    const int cancel = int(answers.size()) - 1;
    box.setEscapeButton(buttons[cancel]);
    box.setDefaultButton(
        buttons[defaultAnswer >= 0 && defaultAnswer < answers.size() ? defaultAnswer : cancel]);
    // The box's buttons come in the order of `answers` (accepting ones
    // first, the cancelling one last), which is how tests pick an answer.
    ModalDialog::exec(box);
    const int chosen = int(buttons.indexOf(qobject_cast<QPushButton *>(box.clickedButton())));
    return chosen >= 0 ? chosen : cancel;
}

} // namespace Question

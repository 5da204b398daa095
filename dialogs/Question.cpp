#include "Question.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

Question::Hook &hook()
{
    static Question::Hook h;
    return h;
}

} // namespace

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
    if (hook())
        return hook()(box);
    box.exec();
    const int chosen = int(buttons.indexOf(qobject_cast<QPushButton *>(box.clickedButton())));
    return chosen >= 0 ? chosen : cancel;
}

void setHook(Hook h)
{
    hook() = std::move(h);
}

} // namespace Question

#include "DialogHook.h"

#include "ModalDialog.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

#include <map>
#include <typeindex>

namespace {

struct Answer
{
    std::function<bool(QDialog &)> matches;
    std::function<int(QDialog &)> answer;
};

std::map<std::type_index, Answer> &answers()
{
    static std::map<std::type_index, Answer> installed;
    return installed;
}

int dispatch(QDialog &dialog)
{
    for (const auto &entry : answers()) {
        if (entry.second.matches(dialog))
            return entry.second.answer(dialog);
    }
    return dialog.exec();
}

} // namespace

namespace DialogHook {

void detail::install(const std::type_info &kind, std::function<bool(QDialog &)> matches,
                     std::function<int(QDialog &)> answer)
{
    if (answer)
        answers()[kind] = {std::move(matches), std::move(answer)};
    else
        answers().erase(kind);
    // With nothing installed the window's dialogs are its own again.
    ModalDialog::setAnswer(answers().empty() ? ModalDialog::Answer()
                                             : ModalDialog::Answer(dispatch));
}

void onQuestion(std::function<int(QMessageBox &box)> answer)
{
    if (!answer) {
        on<QMessageBox>({});
        return;
    }
    // Clicked like a person would, so the question reads the answer from
    // the box as it does after a real one.
    on<QMessageBox>([answer](QMessageBox &box) {
        const int index = answer(box);
        const QList<QAbstractButton *> buttons = box.buttons();
        if (index >= 0 && index < buttons.size())
            buttons.at(index)->click();
        return box.result();
    });
}

void onFile(std::function<std::optional<QString>(QFileDialog &dialog)> answer)
{
    if (!answer) {
        on<QFileDialog>({});
        return;
    }
    on<QFileDialog>([answer](QFileDialog &dialog) {
        const std::optional<QString> name = answer(dialog);
        if (!name)
            return int(QDialog::Rejected);
        dialog.selectFile(*name);
        return int(QDialog::Accepted);
    });
}

void onPrint(std::function<bool(QPrintDialog &dialog)> answer)
{
    if (!answer) {
        on<QPrintDialog>({});
        return;
    }
    on<QPrintDialog>([answer](QPrintDialog &dialog) {
        return int(answer(dialog) ? QDialog::Accepted : QDialog::Rejected);
    });
}

void clear()
{
    answers().clear();
    ModalDialog::setAnswer({});
}

} // namespace DialogHook

#include "ModalDialog.h"

#include <QDialog>

namespace {

ModalDialog::Answer &installed()
{
    static ModalDialog::Answer answer;
    return answer;
}

} // namespace

namespace ModalDialog {

int exec(QDialog &dialog)
{
    return installed() ? installed()(dialog) : dialog.exec();
}

void setAnswer(Answer answer)
{
    installed() = std::move(answer);
}

} // namespace ModalDialog

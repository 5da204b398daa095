#include "LanguageSettings.h"

#include "AppSettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMessageBox>
#include <QTranslator>

namespace LanguageSettings {

namespace {

const char *const languageKey = "System/lang";

// One translator for the whole program; it lives until the process ends.
QTranslator *translator = nullptr;

NoticeHandler &noticeHandler()
{
    static NoticeHandler handler;
    return handler;
}

} // namespace

quint8 readLanguage()
{
    return static_cast<quint8>(AppSettings::value(languageKey, 0).toInt());
}

bool storeLanguage(const QString &value)
{
    return AppSettings::setValue(languageKey, value);
}

QString translationFilePath(quint8 language)
{
    const QString dir = QCoreApplication::applicationDirPath();
    switch (language) {
    case English:
        return dir + "/language/vrn_lang_en.qm";
    case Chinese:
        return dir + "/language/vrn_lang_zh.qm";
    default:
        return QString();
    }
}

void installTranslator(quint8 language)
{
    // A fresh translator each time, so an unknown value really shows the
    // source texts instead of whatever was loaded before.
    removeTranslator();
    translator = new QTranslator;
    const QString file = translationFilePath(language);
    // A missing file leaves the English texts; the trace tells which file an
    // installed program really took.
    if (!file.isEmpty() && translator->load(file))
        qDebug().noquote() << "LanguageSettings: loaded" << file;
    QCoreApplication::installTranslator(translator);
}

void removeTranslator()
{
    delete translator; // removes itself from the application
    translator = nullptr;
}

void showRestartNotice(const QString &title, const QString &text)
{
    if (noticeHandler()) {
        noticeHandler()(title, text);
        return;
    }
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::NoButton, nullptr,
                    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.exec();
}

void setRestartNoticeHandler(NoticeHandler handler)
{
    noticeHandler() = std::move(handler);
}

} // namespace LanguageSettings

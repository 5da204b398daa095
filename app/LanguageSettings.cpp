#include "LanguageSettings.h"

#include "AppSettings.h"
#include "Traces.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

namespace LanguageSettings {

namespace {

const char *const languageKey = "System/lang";
const char *const skinKey = "System/skin";

// One translator for the whole program; it lives until the process ends.
QTranslator *translator = nullptr;
// Qt's own texts (dialog buttons, the reasons a port cannot be opened) in
// the chosen language, from the catalogues Qt ships.
QList<QTranslator *> qtTranslators;

// The locale the program started with, put back when the language changes.
const QLocale &startLocale()
{
    static const QLocale locale;
    return locale;
}

void installQtTranslations(quint8 language)
{
    // The pages draw the pictures with words in them for the default locale.
    const QLocale start = startLocale();
    QLocale::setDefault(language == Chinese ? QLocale(QLocale::Chinese, QLocale::China) : start);
    if (language != Chinese)
        return;
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *catalogue : {"qtbase_zh_CN", "qtserialport_zh_CN"}) {
        auto *qt = new QTranslator;
        if (qt->load(QLatin1String(catalogue), dir)) {
            QCoreApplication::installTranslator(qt);
            qtTranslators.append(qt);
        } else {
            delete qt; // without the catalogue Qt's texts stay English
        }
    }
}

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
        qCDebug(vrnApp).noquote() << "LanguageSettings: loaded" << file;
    QCoreApplication::installTranslator(translator);
    installQtTranslations(language);
}

void removeTranslator()
{
    delete translator; // removes itself from the application
    translator = nullptr;
    qDeleteAll(qtTranslators);
    qtTranslators.clear();
    QLocale::setDefault(startLocale());
}

QString translate(quint8 language, const char *context, const char *source)
{
    QTranslator catalogue;
    const QString file = translationFilePath(language);
    if (file.isEmpty() || !catalogue.load(file))
        return QString::fromUtf8(source);
    const QString text = catalogue.translate(context, source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

void showRestartNotice(QWidget *parent, const QString &title, const QString &text)
{
    // Parented, so that it opens over the window it is about.
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (noticeHandler()) {
        noticeHandler()(box);
        return;
    }
    box.exec();
}

void setRestartNoticeHandler(NoticeHandler handler)
{
    noticeHandler() = std::move(handler);
}

QString readSkin()
{
    return AppSettings::value(skinKey).toString();
}

void storeSkin(const QString &picturePath)
{
    AppSettings::setValue(skinKey, picturePath);
}

} // namespace LanguageSettings

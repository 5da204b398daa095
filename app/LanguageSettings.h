#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// The language choice: kept by AppSettings, read once at start-up, written
// from the language menu, effective at the next start.
namespace LanguageSettings {

enum Language : quint8
{
    English = 0,
    Chinese = 1
};

// The stored choice, low 8 bits; a missing file or key is English.
quint8 readLanguage();
// False when the choice could not be stored anywhere.
bool storeLanguage(const QString &value);

// The translation file for a language, or an empty string when there is none.
QString translationFilePath(quint8 language);
// Loads the translation for `language` (if any) into the program's one
// translator and installs it, replacing any earlier one. A loaded file is
// named in the debug output.
void installTranslator(quint8 language);
void removeTranslator();

// `source` of `context` as the catalogue of `language` gives it (the source
// itself when there is none), whatever language the window shows.
QString translate(quint8 language, const char *context, const char *source);

// The notice after a choice ("please restart", or that it could not be
// stored), over `parent`. Tests answer it through the handler instead of
// waiting for a person; by default a modal message box is shown.
using NoticeHandler = std::function<void(QMessageBox &box)>;
void showRestartNotice(QWidget *parent, const QString &title, const QString &text);
void setRestartNoticeHandler(NoticeHandler handler);

// The skin picked last, kept in the same settings as the language; empty when
// none was stored.
QString readSkin();
void storeSkin(const QString &picturePath);

} // namespace LanguageSettings

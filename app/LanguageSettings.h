#pragma once

#include <QString>

#include <functional>

// The language choice: kept in "sys.ini" beside the executable, read once at
// start-up, written from the language menu, effective at the next start.
namespace LanguageSettings {

enum Language : quint8
{
    English = 0,
    Chinese = 1
};

QString settingsFilePath();
// The stored choice, low 8 bits; a missing file or key is English.
quint8 readLanguage();
void storeLanguage(const QString &value);

// The translation file for a language, or an empty string when there is none.
QString translationFilePath(quint8 language);
// Loads the translation for `language` (if any) into the program's one
// translator and installs it, replacing any earlier one.
void installTranslator(quint8 language);
void removeTranslator();

// The "please restart" notice. Tests answer it through the handler instead of
// waiting for a person; by default a modal message box is shown.
using NoticeHandler = std::function<void(const QString &title, const QString &text)>;
void showRestartNotice(const QString &title, const QString &text);
void setRestartNoticeHandler(NoticeHandler handler);

// The skin picked last, kept in the same settings as the language; empty when
// none was stored.
QString readSkin();
void storeSkin(const QString &picturePath);

} // namespace LanguageSettings

#pragma once
// The program's and Qt's own translations, chosen by the desktop's language
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them). English is the
// source language: with no translation for a text, the text is shown as is.

#include <QLocale>
#include <QString>

// Loads the translations once per process (a second call only installs them
// into an application created since). Call it after creating the
// QCoreApplication where there is one; a command line without one may call
// it first and Translate() still finds the texts.
void LoadTranslations();

// Loads the program's translation from one .qm file instead of the one the
// desktop's language names: for the build tool that makes the help page of
// each language. False when the file cannot be read.
bool LoadTranslationFile(const QString& path);

// The translation of a text marked with QT_TRANSLATE_NOOP (or the text
// itself), with %n filled from n when n >= 0. Works with or without a
// QCoreApplication; safe from any thread once LoadTranslations() returned.
// In a QObject of the GUI, tr() is the same.
QString Translate(const char* context, const char* source, const char* disambiguation = nullptr,
                  int n = -1);

// The folder the .qm files were found in, empty when none was.
QString TranslationsFolder();

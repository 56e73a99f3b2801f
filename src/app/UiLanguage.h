// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

class QCoreApplication;

// The language the program speaks: the first of the system's preferred
// languages (QLocale::system().uiLanguages(), so LANGUAGE before LANG) that
// Tintaloo is translated into, otherwise English, which needs nothing loaded.
// Installs the program's translation (compiled in, :/i18n/tintaloo_<code>.qm)
// and Qt's own (qtbase_<code>.qm from Qt's translations folder, for the file
// and print dialogs), and makes that language the default QLocale, which is
// what the help window goes by. Both translators live as long as this object.
class UiLanguage
{
public:
    explicit UiLanguage(QCoreApplication& app);
    ~UiLanguage();
    UiLanguage(const UiLanguage&) = delete;
    UiLanguage& operator=(const UiLanguage&) = delete;

    // The translated languages, as in tintaloo_<code>.ts: "de", "pt_BR", ...
    static QStringList translatedCodes();
    // The code for a list of preferred languages ("fr-CA", "de", "pt-PT",
    // "en-GB"), or "" for English: the first entry that is English or one of
    // translatedCodes() wins; a country Tintaloo has no words for takes its
    // language's translation (pt-PT -> pt_BR).
    static QString choose(const QStringList& uiLanguages);

    // Chooses from the system's languages and installs that one.
    QString installFromSystem();
    // Installs code ("" or "en" for English, which removes any translation).
    // False, and English, when the program has no translation for code.
    bool install(const QString& code);
    // The code installed, "" for English.
    QString code() const { return m_code; }
    // Whether Qt's own texts were found for the language (they are optional).
    bool qtTranslated() const { return m_qtLoaded; }

private:
    void removeAll();

    QCoreApplication& m_app;
    QTranslator m_program;
    QTranslator m_qt;
    QString m_code;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
};

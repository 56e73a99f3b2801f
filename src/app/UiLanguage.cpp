// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

UiLanguage::UiLanguage(QCoreApplication& app)
    : m_app(app)
{
}

UiLanguage::~UiLanguage()
{
    removeAll();
}

QStringList UiLanguage::translatedCodes()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"),
            QStringLiteral("pt_BR"), QStringLiteral("nl"), QStringLiteral("pl")};
}

QString UiLanguage::choose(const QStringList& uiLanguages)
{
    const QStringList codes = translatedCodes();
    for (QString entry : uiLanguages) {
        entry.replace(QLatin1Char('-'), QLatin1Char('_'));
        // "de_DE.UTF-8" or "de_DE@euro" as LANGUAGE may spell it.
        entry = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        const QString language = entry.section(QLatin1Char('_'), 0, 0).toLower();
        if (language.isEmpty() || entry == QLatin1String("C") || entry == QLatin1String("POSIX"))
            continue;
        if (language == QLatin1String("en"))
            return {};
        for (const QString& code : codes)
            if (entry.compare(code, Qt::CaseInsensitive) == 0)
                return code;
        for (const QString& code : codes)
            if (code.section(QLatin1Char('_'), 0, 0) == language)
                return code;
    }
    return {};
}

QString UiLanguage::installFromSystem()
{
    install(choose(QLocale::system().uiLanguages()));
    return m_code;
}

bool UiLanguage::install(const QString& code)
{
    removeAll();
    const bool english = code.isEmpty() || code == QLatin1String("en");
    if (!english && translatedCodes().contains(code)
        && m_program.load(QStringLiteral(":/i18n/tintaloo_") + code + QStringLiteral(".qm"))) {
        m_programLoaded = m_app.installTranslator(&m_program);
        m_qtLoaded = m_qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
            && m_app.installTranslator(&m_qt);
        m_code = code;
        QLocale::setDefault(QLocale(code));
        return true;
    }
    // English, silently, whatever was asked for.
    m_code.clear();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return english;
}

void UiLanguage::removeAll()
{
    if (m_programLoaded)
        m_app.removeTranslator(&m_program);
    if (m_qtLoaded)
        m_app.removeTranslator(&m_qt);
    m_programLoaded = m_qtLoaded = false;
}

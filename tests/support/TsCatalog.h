// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <ostream>

// What a translation file (resources/translations/tintaloo_<code>.ts) says,
// read the way translators wrote it, so that tests compare the program with
// the file and hard-code no language's words.
class TsCatalog
{
public:
    // The languages the build knows ("de", "pt_BR", ...).
    static QStringList languages();
    // The file of a language in the source tree.
    static QString pathFor(const QString& code);

    explicit TsCatalog(const QString& code);
    bool isValid() const { return m_valid; }
    // The finished translation of source in context; "" when the file has
    // none (missing, unfinished or empty).
    QString translation(const char* context, const char* source) const;
    // Every finished translation (the plural forms of one message joined).
    QStringList translations() const { return m_finished.values(); }

private:
    QHash<QString, QString> m_finished; // context + '\n' + source
    bool m_valid = false;
};

// Test names and failures show a language code as text, not as its bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

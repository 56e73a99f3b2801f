// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The few words drawn into the art (button captions, the welcome banner), in
// English and in every language the program speaks. They live in the
// program's translation files under the context "ButtonArt", so translators
// keep them with the rest; the art is drawn once per language from them.
class ArtWords
{
public:
    static constexpr const char* Context = "ButtonArt";

    // Reads the ButtonArt messages of every tintaloo_<code>.ts in folder.
    explicit ArtWords(const QString& translationsFolder);

    // The languages that have any of the words, sorted; English is not one.
    QStringList languages() const;
    // english in the language code, or english itself when code is empty or
    // the word is not translated there.
    QString word(const QString& code, const char* english) const;
    // The resource folder of a language's art, under what: "bitmaps/" for
    // English, "bitmaps/de/" for German.
    static QString folder(const QString& what, const QString& code);

    // Every file that was read, for the build's dependencies.
    const QStringList& files() const { return m_files; }

private:
    void read(const QString& path, const QString& code);

    QHash<QString, QHash<QString, QString>> m_words; // code -> English -> word
    QStringList m_files;
};

// The English words, marked for the translation tools.
namespace ArtText {
//: The prompt's button that closes it without doing anything; drawn into the button picture (150 px wide).
inline const char* const Nevermind = QT_TRANSLATE_NOOP("ButtonArt", "nevermind");
//: The tab that shows the message for the parent; drawn into the tab picture (about 58 px for the word).
inline const char* const Details = QT_TRANSLATE_NOOP("ButtonArt", "details");
//: First line of the browser's button that starts a new picture of your own; drawn into the button picture (about 90 px a line).
inline const char* const New = QT_TRANSLATE_NOOP("ButtonArt", "new");
//: Second line of the browser's button that starts a new picture of your own.
inline const char* const Picture = QT_TRANSLATE_NOOP("ButtonArt", "picture");
//: First line of the browser's button that opens picture packs and more pictures.
inline const char* const More = QT_TRANSLATE_NOOP("ButtonArt", "more");
//: Second line of the browser's button that opens more pictures.
inline const char* const Pictures = QT_TRANSLATE_NOOP("ButtonArt", "pictures");
//: The title of the first-run welcome banner, drawn large (about 400 px wide).
inline const char* const Welcome = QT_TRANSLATE_NOOP("ButtonArt", "Welcome!");
} // namespace ArtText

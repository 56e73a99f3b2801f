// SPDX-License-Identifier: GPL-3.0-or-later
// The art with words on it, in every language: each button is drawn at the
// size its window lays it out for, shows other words than the English one,
// and is the one the program loads once its language is installed.
#include "app/UiLanguage.h"
#include "ui/Resources.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// The bitmaps that carry words: the prompt's nevermind, the details tab and
// the browser's new picture and more pictures, each in all its looks.
using namespace BitmapId;
constexpr int WordedBitmaps[] = {NevermindDown,  NevermindUp,      DetailsUp,    DetailsDown,   DetailsPressed,
                                 MorePicturesUp, MorePicturesDown, NewPictureUp, NewPictureDown};

TEST(ArtLanguages, EveryWordedButtonIsDrawnInEveryLanguageAtItsSize)
{
    for (const QString& code : UiLanguage::translatedCodes()) {
        for (int number : WordedBitmaps) {
            const QImage english(QStringLiteral(":/bitmaps/%1.png").arg(number));
            const QImage translated(QStringLiteral(":/bitmaps/%1/%2.png").arg(code).arg(number));
            ASSERT_FALSE(translated.isNull()) << code.toStdString() << " " << number;
            EXPECT_EQ(translated.size(), english.size()) << code.toStdString() << " " << number;
            // Dutch "details" is the English word.
            if (!(code == QLatin1String("nl") && number >= DetailsUp && number <= DetailsPressed))
                EXPECT_NE(translated, english) << code.toStdString() << " " << number << " shows the English word";
        }
        const QImage banner(QStringLiteral(":/pictures/%1/banner.jpg").arg(code));
        EXPECT_EQ(banner.size(), QImage(QStringLiteral(":/pictures/banner.jpg")).size()) << code.toStdString();
    }
}

TEST(ArtLanguages, TheProgramLoadsTheArtOfItsLanguage)
{
    const auto asShown = [](const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); };
    UiLanguage language(*qApp);
    ASSERT_TRUE(language.install(QStringLiteral("fr")));
    EXPECT_EQ(Resources::bitmap(NevermindUp), asShown(QStringLiteral(":/bitmaps/fr/114.png")));
    EXPECT_EQ(Resources::picture(QStringLiteral("banner")), asShown(QStringLiteral(":/pictures/fr/banner.jpg")));
    // Art without words has one drawing for every language.
    EXPECT_EQ(Resources::bitmap(OkUp), asShown(QStringLiteral(":/bitmaps/115.png")));

    ASSERT_TRUE(language.install(QStringLiteral("pt_BR")));
    EXPECT_EQ(Resources::bitmap(NewPictureUp), asShown(QStringLiteral(":/bitmaps/pt_BR/148.png")));

    language.install(QString());
    EXPECT_EQ(Resources::bitmap(NevermindUp), asShown(QStringLiteral(":/bitmaps/114.png")));
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the language, installing its translations, and finding the help
// topics in its folder.
#include "app/UiLanguage.h"
#include "support/TempDataFolder.h"
#include "support/TsCatalog.h"
#include "ui/mMain.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(UiLanguageChoice, TakesTheFirstPreferredLanguageThatIsTranslated)
{
    EXPECT_EQ(UiLanguage::choose({"de-DE", "en-US"}), QStringLiteral("de"));
    EXPECT_EQ(UiLanguage::choose({"ja-JP", "fr-CA", "de"}), QStringLiteral("fr"));
    EXPECT_EQ(UiLanguage::choose({"pt-BR"}), QStringLiteral("pt_BR"));
    EXPECT_EQ(UiLanguage::choose({"pt_BR.UTF-8"}), QStringLiteral("pt_BR"));
    EXPECT_EQ(UiLanguage::choose({"nl_BE@euro"}), QStringLiteral("nl"));
    EXPECT_EQ(UiLanguage::choose({"pl"}), QStringLiteral("pl"));
    // A country without its own words takes its language's translation.
    EXPECT_EQ(UiLanguage::choose({"pt-PT"}), QStringLiteral("pt_BR"));
    EXPECT_EQ(UiLanguage::choose({"es-MX", "it"}), QStringLiteral("es"));
}

TEST(UiLanguageChoice, EnglishOrNothingKnownIsEnglish)
{
    EXPECT_EQ(UiLanguage::choose({"en-GB", "de"}), QString());
    EXPECT_EQ(UiLanguage::choose({"ja-JP", "ko"}), QString());
    EXPECT_EQ(UiLanguage::choose({"C"}), QString());
    EXPECT_EQ(UiLanguage::choose({}), QString());
}

TEST(UiLanguageChoice, EveryTranslationFileIsAChoice)
{
    EXPECT_EQ(UiLanguage::translatedCodes(), TsCatalog::languages());
}

class UiLanguageInstall : public ::testing::TestWithParam<QString>
{
};

// The compiled-in translation is the one in the .ts file, Qt's own dialogs
// speak the language too, and it is the default locale.
TEST_P(UiLanguageInstall, InstallsTheProgramsAndQtsTranslations)
{
    const QString code = GetParam();
    const TsCatalog catalog(code);
    ASSERT_TRUE(catalog.isValid()) << TsCatalog::pathFor(code).toStdString();
    UiLanguage language(*qApp);
    ASSERT_TRUE(language.install(code));
    EXPECT_EQ(language.code(), code);
    EXPECT_TRUE(language.qtTranslated()) << "qtbase_" << code.toStdString()
                                         << ".qm is missing (package qt6-translations-l10n)";
    EXPECT_EQ(QLocale().name().left(code.size()), code);

    const QString welcome = catalog.translation("frmFirstTime", "Welcome to The Tintaloo");
    EXPECT_FALSE(welcome.isEmpty()) << "tintaloo_" << code.toStdString() << ".ts does not translate the welcome yet";
    if (!welcome.isEmpty()) {
        EXPECT_EQ(QCoreApplication::translate("frmFirstTime", "Welcome to The Tintaloo"), welcome);
    }
    // Qt's file dialog's own words.
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));

    ASSERT_TRUE(language.install(QString()));
    EXPECT_EQ(QCoreApplication::translate("frmFirstTime", "Welcome to The Tintaloo"),
              QStringLiteral("Welcome to The Tintaloo"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
}

INSTANTIATE_TEST_SUITE_P(Languages, UiLanguageInstall, ::testing::ValuesIn(TsCatalog::languages().toVector()),
                         [](const ::testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });

TEST(UiLanguageInstall, AnUnknownLanguageIsEnglishSilently)
{
    UiLanguage language(*qApp);
    EXPECT_FALSE(language.install(QStringLiteral("xx")));
    EXPECT_EQ(language.code(), QString());
    EXPECT_EQ(QLocale().language(), QLocale::English);
    EXPECT_EQ(QCoreApplication::translate("frmParentalOptions", "Options"), QStringLiteral("Options"));
}

TEST(UiLanguageInstall, TheTranslationsEndWithTheObject)
{
    {
        UiLanguage language(*qApp);
        language.install(QStringLiteral("de"));
    }
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

TEST(HelpInTheLanguage, ATopicComesFromTheLanguagesFolderWhenItIsThere)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/help/index.htm"), "<p>English</p>");
    data.writeFile(QStringLiteral("/help/Settings.htm"), "<p>English</p>");
    data.writeFile(QStringLiteral("/help/de/index.htm"), "<p>Deutsch</p>");
    data.writeFile(QStringLiteral("/help/pt_BR/index.htm"), "<p>Português</p>");
    UiLanguage language(*qApp);

    language.install(QStringLiteral("de"));
    EXPECT_EQ(mMain::HelpTopicPath(data.folder(), QStringLiteral("index.htm")), data.path(QStringLiteral("/help/de/index.htm")));
    // A topic the language lacks is the English one.
    EXPECT_EQ(mMain::HelpTopicPath(data.folder(), QStringLiteral("Settings.htm")),
              data.path(QStringLiteral("/help/Settings.htm")));

    language.install(QStringLiteral("pt_BR"));
    EXPECT_EQ(mMain::HelpTopicPath(data.folder(), QStringLiteral("index.htm")),
              data.path(QStringLiteral("/help/pt_BR/index.htm")));

    // A language without a help folder, and English, read the English topics.
    language.install(QStringLiteral("fr"));
    EXPECT_EQ(mMain::HelpTopicPath(data.folder(), QStringLiteral("index.htm")), data.path(QStringLiteral("/help/index.htm")));
    language.install(QString());
    EXPECT_EQ(mMain::HelpTopicPath(data.folder(), QStringLiteral("index.htm")), data.path(QStringLiteral("/help/index.htm")));
}

// The generated defaults: every language's topics, each folder with the
// style sheet its topics link to.
TEST(HelpInTheLanguage, TheDefaultsHaveEveryLanguagesTopicsAndStyleSheet)
{
    const QString help = QStringLiteral(TINTALOO_DEFAULTS_DIR "/help");
    const QStringList english = QDir(help).entryList({QStringLiteral("*.htm")}, QDir::Files);
    ASSERT_FALSE(english.isEmpty());
    for (const QString& code : TsCatalog::languages()) {
        const QDir folder(help + QLatin1Char('/') + code);
        EXPECT_EQ(folder.entryList({QStringLiteral("*.htm")}, QDir::Files), english) << code.toStdString();
        EXPECT_TRUE(folder.exists(QStringLiteral("style.css"))) << code.toStdString();
    }
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The real program started in each language, as a family's desktop starts
// it (LANGUAGE and LANG set, a fresh data folder): the first-run welcome
// comes to the front with the caption the language's translation file gives
// it; a language Tintaloo does not speak, and English, show the English one.
#include "e2e/E2eEnvironment.h"
#include "e2e/TintalooProcess.h"
#include "e2e/TintalooScreen.h"
#include "e2e/TestDesktop.h"
#include "support/TsCatalog.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char* const WelcomeCaption = "Welcome to The Tintaloo";

class LanguageStart : public ::testing::TestWithParam<QString>
{
};

TEST_P(LanguageStart, TheWelcomeHasTheLanguagesCaption)
{
    E2E_REQUIRE_DESKTOP();
    const QString code = GetParam();
    const bool translated = TsCatalog::languages().contains(code);
    const QString expected = translated ? TsCatalog(code).translation("frmFirstTime", WelcomeCaption)
                                        : QString::fromLatin1(WelcomeCaption);
    ASSERT_FALSE(expected.isEmpty()) << "tintaloo_" << code.toStdString() << ".ts does not translate \""
                                     << WelcomeCaption << "\" yet";

    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    TestDesktop& desktop = *E2e::desktop();
    TintalooProcess program(desktop, data.path());
    program.setLanguage(code);
    TintalooScreen screen(desktop, program);
    ASSERT_TRUE(program.start()) << program.log().toStdString();
    // The window manager may add the program's name after the caption.
    const auto welcome = screen.waitForActive(
        [&expected](const TestDesktop::WindowInfo& w) { return w.name.startsWith(expected); });
    EXPECT_TRUE(welcome.isValid()) << "no window \"" << expected.toStdString() << "\" in front; in front: \""
                                   << desktop.activeWindow().name.toStdString() << "\"\nprogram output:\n"
                                   << program.log().toStdString();
}

QStringList startLanguages()
{
    // Japanese: a language without a translation.
    return TsCatalog::languages() + QStringList{QStringLiteral("en"), QStringLiteral("ja")};
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageStart, ::testing::ValuesIn(startLanguages().toVector()),
                         [](const ::testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });

} // namespace

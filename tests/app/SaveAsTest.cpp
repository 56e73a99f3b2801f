// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrmMain.h"
#include "platform/KeyboardFilter.h"
#include "platform/Random.h"
#include "support/FileDialogDriver.h"
#include "support/ModalDriver.h"
#include "support/WindowWatch.h"
#include "support/TempDataFolder.h"
#include "ui/SoundBoard.h"
#include "ui/pButton.h"

#include <QFile>
#include <QImage>
#include <QTest>
#include "support/TestTools.h"
#include "support/SettingsBuilder.h"

#include <gtest/gtest.h>

namespace {

const QByteArray PlainSettings = SettingsBuilder();

TEST(SaveAs, TheOverwriteQuestionIsAboutTheNameReallyWritten)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/Settings.ini"), PlainSettings);
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"), 200, 120);
    data.writeFile(QStringLiteral("/saved/picture.jpg"), "an older picture");
    const QString saved = data.root() + QStringLiteral("/saved");
    Random random{7};
    SoundBoard sounds{random};
    KeyboardFilter keyboard;
    FrmMain window({data.folder(), random, sounds, keyboard});
    window.setScreenOverride(QSize(1024, 768), 32);
    window.setPictureChooser([&data] { return data.path(QStringLiteral("/books/Animals/cat.bmp")); });
    ASSERT_TRUE(window.startUp());

    // Typing "picture" means picture.jpg, which exists: the parent is asked
    // about picture.jpg. "Cancel" goes back to the dialog; the second time
    // "Continue" replaces it.
    QStringList questions;
    FileDialogDriver::SeenPtr seen;
    ModalDriver::answerNext([&](QWidget* prompt) {
        seen = FileDialogDriver::type(saved, QStringLiteral("picture"), [&]() {
            WindowWatch::answerNotice(questions, true, [&]() {
                FileDialogDriver::type(saved, QStringLiteral("picture"), [&]() { WindowWatch::answerNotice(questions, false, {}); });
            });
        });
        ModalDriver::clickChild(prompt, "cOut1");
    });
    QTest::mouseClick(ModalDriver::child<pButton>(&window, "pFunc1"), Qt::LeftButton);
    EXPECT_TRUE(ModalDriver::allAnswered());
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->title, QStringLiteral("Save current picture as..."));
    EXPECT_EQ(seen->shownFilters, QStringList{QStringLiteral("Jpeg file (*.jpg)")});
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions[0].contains(saved + QStringLiteral("/picture.jpg")));
    EXPECT_FALSE(QFile::exists(saved + QStringLiteral("/picture")));
    const QImage written(saved + QStringLiteral("/picture.jpg"), "JPG");
    EXPECT_EQ(written.size(), QSize(200, 120));
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// In every language, on a 1024 x 768 screen, the windows show all of their
// words: each label, link, check box and option button is large enough for
// its text (wrapped where it wraps), lies inside its window and covers no
// other, and each window fits the screen.
#include "app/UiLanguage.h"
#include "app/frmSplash.h"
#include "library/frmBookTitle.h"
#include "library/frmColoredPictures.h"
#include "library/frmLineArtPreview.h"
#include "library/frmManagePictures.h"
#include "library/frmOpen.h"
#include "library/frmPicturePack.h"
#include "parental/frmFirstTime.h"
#include "parental/frmParentalOptions.h"
#include "platform/Random.h"
#include "platform/Settings.h"
#include "support/TempDataFolder.h"
#include "support/TsCatalog.h"
#include "support/SettingsBuilder.h"
#include "ui/SoundBoard.h"
#include "ui/frmMessage.h"
#include "ui/frmParentMessage.h"
#include "ui/pButton.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <iostream>

namespace {

const QSize Screen(1024, 768);

bool insideAControl(QWidget* widget, QWidget* window)
{
    for (QWidget* p = widget->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<QAbstractScrollArea*>(p) || qobject_cast<QComboBox*>(p))
            return true;
    return false;
}

QString nameOf(QWidget* w)
{
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w))
        text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        text = button->text();
    return QStringLiteral("%1 \"%2\"").arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                                      : w->objectName(),
                                           text.left(50));
}

// The words of a window that do not fit, one line each.
QStringList cutOff(QWidget* window)
{
    QStringList problems;
    if (window->width() > Screen.width() || window->height() > Screen.height())
        problems << QStringLiteral("the window is %1 x %2").arg(window->width()).arg(window->height());
    struct Shown
    {
        QWidget* widget;
        QRect rect;
    };
    QList<Shown> shown;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || insideAControl(w, window))
            continue;
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (label && (label->text().isEmpty() || !label->pixmap().isNull()))
            continue;
        if (!label && !button)
            continue;
        const QRect rect(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!window->rect().contains(rect))
            problems << QStringLiteral("%1 at %2,%3 %4 x %5 reaches outside the window")
                            .arg(nameOf(w))
                            .arg(rect.x())
                            .arg(rect.y())
                            .arg(rect.width())
                            .arg(rect.height());
        if (label && label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            if (needed > label->height())
                problems << QStringLiteral("%1 needs %2 px of height, has %3").arg(nameOf(w)).arg(needed).arg(label->height());
        } else {
            const QSize hint = w->sizeHint();
            if (hint.width() > w->width() || hint.height() > w->height())
                problems << QStringLiteral("%1 needs %2 x %3, has %4 x %5")
                                .arg(nameOf(w))
                                .arg(hint.width())
                                .arg(hint.height())
                                .arg(w->width())
                                .arg(w->height());
        }
        // What overlaps is the words, not the boxes: a notice's box may
        // reach behind the links below its text.
        QRect words = rect;
        if (label) {
            const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
            words = label->fontMetrics()
                        .boundingRect(label->contentsRect(), flags, label->text())
                        .intersected(label->rect())
                        .translated(rect.topLeft());
        }
        shown.append({w, words});
    }
    for (qsizetype i = 0; i < shown.size(); ++i)
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            if (shown[i].rect.intersects(shown[j].rect))
                problems << QStringLiteral("%1 and %2 overlap").arg(nameOf(shown[i].widget), nameOf(shown[j].widget));
    return problems;
}

class LayoutFit : public ::testing::TestWithParam<QString>
{
protected:
    void SetUp() override
    {
        language.install(GetParam());
        // Readable settings: the options window opens without the welcome.
        data.writeFile(QStringLiteral("/Settings.ini"), SettingsBuilder().sound());
        data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
        data.writePicture(QStringLiteral("/colored pictures/Animals/cat.bmp.jpg"));
    }
    void TearDown() override { language.install(QString()); }

    // Shows the window as the program would, then looks at it.
    void expectFits(QWidget& window, const char* what)
    {
        window.show();
        QApplication::processEvents();
        const QStringList problems = cutOff(&window);
        window.hide();
        std::string text;
        for (const QString& p : problems)
            text += "\n  " + p.toStdString();
        EXPECT_TRUE(problems.isEmpty()) << what << " in " << GetParam().toStdString() << ":" << text;
    }

    // The main window's texts in the prompt and the notice.
    static QString fromMainWindow(const char* source) { return QCoreApplication::translate("FrmMain", source); }

    UiLanguage language{*qApp};
    TempDataFolder data;
    Random random{7u};
    SoundBoard sounds{random};
    Settings settings;
};

TEST_P(LayoutFit, TheOptionsAndTheWelcome)
{
    frmParentalOptions options(data.folder());
    expectFits(options, "the options window");
    frmFirstTime welcome;
    welcome.setForm_style(1);
    expectFits(welcome, "the first-run welcome");
}

TEST_P(LayoutFit, TheSplashAndTheAboutBox)
{
    frmSplash splash(data.folder());
    splash.setForm_style(1);
    expectFits(splash, "the loading splash");
    frmSplash about(data.folder());
    about.setForm_style(0);
    expectFits(about, "the about box");
}

TEST_P(LayoutFit, ThePermissionPromptInEachOfItsHeights)
{
    // The longest texts for the child and for the parent.
    const char* const forChild =
        "Would you like to get rid of all the colors? If you don't, call someone who can help you! Or press never mind";
    const char* const forParent = "There was an attempt to clear out all the colors in the picture. If you click OK, all "
                                  "changes to the picture will be lost and you will be left with a black and white image.";
    settings.Parental_Password = QStringLiteral("secret");
    frmMessage prompt(settings, sounds);
    prompt.setMessage(fromMainWindow(forChild));
    prompt.setExtendedInformation(fromMainWindow(forParent));
    prompt.setShowCancel(true);
    prompt.setPasswordVisible(true);
    expectFits(prompt, "the prompt");
    prompt.show();
    // The details, then the password row (a wrong password opens it).
    Q_EMIT prompt.findChild<pButton*>(QStringLiteral("Check1"))->click();
    expectFits(prompt, "the prompt with its details");
    prompt.show();
    Q_EMIT prompt.findChild<pButton*>(QStringLiteral("cOut1"))->click();
    ASSERT_EQ(prompt.height(), frmMessage::PasswordHeight);
    expectFits(prompt, "the prompt asking for the password");
}

// Any longer text of the language, as a parent notice, as the prompt's words
// for the child and as its details for the parent.
TEST_P(LayoutFit, EveryLongTextFitsTheNoticeAndThePrompt)
{
    if (GetParam() == QLatin1String("en"))
        GTEST_SKIP() << "English is the source; its texts are checked in their windows";
    const TsCatalog catalog(GetParam());
    ASSERT_TRUE(catalog.isValid());
    int tried = 0;
    for (const QString& text : catalog.translations()) {
        if (text.size() < 60)
            continue;
        ++tried;
        frmParentMessage notice;
        notice.setMessage(text);
        notice.setCancelVisible(true);
        expectFits(notice, "a parent notice");
        frmMessage prompt(settings, sounds);
        prompt.setMessage(text);
        prompt.setExtendedInformation(text);
        prompt.show();
        Q_EMIT prompt.findChild<pButton*>(QStringLiteral("Check1"))->click();
        expectFits(prompt, "the prompt with its details");
        if (HasFailure())
            break;
    }
    std::cout << "layout: " << GetParam().toStdString() << ": " << tried << " long texts tried" << std::endl;
}

TEST_P(LayoutFit, TheParentNoticeAndTheBookTitle)
{
    frmParentMessage notice;
    notice.setMessage(fromMainWindow("The picture could not be saved because the disk or its folder is write protected. "
                                     "Press Cancel to keep it on the screen, then make room on the disk or save it "
                                     "elsewhere with Save as. Press Continue to go on without saving it."));
    notice.setCancelVisible(true);
    expectFits(notice, "the parent notice");
    frmBookTitle title;
    expectFits(title, "the book title prompt");
    frmLineArtPreview preview(QCoreApplication::translate("frmManagePictures",
                                                          "Would you like to add a black and white copy of '%1' "
                                                          "instead? It will be added to the book as '%2'.")
                                  .arg(QStringLiteral("my-holiday-photo.jpg"), QStringLiteral("my-holiday-photo.bmp")),
                              QImage(300, 200, QImage::Format_RGB32));
    expectFits(preview, "the black and white preview");
}

TEST_P(LayoutFit, ThePictureManagersAndThePackWindow)
{
    frmManagePictures manager(data.folder());
    expectFits(manager, "the picture manager");
    frmColoredPictures colored(data.folder());
    expectFits(colored, "the coloured pictures manager");
    frmPicturePack pack(data.folder());
    expectFits(pack, "the picture pack window");
}

TEST_P(LayoutFit, ThePictureBrowser)
{
    frmOpen browser(data.folder(), settings, sounds);
    expectFits(browser, "the picture browser");
}

QStringList everyLanguage()
{
    return QStringList{QStringLiteral("en")} + TsCatalog::languages();
}

INSTANTIATE_TEST_SUITE_P(Languages, LayoutFit, ::testing::ValuesIn(everyLanguage().toVector()),
                         [](const ::testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LibraryFixture.h"
#include "platform/Settings.h"
#include "library/ThumbnailStrip.h"
#include "library/frmOpen.h"
#include "platform/Random.h"
#include "support/ModalDriver.h"
#include "ui/SoundBoard.h"
#include "ui/frmParentMessage.h"
#include "ui/pButton.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A browser over a temporary program folder, opened as the main window
// opens it, with the test acting as the child or the parent.
class Browser : public ::testing::Test
{
protected:
    frmOpen& browser()
    {
        if (!m_browser) {
            m_browser = std::make_unique<frmOpen>(data.folder(), settings, sounds);
            m_browser->setProgress(&progress);
        }
        return *m_browser;
    }

    // Opens the browser; action runs on it once it shows and must close it.
    int open(ModalDriver::Action action)
    {
        frmOpen& w = browser();
        w.Filename.clear();
        ModalDriver::answerNext(std::move(action));
        const int result = w.exec();
        EXPECT_TRUE(ModalDriver::allAnswered());
        return result;
    }

    // Opens the browser when it is expected not to show (a failing load);
    // notice answers the window that appears instead.
    int openFailing(ModalDriver::Action notice)
    {
        ModalDriver::answerNext(std::move(notice));
        const int result = browser().exec();
        EXPECT_TRUE(ModalDriver::allAnswered());
        return result;
    }

    // Opens the browser over pictures some of which cannot be shown: the
    // notice naming them is continued and the browser then closed. Returns
    // what the notice told the parent.
    QString openAndReadTheLeftOutNotice()
    {
        QString told;
        ModalDriver::answerNext([&told](QWidget* modal) {
            auto* notice = qobject_cast<frmParentMessage*>(modal);
            ASSERT_NE(notice, nullptr);
            told = ModalDriver::childText(notice, "lMessage");
            ModalDriver::answerNext([](QWidget* w) { clickButton(w, "cClose"); });
            ModalDriver::clickChild(notice, "lContinue");
        });
        browser().exec();
        EXPECT_TRUE(ModalDriver::allAnswered());
        return told;
    }

    static ThumbnailStrip* strip(QWidget* w) { return w->findChild<ThumbnailStrip*>(QStringLiteral("Pmb")); }
    // What the strip shows at a point of its own, drawn by its own paint.
    static QRgb shownAt(QWidget* w, QPoint at)
    {
        return strip(w)->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0);
    }
    static pButton* button(QWidget* w, const char* name)
    {
        return w->findChild<pButton*>(QLatin1String(name));
    }
    static void clickStrip(QWidget* w, QPoint at)
    {
        QTest::mouseClick(strip(w), Qt::LeftButton, Qt::NoModifier, at);
    }
    static void clickButton(QWidget* w, const char* name) { ModalDriver::click(button(w, name)); }
    // The middle of a cell.
    static QPoint centre(const PictureEntry& entry) { return {entry.left + 50, entry.top + 50}; }

    QString file(const QString& tail) const { return data.root() + tail; }
    bool exists(const QString& tail) const { return QFileInfo::exists(file(tail)); }

    TempDataFolder data;
    Settings settings;
    Random random{7u};
    SoundBoard sounds{random};
    RecordingProgress progress;

private:
    std::unique_ptr<frmOpen> m_browser;
};

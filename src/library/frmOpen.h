// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/BookStore.h"
#include "library/PictureEntry.h"
#include "library/StripThumbnails.h"
#include "ui/BorderedDialog.h"

#include <QList>
#include <QString>

class LoadProgress;
class QTimer;
class ProgramFolder;
class SoundBoard;
class ThumbnailStrip;
class pButton;
struct Settings;

// The picture browser: every book's thumbnails in one tall strip that
// scrolls inside a fixed viewport, own pictures first. A click on a
// thumbnail hands the picture's path back in Filename.
//
// The window stays alive between uses: the first exec() builds the strip
// from the folders, each later exec() only refreshes the thumbnail of the
// picture chosen last (it may have been coloured since). After exec()
// returns, the caller reads:
//   Filename        the chosen picture, or "" when nothing was chosen;
//   UnloadRequested the browser must be deleted, so that the next opening
//                   rebuilds it (a new own picture, or more pictures asked for);
//   LoadFailed      the books could not be loaded (no books folder, or not
//                   one picture that can be read) and the parent has been
//                   told; the program ends.
// Pictures that cannot be read are left out of the strip, and the parent is
// told their names once per load.
class frmOpen : public BorderedDialog
{
    Q_OBJECT
public:
    // The viewport PB, at (ViewportLeft, ViewportTop) of the window; the
    // strip is as wide as PB minus the scroll buttons.
    static constexpr int ViewportLeft = 30;
    static constexpr int ViewportTop = 60;
    static constexpr int ViewportWidth = 580;
    static constexpr int ViewportHeight = 426;
    // The blank page of a new own picture.
    static constexpr int OwnPageWidth = 750;
    static constexpr int OwnPageHeight = 480;

    frmOpen(const ProgramFolder& folder, const Settings& settings, SoundBoard& sounds,
            QWidget* parent = nullptr);
    ~frmOpen() override;

    // Where loading shows its progress (the splash window); may be null.
    void setProgress(LoadProgress* progress) { m_progress = progress; }
    // The picture on the canvas ("" for none), which the picture manager
    // opened from here must not delete.
    void setCurrentPicture(const QString& path) { m_currentPicture = path; }

    int exec() override;

    static QString ProperCase(const QString& txt) { return BookStore::ProperCase(txt); }

    // The thumbnails on the strip, in drawing order.
    const QList<PictureEntry>& pictureTable() const { return m_table; }
    // Whether every thumbnail the strip needs has been made (those missing
    // after the load are made while the browser shows).
    bool thumbnailsComplete() const { return !m_thumbnails.hasMissing(); }

    QString Filename;
    bool UnloadRequested = false;
    bool LoadFailed = false;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The window manager cannot close the browser: leaving it is the
    // child's choice, through a thumbnail or "nevermind".
    void closeEvent(QCloseEvent* event) override;
    // Nor can Escape.
    void reject() override {}

private:
    void buildWindow();
    pButton* makeButton(const char* name, QWidget* parent, int up, int down, QSize designSize);
    void placeScrollControls();
    void centreOnScreen();

    bool loadBooks();
    int fillStrip();
    // Takes the pictures whose thumbnails cannot be had out of contents and
    // names them in m_unreadable; makes the missing thumbnails.
    void checkThumbnails(QList<BookContents>& contents, const QList<std::pair<int, QString>>& passes,
                         int bookCount);
    // Places the cells of contents on the strip, which is at least height high.
    void layOutStrip(const QList<BookContents>& contents, int height);
    static int stripHeightFor(const QList<BookContents>& contents, int width, int height);
    // The thumbnails of the cells the strip shows first, made before it shows.
    void makeFirstThumbnails();
    void tellUnreadable();
    void showProgress(int position, int count, const QString& title);
    void failLoad();
    void comingBack();

    int hitTest(QPoint at) const;
    void onStripReleased(QPoint at);
    void onStripHovered(QPoint at);

    void scrollUp();
    void scrollDown();
    void dragStripBy(int dy);
    void slideStripTo(int target);
    void placeBall();
    void onBallDown(float y);
    void onBallMove(Qt::MouseButtons buttons, float y);

    void newPicture();
    void morePictures();
    void openManagerInsteadOfBrowser();
    void openPictureManager();
    void closeBrowser();
    void playCancelSound();

    BookStore m_store;
    const Settings& m_settings;
    SoundBoard& m_sounds;
    LoadProgress* m_progress = nullptr;
    QString m_currentPicture;

    QWidget* PB = nullptr;
    ThumbnailStrip* Pmb = nullptr;
    pButton* cScroll[2] = {nullptr, nullptr};
    pButton* sBall = nullptr;
    pButton* cClose = nullptr;
    pButton* cPicadd = nullptr;
    pButton* pMorePics = nullptr;

    QList<PictureEntry> m_table;
    StripThumbnails m_thumbnails; // what the strip reads its cells from
    QTimer* m_filler = nullptr; // makes the missing thumbnails while the browser idles
    QStringList m_unreadable; // "book/file" of pictures left out of this load
    int m_chosen = -1;
    int m_grabOffset = 0;
    bool m_loaded = false;
    bool m_handShown = false;
    bool m_managerAsked = false;
};

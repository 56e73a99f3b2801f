// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/frmOpen.h"

#include "platform/Settings.h"
#include "library/LoadProgress.h"
#include "library/StripLayout.h"
#include "library/ThumbnailStrip.h"
#include "library/frmManagePictures.h"
#include "ui/ParentPrompt.h"
#include "platform/AppError.h"
#include "platform/PictureSurface.h"
#include "platform/ProgramFolder.h"
#include "ui/AppFonts.h"
#include "ui/Resources.h"
#include "ui/SoundBoard.h"
#include "ui/pButton.h"
#include "platform/Log.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int WindowWidth = 640;
constexpr int WindowHeight = 568;
constexpr QPoint ViewportPos(frmOpen::ViewportLeft, frmOpen::ViewportTop);
constexpr int ScrollStep = 160;

int roundEven(double value)
{
    return int(std::nearbyint(value));
}

// The hourglass over the whole screen while the books load.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { release(); }
    void release()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};

} // namespace

frmOpen::frmOpen(const ProgramFolder& folder, const Settings& settings, SoundBoard& sounds,
                 QWidget* parent)
    : BorderedDialog(parent)
    , m_store(folder)
    , m_settings(settings)
    , m_sounds(sounds)
{
    setObjectName(QStringLiteral("frmOpen"));
    buildWindow();
    // One thumbnail per turn of the event loop, so the child can scroll and
    // choose meanwhile.
    m_filler = new QTimer(this);
    m_filler->setInterval(0);
    connect(m_filler, &QTimer::timeout, this, [this]() {
        if (!m_thumbnails.makeNext())
            m_filler->stop();
    });
}

frmOpen::~frmOpen() = default;

void frmOpen::buildWindow()
{
    setFixedSize(WindowWidth, WindowHeight);

    auto* title = new QLabel(tr("Which picture would you like to color?"), this);
    title->setObjectName(QStringLiteral("lTitle"));
    title->setFont(AppFonts::playful(20, true));
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(ViewportPos.x(), 12, ViewportWidth, 40);
    // One line over the pictures; a longer question is set smaller.
    title->setFont(AppFonts::shrunkToFit(title->font(), title->text(), title->size(), false, 20, 12));

    PB = new QWidget(this);
    PB->setObjectName(QStringLiteral("PB"));
    PB->setGeometry(QRect(ViewportPos, QSize(ViewportWidth, ViewportHeight)));
    PB->setAutoFillBackground(true);
    QPalette white = PB->palette();
    white.setColor(QPalette::Window, Qt::white);
    PB->setPalette(white);

    Pmb = new ThumbnailStrip(PB);
    Pmb->setObjectName(QStringLiteral("Pmb"));
    Pmb->hide();
    connect(Pmb, &ThumbnailStrip::released, this, &frmOpen::onStripReleased);
    connect(Pmb, &ThumbnailStrip::hovered, this, &frmOpen::onStripHovered);
    connect(Pmb, &ThumbnailStrip::dragged, this, &frmOpen::dragStripBy);

    cScroll[0] = makeButton("cScroll0", PB, BitmapId::UpArrowUp, BitmapId::UpArrowDown, QSize(40, 40));
    cScroll[1] = makeButton("cScroll1", PB, BitmapId::DownArrowUp, BitmapId::DownArrowDown, QSize(40, 40));
    sBall = makeButton("sBall", PB, BitmapId::SliderUp, BitmapId::SliderDown, QSize(36, 36));
    connect(cScroll[0], &pButton::click, this, &frmOpen::scrollUp);
    connect(cScroll[1], &pButton::click, this, &frmOpen::scrollDown);
    connect(sBall, &pButton::MouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, float, float y) { onBallDown(y); });
    connect(sBall, &pButton::MouseMove, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers, float, float y) {
                onBallMove(buttons, y);
            });

    const int commandsTop = ViewportPos.y() + ViewportHeight + 10;
    cPicadd = makeButton("cPicadd", this, BitmapId::NewPictureUp, BitmapId::NewPictureDown, QSize(140, 60));
    cPicadd->move(ViewportPos.x(), commandsTop);
    pMorePics = makeButton("pMorePics", this, BitmapId::MorePicturesUp, BitmapId::MorePicturesDown, QSize(140, 60));
    pMorePics->move(ViewportPos.x() + cPicadd->width() + 10, commandsTop);
    cClose = makeButton("cClose", this, BitmapId::NevermindUp, BitmapId::NevermindDown, QSize(150, 36));
    cClose->move(ViewportPos.x() + ViewportWidth - cClose->width(),
                 commandsTop + (cPicadd->height() - cClose->height()) / 2);
    connect(cPicadd, &pButton::click, this, &frmOpen::newPicture);
    connect(pMorePics, &pButton::click, this, &frmOpen::morePictures);
    connect(cClose, &pButton::click, this, &frmOpen::closeBrowser);

    placeScrollControls();
}

pButton* frmOpen::makeButton(const char* name, QWidget* parent, int up, int down, QSize designSize)
{
    auto* button = new pButton(parent);
    button->setObjectName(QLatin1String(name));
    button->SetPicture(Resources::bitmap(up), Resources::bitmap(down));
    if (button->size().isEmpty() || button->upImage().isEmpty())
        button->resize(designSize);
    button->setMouseIcon(Resources::handCursor());
    return button;
}

void frmOpen::placeScrollControls()
{
    cScroll[0]->move(PB->width() - cScroll[0]->width(), 0);
    cScroll[1]->move(PB->width() - cScroll[1]->width(), PB->height() - cScroll[1]->height());
    sBall->move(cScroll[1]->x() + 2, cScroll[0]->height());
    Pmb->setGeometry(0, 0, cScroll[1]->x(), PB->height());
    Pmb->setStripHeight(PB->height());
}

void frmOpen::paintEvent(QPaintEvent* event)
{
    BorderedDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(200, 200, 200));
    painter.drawRect(PB->geometry().adjusted(-1, -1, 0, 0));
}

void frmOpen::centreOnScreen()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void frmOpen::closeEvent(QCloseEvent* event)
{
    if (event->spontaneous())
        event->ignore();
    else
        BorderedDialog::closeEvent(event);
}

int frmOpen::exec()
{
    if (LoadFailed)
        return Rejected;
    Filename.clear();
    if (!m_loaded) {
        m_loaded = true;
        if (!loadBooks()) {
            failLoad();
            return Rejected;
        }
        tellUnreadable();
    } else {
        comingBack();
    }
    centreOnScreen();
    if (m_thumbnails.hasMissing())
        m_filler->start();
    const int result = BorderedDialog::exec();
    // Hidden, the browser makes nothing; what it made is written now.
    m_filler->stop();
    m_thumbnails.flush();
    // The manager opens once the browser's own loop has ended, never
    // inside it.
    if (std::exchange(m_managerAsked, false))
        openManagerInsteadOfBrowser();
    return result;
}

// ---------------------------------------------------------------- loading

bool frmOpen::loadBooks()
{
    BusyCursor busy;
    if (m_progress)
        m_progress->begin();
    int count = 0;
    try {
        count = fillStrip();
    } catch (const AppError& e) {
        qCWarning(Log::files) << "The books could not be loaded:" << e.description() << e.source();
        count = 0;
    } catch (const std::exception& e) {
        qCWarning(Log::files) << "The books could not be loaded:" << e.what();
        count = 0;
    }
    if (count == 0)
        return false;
    Pmb->show();
    if (m_progress)
        m_progress->end();
    return true;
}

int frmOpen::fillStrip()
{
    m_table.clear();
    m_unreadable.clear();
    if (!m_store.booksExist())
        return 0;

    // Own pictures come first; every book keeps its place in the listing
    // for the progress figure.
    const QStringList books = m_store.books();
    QList<std::pair<int, QString>> passes;
    for (const QString& book : books)
        if (m_store.isOwnPicturesName(book))
            passes.append({0, book});
    for (int i = 0; i < books.size(); ++i)
        if (!m_store.isOwnPicturesName(books.at(i)))
            passes.append({i, books.at(i)});

    QList<BookContents> contents;
    for (const auto& pass : passes)
        contents.append(m_store.readBook(pass.second));
    // The strip has always kept the height that every picture found needs,
    // those left out included.
    const int height = stripHeightFor(contents, Pmb->width(), Pmb->height());
    checkThumbnails(contents, passes, int(books.size()));
    layOutStrip(contents, height);
    makeFirstThumbnails();
    const bool scrolls = Pmb->height() > PB->height();
    cScroll[0]->setEnabled(scrolls);
    cScroll[1]->setEnabled(scrolls);
    sBall->setEnabled(scrolls);
    return int(m_table.size());
}

void frmOpen::showProgress(int position, int count, const QString& title)
{
    if (m_progress) {
        const int percent = count > 0 ? (position + 1) * 100 / count : 100;
        m_progress->setText(tr("Loading(%1%)... %2.").arg(QString::number(percent), title));
    }
    // The progress line is repainted between books. The child's clicks wait
    // until the strip is ready: none may start another command meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// No thumbnail on disk is decoded here, only checked: the strip reads each
// one when its row comes into view, so that a load costs little more for ten
// thousand pictures than for a hundred. Nor is a picture without one: it is
// checked by its structure, and its thumbnail made when it is first shown
// or while the browser idles.
void frmOpen::checkThumbnails(QList<BookContents>& contents, const QList<std::pair<int, QString>>& passes,
                              int bookCount)
{
    for (qsizetype b = 0; b < contents.size(); ++b) {
        BookContents& book = contents[b];
        showProgress(passes.at(b).first, bookCount, book.title);
        QStringList unreadable;
        for (const QString& file : std::as_const(book.pictures)) {
            try {
                BookStore::checkBrowserThumbnail(book, file);
            } catch (const AppError& e) {
                qCWarning(Log::files) << "Left out the picture" << book.folder() << file << ":" << e.description();
                unreadable << file;
            }
        }
        for (const QString& file : std::as_const(unreadable)) {
            book.pictures.removeOne(file);
            m_unreadable << book.name + QLatin1Char('/') + file;
        }
    }
}

int frmOpen::stripHeightFor(const QList<BookContents>& contents, int width, int height)
{
    StripLayout layout(width, height);
    for (const BookContents& book : contents) {
        if (book.pictures.isEmpty())
            continue;
        layout.beginBook();
        for (qsizetype i = 0; i < book.pictures.size(); ++i)
            layout.placeNext();
        layout.endBook();
    }
    return layout.height();
}

void frmOpen::layOutStrip(const QList<BookContents>& contents, int height)
{
    m_table.clear();
    QList<StripCell> cells;
    StripLayout layout(Pmb->width(), height);
    for (const BookContents& book : contents) {
        if (book.pictures.isEmpty())
            continue;
        layout.beginBook();
        for (const QString& file : book.pictures) {
            const QPoint cell = layout.placeNext();
            m_table.append(PictureEntry{cell.x(), cell.y(), file, book.folder()});
            cells.append(StripCell{cell, book.ownPictures});
        }
        layout.endBook();
    }
    Pmb->setStripHeight(layout.height());
    m_thumbnails.setBooks(contents);
    Pmb->setCells(std::move(cells), [this](int cell) { return m_thumbnails.thumbnail(cell); });
}

// The strip shows its first rows complete; the rest are made once it shows.
void frmOpen::makeFirstThumbnails()
{
    const int bottom = PB->height() + ThumbnailStrip::AheadPixels;
    const auto end = std::partition_point(m_table.cbegin(), m_table.cend(),
                                          [bottom](const PictureEntry& e) { return e.top < bottom; });
    m_thumbnails.makeMissing(0, int(end - m_table.cbegin()));
}

// Once per load, the parent learns which pictures were left out.
void frmOpen::tellUnreadable()
{
    if (m_unreadable.isEmpty())
        return;
    constexpr int MaxNamed = 20;
    QString names = m_unreadable.mid(0, MaxNamed).join(QLatin1Char('\n'));
    if (m_unreadable.size() > MaxNamed)
        names += QLatin1Char('\n') + tr("and %n more", "pictures left out", int(m_unreadable.size() - MaxNamed));
    ParentPrompt::tell(parentWidget(), tr("These pictures could not be read and were left out of the books. They "
                                          "may be damaged; you can delete them in the picture manager.")
                                           + QLatin1Char('\n') + names);
    m_unreadable.clear();
}

void frmOpen::failLoad()
{
    if (m_progress)
        m_progress->end();
    ParentPrompt::ask(parentWidget(), m_settings, m_sounds,
                      {tr("There was a problem loading the pictures. Make sure that none of them are "
                          "damaged. If you do not know what the problem is, please reinstall The "
                          "Tintaloo. Press OK to exit the program."),
                       tr("Oh no! something strange has happened! Call someone who can help you!")});
    LoadFailed = true;
}

// The picture chosen last may have been coloured since: its thumbnail is
// made again from the coloured file, so the child sees it in colour.
void frmOpen::comingBack()
{
    if (m_chosen < 0 || m_chosen >= m_table.size())
        return;
    const PictureEntry& entry = m_table.at(m_chosen);
    const QString colored = m_store.coloredPicturePath(entry.path());
    if (!QFileInfo(colored).isFile() || !m_store.programFolder().holds(QFileInfo(colored).path()))
        return;
    try {
        const QString thumbPath = BookStore::thumbnailPath(colored);
        if (QFileInfo::exists(thumbPath) || QFileInfo(thumbPath).isSymLink()) {
            QFile stale(thumbPath);
            if (!stale.remove())
                qCWarning(Log::files) << "Could not remove the old thumbnail" << thumbPath << ":" << stale.errorString();
        }
        const QImage thumbnail = BookStore::makeThumbnail(colored, thumbPath);
        if (thumbnail.isNull())
            return;
        m_thumbnails.replace(m_chosen, thumbnail);
        Pmb->refresh(m_chosen);
    } catch (const AppError& e) {
        // The coloured file cannot be read: the old thumbnail stays.
        qCWarning(Log::files) << "The thumbnail of" << colored << "could not be made again:" << e.description();
    }
}

// ---------------------------------------------------------------- choosing

// Every mouse move asks: only the cells of the row at the point's height
// are looked at, found by the tops, which never decrease along the table.
int frmOpen::hitTest(QPoint at) const
{
    const auto first = std::partition_point(m_table.cbegin(), m_table.cend(),
                                            [&at](const PictureEntry& e) { return e.top + 100 <= at.y(); });
    int hit = -1;
    for (auto it = first; it != m_table.cend() && it->top < at.y(); ++it)
        if (it->hit(at.x(), at.y()))
            hit = int(it - m_table.cbegin());
    return hit;
}

void frmOpen::onStripReleased(QPoint at)
{
    const int hit = hitTest(at);
    if (hit < 0)
        return;
    Filename = m_table.at(hit).path();
    m_chosen = hit;
    done(Accepted);
}

void frmOpen::onStripHovered(QPoint at)
{
    const bool over = hitTest(at) >= 0;
    if (over == m_handShown)
        return;
    m_handShown = over;
    if (over)
        Pmb->setCursor(Resources::handCursor());
    else
        Pmb->unsetCursor();
}

// ---------------------------------------------------------------- scrolling

void frmOpen::scrollDown()
{
    const int viewport = PB->height();
    const int strip = Pmb->height();
    const int top = Pmb->y();
    if (strip + top <= viewport)
        return;
    slideStripTo(strip + top - ScrollStep > viewport ? top - ScrollStep : viewport - strip);
}

void frmOpen::scrollUp()
{
    const int top = Pmb->y();
    if (top >= 0)
        return;
    slideStripTo(top + ScrollStep >= 0 ? 0 : top + ScrollStep);
}

// One pixel per step, painted at once: the stepping is the animation.
void frmOpen::slideStripTo(int target)
{
    int top = Pmb->y();
    const int step = target < top ? -1 : 1;
    while (top != target) {
        top += step;
        Pmb->move(0, top);
        placeBall();
        repaint();
    }
}

// A finger on the strip moves it with the finger, as far as there is more
// to see.
void frmOpen::dragStripBy(int dy)
{
    const int lowest = std::min(0, PB->height() - Pmb->height());
    const int top = std::clamp(Pmb->y() + dy, lowest, 0);
    if (top == Pmb->y())
        return;
    Pmb->move(0, top);
    placeBall();
}

void frmOpen::placeBall()
{
    const int upHeight = cScroll[0]->height();
    const int travel = cScroll[1]->y() - sBall->height() - upHeight;
    const int hidden = PB->height() - Pmb->height();
    if (hidden == 0)
        return;
    sBall->move(sBall->x(), roundEven(upHeight + double(travel) * Pmb->y() / hidden));
}

void frmOpen::onBallDown(float y)
{
    m_grabOffset = roundEven(y);
}

void frmOpen::onBallMove(Qt::MouseButtons buttons, float y)
{
    if (buttons == Qt::NoButton)
        return;
    const int upHeight = cScroll[0]->height();
    const int downTop = cScroll[1]->y();
    int top = roundEven(sBall->y() + y - m_grabOffset);
    if (top < upHeight)
        top = upHeight;
    if (top + sBall->height() > downTop)
        top = downTop - sBall->height();
    sBall->move(sBall->x(), top);
    const int travel = downTop - sBall->height() - upHeight;
    if (travel > 0)
        Pmb->move(0, roundEven(double(top - upHeight) / travel * (PB->height() - Pmb->height())));
    repaint();
}

// ---------------------------------------------------------------- commands

void frmOpen::newPicture()
{
    try {
        const QString ownFolder = m_store.ownPicturesFolder();
        if (!QFileInfo(ownFolder).isDir() && !QDir().mkpath(ownFolder))
            throw AppError(ErrorNumber::PathNotFound, QStringLiteral("Path not found"));
        if (!m_store.programFolder().holds(ownFolder))
            throw AppError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"));
        PictureSurface page(QSize(OwnPageWidth, OwnPageHeight), 0xFFFFFFFF);
        page.commit();
        const QString path = m_store.nextOwnPicturePath();
        if (!QFileInfo::exists(path))
            page.saveBmp(path);
        Filename = path;
        UnloadRequested = true;
        done(Accepted);
    } catch (const AppError& e) {
        qCWarning(Log::files) << "A new own picture could not be started:" << e.description() << e.source();
        ParentPrompt::ask(this, m_settings, m_sounds,
                          {tr("An unknown error occurred when there was an attempt to start drawing a "
                              "new picture. Please make sure that the disk is not write protected and "
                              "that there is enough disk space."),
                           tr("Help! A new picture could not be started! Call someone who can help you "
                              "sort it out! Go!")});
    }
}

void frmOpen::morePictures()
{
    playCancelSound();
    const PromptTexts texts = {
        tr("You or your child has asked for more pictures to be added to The Tintaloo. "
           "If you wish to allow this, please press OK to continue."),
        tr("Would you like more pictures? Call someone who can get them for you!")};
    const PromptOptions options = m_settings.Use_Parental_password ? PromptOption::ShowCancel | PromptOption::Password
                                                                   : PromptOptions(PromptOption::ShowCancel);
    if (!ParentPrompt::ask(this, m_settings, m_sounds, texts, options))
        return;
    UnloadRequested = true;
    m_managerAsked = true;
    done(Rejected);
}

void frmOpen::openManagerInsteadOfBrowser()
{
    if (m_store.booksExist()) {
        openPictureManager();
    } else {
        ParentPrompt::tell(parentWidget(), tr("Could not find the books path. Please reinstall The Tintaloo!"));
    }
}

// The browser has already been given up, so the next opening rebuilds the
// strip with whatever the parent changed.
void frmOpen::openPictureManager()
{
    frmManagePictures manager(m_store.programFolder(), parentWidget());
    manager.setCurrentPicture(m_currentPicture);
    manager.exec();
}

void frmOpen::closeBrowser()
{
    playCancelSound();
    done(Rejected);
}

void frmOpen::playCancelSound()
{
    if (m_settings.Play_Sound)
        m_sounds.playVariant(QStringLiteral("CANCEL"), 4);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/frmPicturePack.h"

#include "library/PicturePack.h"
#include "platform/AtomicFile.h"
#include "ui/AppFonts.h"
#include "ui/GCommonDialog.h"
#include "ui/LinkLabel.h"
#include "ui/cFileDialog.h"
#include "ui/ParentPrompt.h"

#include <QFile>
#include <QLabel>

#include <algorithm>

namespace {

// The parent's links, named for the window's tests.
LinkLabel* makeLink(const QString& caption, const QString& name, QWidget* parent)
{
    LinkLabel* link = LinkLabel::noticeLink(caption, parent);
    link->setObjectName(name);
    return link;
}

// The whole file, or nothing when it cannot be read.
bool readWhole(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

} // namespace

frmPicturePack::frmPicturePack(const ProgramFolder& folder, QWidget* parent)
    : BorderedDialog(parent)
    , m_folder(folder)
{
    Label6 = new QLabel(
        tr("This window allows you to create Picture Packs for The Tintaloo. Picture Packs are special "
                       "files that contain several pictures within them.  The advantage of a Picture Pack is that "
                       "distributing pictures will be easier (only one file needs to be distributed) and it will "
                       "ease the process of installing new pictures (only one file needs to be installed.)"),
        this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setFont(AppFonts::playful(11));
    Label6->setWordWrap(true);
    Label6->setTextFormat(Qt::PlainText);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The design's height, or more for a longer text; the rest moves down.
    const int introHeight = std::max(120, Label6->heightForWidth(WindowWidth - 20));
    const int grown = introHeight - 120;
    Label6->setGeometry(10, 10, WindowWidth - 20, introHeight);
    setFixedSize(WindowWidth, WindowHeight + grown);

    lJoin = makeLink(tr("Select files to put into the Picture Pack"), QStringLiteral("lJoin"), this);
    lJoin->move(10, 136 + grown);
    connect(lJoin, &LinkLabel::clicked, this, &frmPicturePack::lJoin_Click);

    Label1 = makeLink(tr("Close"), QStringLiteral("Label1"), this);
    Label1->move(WindowWidth - 10 - Label1->width(), height() - 10 - Label1->height());
    connect(Label1, &LinkLabel::clicked, this, &frmPicturePack::Label1_Click);
}

void frmPicturePack::notify(const QString& text)
{
    ParentPrompt::tell(this, text);
}

void frmPicturePack::lJoin_Click()
{
    cFileDialog open;
    open.Filter = tr("Pictures (*.bmp,*.gif,*.jpg)") + QStringLiteral("|*.bmp;*.gif;*.jpg");
    open.flags = cFileDialog::FileMustExist | cFileDialog::AllowMultiSelect;
    open.hwnd = this;
    open.CancelError = false;
    // The pictures of the program's own books are the likeliest to share.
    open.InitDir = m_folder.path(QStringLiteral("/books"));
    open.ShowOpen();
    if (open.Filename.isEmpty())
        return;

    QString folder;
    QStringList names;
    int count = 0;
    open.ParseMultiFileName(folder, names, count);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString book = folder.section(QLatin1Char('/'), -2, -2);

    // A pack whose names its reader would refuse helps nobody.
    if (!PicturePack::isAcceptableBookName(book)) {
        notify(tr("The folder name '%1' cannot be the name of a book. Please put the pictures in a folder named "
                  "after the book (at most 100 characters, none of \\ / : * ? \" < > |) and try again.")
                   .arg(book));
        return;
    }
    QList<PicturePack::Picture> pictures;
    for (const QString& name : std::as_const(names)) {
        if (!PicturePack::isAcceptablePictureName(name) || name.contains(QLatin1Char('|'))) {
            notify(tr("The file '%1' cannot be put into a Picture Pack. Only pictures ending in .bmp, .gif or "
                      ".jpg, without \"|\" in their names, can be.")
                       .arg(name));
            return;
        }
        PicturePack::Picture picture{name, {}};
        if (!readWhole(folder + name, picture.bytes)) {
            notify(tr("The picture '%1' could not be read, so the Picture Pack was not created. Please make sure "
                      "that the picture exists and that you may read it.")
                       .arg(folder + name));
            return;
        }
        pictures << picture;
    }
    const QByteArray pack = PicturePack::encode(book, pictures);
    pictures.clear();

    QString target, title;
    QString filter = tr("Tintaloo Picture Pack") + QStringLiteral("|*.tpk");
    int filterIndex = 1;
    qint32 flags = 0;
    if (!GCommonDialog::VBGetSaveFileName(target, title, true, filter, filterIndex, QString(),
                                          tr("Select where you would like to save the Picture Pack."),
                                          QStringLiteral("tpk"), this, flags))
        return;
    if (AtomicFile::tryWrite(target, pack))
        notify(tr("The Picture Pack has been successfully created!"));
    else
        notify(tr("There was an error saving the Picture Pack. Please make sure that the folder you "
                              "selected is not write protected and that there is enough space."));
}

void frmPicturePack::Label1_Click()
{
    accept();
}

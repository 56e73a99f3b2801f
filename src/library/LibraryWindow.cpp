// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/LibraryWindow.h"

#include "library/FolderListing.h"
#include "library/PictureList.h"
#include "ui/AppFonts.h"
#include "ui/LinkLabel.h"
#include "ui/ParentPrompt.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

namespace {

constexpr int Margin = 16;
constexpr int ListTop = 92;
constexpr int ListWidth = 524;
constexpr int ColumnLeft = Margin + ListWidth + 16;
constexpr int ColumnWidth = LibraryWindow::WindowWidth - ColumnLeft - Margin;
constexpr int CommandGap = 14;
constexpr int LinkPoints = 11;

const QColor LinkColour(0x1F, 0x4F, 0xB0);
const char* const TagProperty = "tag";
const QString CloseTag = QStringLiteral("close");

} // namespace

LibraryWindow::LibraryWindow(const ProgramFolder& folder, const QString& caption, const QString& topTail,
                             const QStringList& extensions, QWidget* parent)
    : BorderedDialog(parent)
    , m_folder(folder)
    , m_topTail(topTail)
    , m_extensions(extensions)
{
    setWindowTitle(caption);
    setFixedSize(WindowWidth, WindowHeight);

    auto* heading = new QLabel(caption, this);
    heading->setObjectName(QStringLiteral("lCaption"));
    heading->setFont(AppFonts::playful(18, true));
    heading->adjustSize();
    heading->move(Margin, 10);

    Label1 = new QLabel(tr("Select a book:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(AppFonts::playful(12));
    Label1->adjustSize();
    Label1->move(Margin, 58);

    cBooks = new QComboBox(this);
    cBooks->setObjectName(QStringLiteral("cBooks"));
    cBooks->setFont(AppFonts::playful(11));
    cBooks->setGeometry(Label1->geometry().right() + 10, 54, 300, 28);
    connect(cBooks, &QComboBox::activated, this, &LibraryWindow::bookChosen);

    LV = new QListWidget(this);
    LV->setObjectName(QStringLiteral("LV"));
    LV->setGeometry(Margin, ListTop, ListWidth, WindowHeight - ListTop - Margin);
    LV->setFont(AppFonts::playful(9));
    PictureList::configure(LV);

    m_nextCommandTop = ListTop;
}

LinkLabel* LibraryWindow::addCommand(int index, const QString& caption, const QString& tag,
                                     const QString& toolTip)
{
    auto* link = new LinkLabel(caption, this);
    link->setObjectName(QStringLiteral("cFunc%1").arg(index));
    link->setProperty(TagProperty, tag);
    QFont font = AppFonts::playful(LinkPoints, tag == CloseTag);
    font.setUnderline(true);
    link->setFont(font);
    QPalette pal = link->palette();
    pal.setColor(QPalette::WindowText, LinkColour);
    link->setPalette(pal);
    link->setToolTip(toolTip);
    link->setWordWrap(true);
    link->setFixedWidth(ColumnWidth);
    link->setFixedHeight(link->heightForWidth(ColumnWidth));
    if (tag == CloseTag) {
        // Close sits apart, at the foot of the column.
        link->move(ColumnLeft, WindowHeight - Margin - link->height());
    } else {
        link->move(ColumnLeft, m_nextCommandTop);
        m_nextCommandTop += link->height() + CommandGap;
    }
    connect(link, &LinkLabel::clicked, this, &LibraryWindow::onCommandClicked);
    m_commands.insert(index, link);
    return link;
}

void LibraryWindow::onCommandClicked()
{
    if (const QObject* link = sender())
        runCommand(link->property(TagProperty).toString());
}

// ---- the book chooser ----------------------------------------------------------

void LibraryWindow::loadBooks(const QString& select)
{
    const QSignalBlocker quiet(cBooks);
    cBooks->clear();
    const FolderListing top(m_folder.path(m_topTail), FolderListing::Kind::Folders);
    const QStringList names = top.sortedNames();
    for (const QString& name : names) {
        // A folder that is a link leading out of the program folder is not a
        // book of this program.
        if (!FolderListing::isHiddenName(name) && isInsideProgramFolder(top.pathOf(name)))
            cBooks->addItem(name);
    }
    if (cBooks->count() == 0)
        return;
    int index = select.isEmpty() ? 0 : cBooks->findText(select, Qt::MatchFixedString);
    selectBook(index < 0 ? 0 : index);
}

void LibraryWindow::selectBook(int index)
{
    {
        const QSignalBlocker quiet(cBooks);
        cBooks->setCurrentIndex(index);
    }
    fillList();
}

void LibraryWindow::bookChosen(int index)
{
    selectBook(index);
}

QString LibraryWindow::selectedBook() const
{
    return cBooks->currentIndex() < 0 ? QString() : cBooks->currentText();
}

int LibraryWindow::bookCount() const
{
    return cBooks->count();
}

void LibraryWindow::addBookEntry(const QString& book)
{
    int at = 0;
    while (at < cBooks->count() && FolderListing::lessByName(cBooks->itemText(at), book))
        ++at;
    {
        const QSignalBlocker quiet(cBooks);
        cBooks->insertItem(at, book);
    }
    selectBook(at);
}

void LibraryWindow::removeBookEntry(int index)
{
    const QSignalBlocker quiet(cBooks);
    cBooks->removeItem(index);
}

QString LibraryWindow::bookPath(const QString& book) const
{
    return m_folder.path(m_topTail + QLatin1Char('/') + book);
}

// ---- the list ------------------------------------------------------------------

void LibraryWindow::fillList()
{
    const QString book = selectedBook();
    if (book.isEmpty())
        return;
    const QString path = bookPath(book);
    if (!QFileInfo(path).isDir()) {
        notify(tr("'%1' could not be found. Please make sure that the directory exists and that it is not write "
                  "protected.")
                   .arg(path));
        return;
    }
    PictureList::fill(LV, path, m_extensions);
}

QStringList LibraryWindow::selectedNames() const
{
    QStringList names;
    for (int row = 0; row < LV->count(); ++row)
        if (LV->item(row)->isSelected())
            names << PictureList::keyOf(LV, row);
    return names;
}

void LibraryWindow::removeItem(const QString& name)
{
    for (int row = 0; row < LV->count(); ++row) {
        if (PictureList::keyOf(LV, row) == name) {
            delete LV->takeItem(row);
            return;
        }
    }
}

// ---- notices -------------------------------------------------------------------

void LibraryWindow::notify(const QString& text)
{
    ParentPrompt::tell(this, text);
}

bool LibraryWindow::ask(const QString& text)
{
    return ParentPrompt::tell(this, text, PromptOption::ShowCancel);
}

bool LibraryWindow::isInsideProgramFolder(const QString& path) const
{
    const QString root = QFileInfo(m_folder.root()).canonicalFilePath();
    const QString real = QFileInfo(path).canonicalFilePath();
    return !root.isEmpty() && !real.isEmpty() && real.startsWith(root + QLatin1Char('/'));
}

bool LibraryWindow::sameEntry(const QString& a, const QString& b, Qt::CaseSensitivity cs)
{
    if (a.compare(b, cs) == 0)
        return true;
    const QString realA = QFileInfo(a).canonicalFilePath();
    return !realA.isEmpty() && realA == QFileInfo(b).canonicalFilePath();
}

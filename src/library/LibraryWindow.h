// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramFolder.h"
#include "ui/BorderedDialog.h"

#include <QMap>
#include <QString>
#include <QStringList>

class LinkLabel;
class QComboBox;
class QLabel;
class QListWidget;

// What the coloured pictures browser and the picture manager have in common:
// a heading, "Select a book:" with the book chooser cBooks (one entry per
// subfolder of the window's top folder), the large-thumbnail list LV of the
// chosen book, and a column of command links cFunc<index> that are
// dispatched by their tag. Choosing a book fills the list.
class LibraryWindow : public BorderedDialog
{
    Q_OBJECT
public:
    static constexpr int WindowWidth = 760;
    static constexpr int WindowHeight = 520;

    // The link of a command by its index in the window design.
    LinkLabel* cFunc(int index) const { return m_commands.value(index); }

protected:
    // The controls, by their design names (also their object names).
    QLabel* Label1 = nullptr;
    QComboBox* cBooks = nullptr;
    QListWidget* LV = nullptr;

    // topTail is "/books" or "/colored pictures"; extensions are the picture
    // names listed (".jpg").
    LibraryWindow(const ProgramFolder& folder, const QString& caption, const QString& topTail,
                  const QStringList& extensions, QWidget* parent);

    // Links are stacked in the order they are added; the tag decides what a
    // click does (runCommand).
    LinkLabel* addCommand(int index, const QString& caption, const QString& tag,
                          const QString& toolTip = {});
    virtual void runCommand(const QString& tag) = 0;

    // Fills cBooks from the top folder and selects the first entry (or
    // select, when it is there).
    void loadBooks(const QString& select = {});
    // Selects the entry at index and fills the list from its folder.
    void selectBook(int index);
    QString selectedBook() const;
    int bookCount() const;
    // Adds a book to the chooser in listing order and selects it.
    void addBookEntry(const QString& book);
    void removeBookEntry(int index);

    // The chosen book's folder (case matched to the disk).
    QString bookPath(const QString& book) const;
    // Fills the list from the chosen book, or tells the parent its folder
    // could not be found (the list then stays as it was).
    void fillList();
    // The selected items' keys, in list order.
    QStringList selectedNames() const;
    void removeItem(const QString& name);

    // The parent notice; ask() shows "Cancel" and is true for "Continue".
    void notify(const QString& text);
    bool ask(const QString& text);

    const ProgramFolder& folder() const { return m_folder; }
    // Whether path (existing) lies inside the program folder once links are
    // followed; writes and deletions never leave it.
    bool isInsideProgramFolder(const QString& path) const;
    // The same file or folder: the same path (with the given letter case
    // rule), or the same thing once links, "." and ".." are resolved.
    static bool sameEntry(const QString& a, const QString& b, Qt::CaseSensitivity cs);

private:
    void bookChosen(int index);
    void onCommandClicked();

    ProgramFolder m_folder;
    QString m_topTail;
    QStringList m_extensions;
    QMap<int, LinkLabel*> m_commands;
    int m_nextCommandTop = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// Answers the next Qt file dialog (open or save) as a person would: goes to
// the folder, types the name(s) into the name box and presses the dialog's
// accept button; or presses "Cancel". Start it before the call that opens
// the dialog. Anything other than a file dialog, or a dialog that does not
// close on accept, fails the test (and the window is closed).
class FileDialogDriver
{
public:
    // What the dialog showed, for the test to check afterwards.
    struct Seen
    {
        bool shown = false;
        QString title;
        QStringList nameFilters; // as set, patterns in brackets
        QString selectedNameFilter;
        QStringList shownFilters; // what the filter box lists
        bool saving = false;
        bool multipleSelection = false;
        bool mustExist = false;
        QString directory;
        QString initialName; // the name box as the dialog opened
    };
    using SeenPtr = std::shared_ptr<Seen>;
    // Runs once the dialog was answered: the place to start answering the
    // window that comes next (a question after the dialog closed).
    using Then = std::function<void()>;

    // Chooses these files (all in one folder): several are typed as
    // "a.bmp" "b.gif" like a person would.
    static SeenPtr choose(const QStringList& paths, Then then = {}, int timeoutMs = 5000);
    static SeenPtr choose(const QString& path, Then then = {}, int timeoutMs = 5000)
    {
        return choose(QStringList{path}, std::move(then), timeoutMs);
    }
    // Types a name as it stands (relative to folder) and accepts.
    static SeenPtr type(const QString& folder, const QString& name, Then then = {}, int timeoutMs = 5000);
    static SeenPtr cancel(int timeoutMs = 5000);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QPointer>
#include <QVector>
#include <QWidget>

// A cursor resource installed as the cursor of whole widgets (the canvas
// shows the current tool this way), remembering what each widget showed
// before so that it can be put back.
class cAniCursor
{
public:
    cAniCursor() = default;
    ~cAniCursor();
    cAniCursor(const cAniCursor&) = delete;
    cAniCursor& operator=(const cAniCursor&) = delete;

    // Puts back everything a previous load replaced, then loads cursor
    // resource lResourceID. False (and no cursor) when it does not exist.
    bool LoadFromResource(int lResourceID);
    // True: the loaded cursor becomes the window's cursor; the one it had is
    // kept, and a second true for the same window keeps the first one kept.
    // False: the kept cursor is put back and the window forgotten.
    void SetAsDefaultCursor(QWidget* window, bool state);
    // Puts back every kept cursor, empties the table, drops the cursor.
    void Destroy();

    bool hasCursor() const { return m_hasCursor; }
    const QCursor& hCursor() const { return m_cursor; }

    // The table, for tests: entries (free ones included) and those holding
    // a kept cursor.
    int tableSize() const { return int(m_table.size()); }
    int savedCount() const;

private:
    struct Entry
    {
        QPointer<QWidget> window;
        bool saved = false;
        bool hadOwnCursor = false; // otherwise the widget inherited its parent's
        QCursor previous;
    };

    static void restore(const Entry& entry);

    QVector<Entry> m_table;
    QCursor m_cursor;
    bool m_hasCursor = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cAniCursor.h"

#include "ui/Resources.h"

cAniCursor::~cAniCursor()
{
    Destroy();
}

bool cAniCursor::LoadFromResource(int lResourceID)
{
    Destroy();
    if (!Resources::hasCursor(lResourceID))
        return false;
    m_cursor = Resources::cursor(lResourceID);
    m_hasCursor = true;
    return true;
}

void cAniCursor::SetAsDefaultCursor(QWidget* window, bool state)
{
    if (!window)
        return;
    if (!state) {
        for (Entry& entry : m_table) {
            if (entry.window == window) {
                if (entry.saved)
                    restore(entry);
                entry = Entry();
            }
        }
        return;
    }
    // Without a loaded cursor there is nothing to install; the window keeps
    // its own rather than losing its pointer.
    if (!m_hasCursor)
        return;

    Entry* chosen = nullptr;
    Entry* lastFree = nullptr;
    for (Entry& entry : m_table) {
        if (entry.window == window) {
            chosen = &entry;
            break;
        }
        // An entry whose window has gone is free again.
        if (entry.window.isNull())
            lastFree = &entry;
    }
    if (!chosen && lastFree) {
        *lastFree = Entry();
        chosen = lastFree;
    }
    if (!chosen) {
        m_table.append(Entry());
        chosen = &m_table.last();
    }
    if (chosen->saved)
        return;
    chosen->window = window;
    chosen->hadOwnCursor = window->testAttribute(Qt::WA_SetCursor);
    chosen->previous = window->cursor();
    chosen->saved = true;
    window->setCursor(m_cursor);
}

void cAniCursor::Destroy()
{
    for (const Entry& entry : std::as_const(m_table))
        if (entry.saved)
            restore(entry);
    m_table.clear();
    m_cursor = QCursor();
    m_hasCursor = false;
}

int cAniCursor::savedCount() const
{
    int count = 0;
    for (const Entry& entry : m_table)
        if (entry.saved && !entry.window.isNull())
            ++count;
    return count;
}

void cAniCursor::restore(const Entry& entry)
{
    QWidget* window = entry.window.data();
    if (!window)
        return;
    if (entry.hadOwnCursor)
        window->setCursor(entry.previous);
    else
        window->unsetCursor();
}

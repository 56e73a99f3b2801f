// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramFolder.h"

#include <QTemporaryDir>

// A fresh, empty program folder for one test; removed afterwards.
class TempDataFolder
{
public:
    TempDataFolder() : m_folder(m_dir.path()) {}

    const ProgramFolder& folder() const { return m_folder; }
    QString root() const { return m_folder.root(); }
    QString path(const QString& tail) const { return m_folder.path(tail); }

    // Creates the file (and its folders) with the given bytes.
    void writeFile(const QString& tail, const QByteArray& bytes) const;
    // Writes a line picture: white with a black frame and a black bar
    // splitting it into two rooms, saved as BMP, GIF or JPEG by extension.
    void writePicture(const QString& tail, int width = 120, int height = 80) const;

private:
    QTemporaryDir m_dir;
    ProgramFolder m_folder;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QFile;

namespace FileBytes {

// Reads exactly size bytes from file's current position. False, with bytes
// left empty, when the file gives fewer or fails. The memory is made
// resident in one call before the read: on some virtual machines the first
// touch of every fresh page costs microseconds, which for a 100 MB picture
// pack was most of the import.
bool readExactly(QFile& file, qint64 size, QByteArray& bytes);

} // namespace FileBytes

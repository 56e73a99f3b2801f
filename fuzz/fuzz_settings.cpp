// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader on any file: it may refuse it, never crash or hang.
#include "platform/Settings.h"
#include "platform/SettingsFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One scratch file per process, removed when it ends.
    static const struct Scratch
    {
        QString path = QDir::tempPath() + QStringLiteral("/tintaloo-fuzz-settings-%1.ini").arg(::getpid());
        ~Scratch() { QFile::remove(path); }
    } scratch;
    const QString& path = scratch.path;
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    Settings settings;
    const bool read = SettingsFile::read(path, settings);
    if (read && size >= size_t(SettingsFile::MaxBytes))
        __builtin_trap(); // a file this large is never a settings file
    return 0;
}

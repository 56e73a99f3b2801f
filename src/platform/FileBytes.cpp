// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileBytes.h"

#include <QFile>

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

namespace {

// Below this, the few pages are not worth a call.
constexpr qint64 PopulateFromBytes = 256 * 1024;

void makeResident(char* data, qint64 size)
{
    if (size < PopulateFromBytes)
        return;
    const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    const auto begin = (std::uintptr_t(data) + page - 1) & ~(page - 1);
    const auto end = (std::uintptr_t(data) + std::uintptr_t(size)) & ~(page - 1);
    // Older kernels refuse the advice; the read then faults the pages in
    // one by one, as it always did.
    if (end > begin)
        (void)::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
}

} // namespace

namespace FileBytes {

bool readExactly(QFile& file, qint64 size, QByteArray& bytes)
{
    bytes.clear();
    if (size < 0)
        return false;
    QByteArray buffer(size, Qt::Uninitialized);
    makeResident(buffer.data(), size);
    qint64 done = 0;
    while (done < size) {
        const qint64 got = file.read(buffer.data() + done, size - done);
        if (got <= 0)
            return false;
        done += got;
    }
    if (file.error() != QFileDevice::NoError)
        return false;
    bytes = std::move(buffer);
    return true;
}

} // namespace FileBytes

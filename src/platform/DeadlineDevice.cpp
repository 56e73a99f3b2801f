// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeadlineDevice.h"

#include <cstring>

DeadlineDevice::DeadlineDevice(const QByteArray& bytes, qint64 milliseconds)
    : m_bytes(bytes)
    , m_deadline(milliseconds)
{
}

qint64 DeadlineDevice::readData(char* data, qint64 maxSize)
{
    if (m_deadline.hasExpired()) {
        m_expired = true;
        return -1;
    }
    const qint64 at = pos();
    const qint64 count = qMin(maxSize, qint64(m_bytes.size()) - at);
    if (count <= 0)
        return 0;
    std::memcpy(data, m_bytes.constData() + at, size_t(count));
    return count;
}

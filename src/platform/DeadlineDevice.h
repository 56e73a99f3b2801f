// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QIODevice>

// Bytes in memory handed to a decoder in the chunks it asks for, until a
// deadline: from then on every read fails as if the data had ended, so the
// decoder stops soon after, whatever the picture's structure makes it do.
// (Qt's decoders take a QBuffer's bytes all at once; through this device
// they read piece by piece.)
class DeadlineDevice : public QIODevice
{
public:
    // bytes must outlive the device.
    DeadlineDevice(const QByteArray& bytes, qint64 milliseconds);

    bool isSequential() const override { return false; }
    qint64 size() const override { return m_bytes.size(); }
    // Whether a read was refused because the time was up.
    bool expired() const { return m_expired; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    const QByteArray& m_bytes;
    QDeadlineTimer m_deadline;
    bool m_expired = false;
};

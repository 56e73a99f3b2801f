// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/DiskTricks.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

FullDisk::FullDisk(rlim_t bytes)
{
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = m_saved;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
}

FullDisk::~FullDisk()
{
    ::setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_previousHandler);
}

WriteProtectedFolder::WriteProtectedFolder(const QString& folder)
    : m_folder(folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::geteuid() != 0) {
        m_active = ::chmod(path.constData(), 0555) == 0;
        if (!m_active)
            m_whyNot = QStringLiteral("chmod failed: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    if (::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0) {
        m_whyNot = QStringLiteral("running as root, and a read-only bind mount is not allowed here: ")
            + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    m_mounted = true;
    if (::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        m_whyNot = QStringLiteral("running as root, and the bind mount cannot be made read-only: ")
            + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    m_active = true;
}

WriteProtectedFolder::~WriteProtectedFolder()
{
    const QByteArray path = QFile::encodeName(m_folder);
    if (m_mounted)
        ::umount2(path.constData(), MNT_DETACH);
    else if (m_active)
        ::chmod(path.constData(), 0755);
}

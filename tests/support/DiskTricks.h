// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <csignal>
#include <sys/resource.h>

// Disks that misbehave, for the tests of what the program does when a write
// fails. Both undo themselves when they go out of scope.

// While it lives, no file of this process can grow past `bytes`: every write
// beyond that fails as on a full disk (EFBIG, which the program counts as a
// full disk). A file size limit binds root too, so this works everywhere.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes = 0);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_saved{};
    void (*m_previousHandler)(int) = nullptr;
};

// Makes a folder write-protected for this process: a read-only bind mount
// of the folder over itself when running as root (permissions do not bind
// root), its permission bits otherwise. active() is false, with the reason
// in whyNot(), when neither is possible; tests then skip loudly.
class WriteProtectedFolder
{
public:
    explicit WriteProtectedFolder(const QString& folder);
    ~WriteProtectedFolder();
    WriteProtectedFolder(const WriteProtectedFolder&) = delete;
    WriteProtectedFolder& operator=(const WriteProtectedFolder&) = delete;

    bool active() const { return m_active; }
    const QString& whyNot() const { return m_whyNot; }

private:
    QString m_folder;
    bool m_active = false;
    bool m_mounted = false;
    QString m_whyNot;
};

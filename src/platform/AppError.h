// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the program: a number and a description, raised
// where a step fails and trapped by the handler that owns the step.
class AppError : public std::runtime_error
{
public:
    // cause: the number of the error underneath, when this one wraps
    // another (a JPEG write that failed because the disk is full).
    AppError(int number, const QString& description, const QString& source = {}, int cause = 0)
        : std::runtime_error(description.toStdString())
        , m_number(number)
        , m_description(description)
        , m_source(source)
        , m_cause(cause)
    {
    }

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const QString& source() const noexcept { return m_source; }
    int cause() const noexcept { return m_cause; }

private:
    int m_number;
    QString m_description;
    QString m_source;
    int m_cause = 0;
};

// Numbers the program raises; the classic run-time numbers keep their values
// so that a number means the same thing wherever it is trapped.
namespace ErrorNumber {
constexpr int InvalidProcedureCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int FileNotFound = 53;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int PathNotFound = 76;
constexpr int PathFileAccess = 75;
constexpr int InvalidPicture = 481;
constexpr int JpegLibrary = 26001;
// A file dialog closed with Cancel when the caller asked for an error then.
constexpr int DialogCancelled = 32755;
}

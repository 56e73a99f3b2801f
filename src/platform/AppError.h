#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the program: a number and a description, raised
// where a step fails and trapped by the handler that owns the step.
class AppError : public std::runtime_error
{
public:
    AppError(int number, const QString& description, const QString& source = {})
        : std::runtime_error(description.toStdString())
        , m_number(number)
        , m_description(description)
        , m_source(source)
    {
    }

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const QString& source() const noexcept { return m_source; }

private:
    int m_number;
    QString m_description;
    QString m_source;
};

// Numbers the program raises; the classic run-time numbers keep their values
// so that a number means the same thing wherever it is trapped.
namespace ErrorNumber {
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int FileNotFound = 53;
constexpr int PathNotFound = 76;
constexpr int PathFileAccess = 75;
constexpr int InvalidPicture = 481;
constexpr int JpegLibrary = 26001;
}

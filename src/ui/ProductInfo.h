#pragma once

#include <QString>

// The product's name, version and web addresses, shown by the splash, the
// welcome, the options window and the command line.
namespace ProductInfo {

inline QString versionLine()
{
    return QStringLiteral("The Tintaloo Version ") + QString::number(TINTALOO_VERSION_MAJOR) + QLatin1Char('.')
           + QString::number(TINTALOO_VERSION_MINOR);
}

inline QString webPage() { return QStringLiteral("https://tintaloo.example.org/"); }
inline QString downloadsPage() { return QStringLiteral("https://tintaloo.example.org/downloads/"); }

} // namespace ProductInfo

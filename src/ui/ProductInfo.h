// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The product's name, version and web addresses, shown by the splash, the
// welcome, the options window and the command line.
namespace ProductInfo {

inline QString versionLine()
{
    //: %1.%2 is the version number, "6.0".
    return QCoreApplication::translate("ProductInfo", "The Tintaloo Version %1.%2")
        .arg(QString::number(TINTALOO_VERSION_MAJOR), QString::number(TINTALOO_VERSION_MINOR));
}

inline QString webPage() { return QStringLiteral("https://tintaloo.example.org/"); }
inline QString downloadsPage() { return QStringLiteral("https://tintaloo.example.org/downloads/"); }

} // namespace ProductInfo

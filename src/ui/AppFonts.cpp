// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AppFonts.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>

namespace {

// Debian installs the packages' fonts under opentype/ or truetype/,
// depending on the release.
const char* const FontFolders[] = {
    "/usr/share/fonts/opentype/comic-neue",
    "/usr/share/fonts/truetype/comic-neue",
    "/usr/share/fonts/opentype/ebgaramond",
    "/usr/share/fonts/truetype/ebgaramond",
};

bool registerFonts()
{
    for (const char* folder : FontFolders) {
        const QDir dir(QString::fromLatin1(folder));
        const QStringList files =
            dir.entryList({QStringLiteral("*.otf"), QStringLiteral("*.ttf")}, QDir::Files);
        for (const QString& file : files)
            QFontDatabase::addApplicationFont(dir.filePath(file));
    }
    return true;
}

// Fontconfig may already know the families; registering the files as well
// makes them available on platforms that only see application fonts.
void ensureRegistered()
{
    static const bool registered = registerFonts();
    Q_UNUSED(registered);
}

QFont familyOrDefault(const char* family, int pointSize)
{
    ensureRegistered();
    const QString name = QString::fromLatin1(family);
    QFont font = QFontDatabase::hasFamily(name) ? QFont(name) : QApplication::font();
    font.setPointSize(pointSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

namespace AppFonts {

QFont playful(int pointSize, bool bold)
{
    QFont font = familyOrDefault(PlayfulFamily, pointSize);
    font.setBold(bold);
    return font;
}

QFont classic(int pointSize)
{
    return familyOrDefault(ClassicFamily, pointSize);
}

QFont shrunkToFit(QFont font, const QString& text, QSize box, bool wrapped, int maxPoints, int minPoints)
{
    for (int points = maxPoints; points >= minPoints; --points) {
        font.setPointSize(points);
        const QFontMetrics metrics(font);
        const QRect needed = wrapped ? metrics.boundingRect(QRect(QPoint(0, 0), box), Qt::TextWordWrap, text)
                                     : QRect(0, 0, metrics.horizontalAdvance(text), metrics.height());
        if (needed.width() <= box.width() && needed.height() <= box.height())
            return font;
    }
    font.setPointSize(minPoints);
    return font;
}

} // namespace AppFonts

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>

// The help's text browser. Topics, style sheets and pictures come from the
// data folder, which anyone can fill: a file is read only when it is a
// regular file no larger than MaxFileBytes; anything else shows as missing.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

    explicit HelpBrowser(QWidget* parent = nullptr);

    // The file a resource name stands for, as Qt looks it up (next to the
    // topic shown, then in the search paths); empty when there is none.
    QString resolve(const QUrl& name) const;
    static bool isReadable(const QString& path);

    QVariant loadResource(int type, const QUrl& name) override;
};

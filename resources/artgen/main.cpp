// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's art and sounds into the folder given as the first
// argument, together with art.qrc that lists them. Everything is drawn or
// synthesised here, deterministically, so every build yields the same files.
//
//   tintaloo_artgen OUT_DIR SOURCE_DIR [--sheet FILE.png]
//
// --sheet also writes a contact sheet of all pictures, enlarged, to look at.
#include "ArtWords.h"
#include "ArtWriter.h"
#include "Generators.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// The label font is loaded from its files so that the result does not depend
// on the build machine's font configuration.
bool loadLabelFont()
{
    const QStringList folders = {"/usr/share/fonts/opentype/comic-neue",
                                 "/usr/share/fonts/truetype/comic-neue"};
    bool loaded = false;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList({"ComicNeue-Bold.*", "ComicNeue-Regular.*"}))
            loaded |= QFontDatabase::addApplicationFont(dir.filePath(name)) >= 0;
    }
    return loaded;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "usage: tintaloo_artgen OUT_DIR SOURCE_DIR [--sheet FILE.png]\n";
        return 2;
    }
    if (!loadLabelFont()) {
        err << "tintaloo_artgen: the Comic Neue font (fonts-comic-neue) is missing\n";
        return 1;
    }

    ArtWriter out(args.at(1));
    const ArtWords words(args.size() > 2 ? args.at(2) + QStringLiteral("/translations") : QString());
    makeCommandButtons(out);
    makeToolButtons(out);
    makeDialogButtons(out, words);
    makeParentalButtons(out);
    makeBubbles(out);
    makePickerBubbles(out);
    makeBrushes(out);
    makeCursors(out);
    makeSounds(out);
    makePictures(out, words);
    makeIcons(out);
    out.writeQrc();

    const int sheetArg = int(args.indexOf("--sheet"));
    if (sheetArg > 0 && sheetArg + 1 < args.size())
        makeContactSheet(out, 2).save(args.at(sheetArg + 1));

    for (const QString& error : out.errors())
        err << "tintaloo_artgen: " << error << '\n';
    return out.ok() ? 0 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class ArtWords;
class ArtWriter;

// One function per family of generated files; each writes its files through
// the writer under the resource paths the program loads.
// The bitmaps and cursors are numbered as platform/ResourceIds.h says.
void makeCommandButtons(ArtWriter& out); // bitmaps of the bar's command buttons
void makeToolButtons(ArtWriter& out);    // bitmaps of the tool buttons
// bitmaps of the prompt and the picture browser; those with words also in
// bitmaps/<code>/ for each language
void makeDialogButtons(ArtWriter& out, const ArtWords& words);
void makeParentalButtons(ArtWriter& out); // bitmaps of the parental buttons
void makeBubbles(ArtWriter& out);        // bubbles/0-22
void makePickerBubbles(ArtWriter& out);  // picker/0-17
void makeBrushes(ArtWriter& out);        // brushes/0-2
void makeCursors(ArtWriter& out);        // cursors/<CursorId>
void makeSounds(ArtWriter& out);         // waves/*.wav
// pictures/splash.jpg, pictures/banner.jpg, and the banner in
// pictures/<code>/ for each language
void makePictures(ArtWriter& out, const ArtWords& words);
void makeIcons(ArtWriter& out);          // icons/tintaloo.svg, icons/tintaloo-48..256.png

// Every image written so far, enlarged on one sheet, for looking at the art.
QImage makeContactSheet(const ArtWriter& out, int scale);

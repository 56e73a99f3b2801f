// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers of the art compiled into the program. The art generator writes
// bitmaps/<number>.png and cursors/<number>.png under these names and the
// windows load them by the same names, so the two cannot drift apart. Header
// only, without Qt, so that the generator can include it too.

// Button bitmaps. Up is the look at rest, Down the look while held down and
// Pressed the look of a toggle or selected tool that stays in.
namespace BitmapId {
// Command buttons of the main window's bar.
constexpr int OpenUp = 102;
constexpr int OpenDown = 101;
constexpr int ClearColoursUp = 146;
constexpr int ClearColoursDown = 147;
constexpr int UndoUp = 110;
constexpr int UndoDown = 109;
constexpr int CrazyUp = 130;
constexpr int CrazyDown = 131;
constexpr int CrazyPressed = 132;
// Tool buttons.
constexpr int CrayonUp = 108;
constexpr int CrayonDown = 106;
constexpr int CrayonPressed = 107;
constexpr int PaintbrushUp = 105;
constexpr int PaintbrushDown = 103;
constexpr int PaintbrushPressed = 104;
constexpr int PencilUp = 119;
constexpr int PencilDown = 117;
constexpr int PencilPressed = 118;
constexpr int MarkerUp = 143;
constexpr int MarkerDown = 144;
constexpr int MarkerPressed = 145;
// The permission prompt; "nevermind" also closes the picture browser.
constexpr int NevermindUp = 114;
constexpr int NevermindDown = 113;
constexpr int OkUp = 115;
constexpr int OkDown = 116;
constexpr int DetailsUp = 127;
constexpr int DetailsDown = 128;
constexpr int DetailsPressed = 129;
// The picture browser.
constexpr int UpArrowUp = 138;
constexpr int UpArrowDown = 139;
constexpr int DownArrowUp = 136;
constexpr int DownArrowDown = 135;
constexpr int SliderUp = 137;
constexpr int SliderDown = 140;
constexpr int MorePicturesUp = 141;
constexpr int MorePicturesDown = 142;
constexpr int NewPictureUp = 148;
constexpr int NewPictureDown = 149;
// Parental buttons: the grey look they start with and, for save as and
// print, the look they get once a picture is open.
constexpr int Quit = 150;
constexpr int SaveAs = 151;
constexpr int SaveAsEnabled = 155;
constexpr int Print = 152;
constexpr int PrintEnabled = 156;
constexpr int AboutHelp = 153;
constexpr int Options = 154;
} // namespace BitmapId

// Pointers: the hand over everything clickable and one per tool.
namespace CursorId {
constexpr int Hand = 101;
constexpr int Pencil = 102;
constexpr int Crayon = 103;
constexpr int Paintbrush = 104;
constexpr int Marker = 105;
constexpr int First = Hand;
constexpr int Last = Marker;

struct HotSpot
{
    int x = 0;
    int y = 0;
};

// Where each pointer points, in its picture: the tip of the hand's finger or
// of the tool; the generator draws the tip there.
constexpr HotSpot hotSpot(int cursor)
{
    switch (cursor) {
    case Hand: return {8, 1};
    case Pencil: return {0, 51};
    case Crayon: return {3, 52};
    case Paintbrush: return {1, 69};
    case Marker: return {2, 82};
    default: return {0, 0};
    }
}
} // namespace CursorId

// What a sound effect of the main window is played for; each kind has its
// own waves. PlayEffect takes the kind as a plain number (any other number
// plays nothing), so the names convert to one.
namespace SoundKind {
enum Kind : int {
    BubblePopped = 0,
    ButtonPressed = 1,
    ColourPicked = 4,
    NewPicture = 5,
};
} // namespace SoundKind

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The picture pack file (".tpk"): the header book + "|" + name1 + "|" + ...
// + "|" + nameN, then for each picture the separator followed by the
// picture file's bytes. No counts, lengths or checksum: a picture runs from
// the end of its separator to the next separator or the end of the file.
//
// Packs come from outside, so reading treats every byte as hostile: names
// may only name a file of one folder, every picture must decode as the kind
// its name says, and a pack that does not meet that is damaged as a whole.
namespace PicturePack {

// Larger packs are refused before they are read.
constexpr qint64 MaxPackBytes = 512LL * 1024 * 1024;
// Longest book title.
constexpr int MaxBookNameLength = 100;

// The separator: "<v6>" scrambled with the second stage, as single bytes.
QByteArray separator();

struct Picture
{
    QString name;
    QByteArray bytes;
};

// The whole pack, header and pictures in order. Names that cannot be
// written in one byte per character go as UTF-8, the system's encoding.
QByteArray encode(const QString& book, const QList<Picture>& pictures);

enum class Status {
    Ok,
    NoMarker, // no separator at all: not a pack of this version
    NoHeader, // no "|" before the first separator
    Damaged,  // bad names, pictures that cannot be told apart or decoded
};

// A picture of a decoded pack, as a slice of the pack's bytes.
struct Piece
{
    QString name;
    qsizetype offset = 0;
    qsizetype length = 0;
};

struct Contents
{
    Status status = Status::Damaged;
    QString book;
    QList<Piece> pieces; // only when status is Ok
};

// Reads pack bytes. When a separator's bytes occur inside a picture, the
// pieces between separators are joined (the separator kept) so that each
// named picture decodes as a picture of its extension. The search for such
// a split is bounded by the work it may do, proportional to the pack's size;
// past that the pack is damaged.
Contents decode(const QByteArray& pack);

// A piece's bytes, sharing the pack's memory (valid while pack lives).
QByteArray bytesOf(const QByteArray& pack, const Piece& piece);

// Name rules for what comes out of a pack.
bool isAcceptablePictureName(const QString& name);
bool isAcceptableBookName(const QString& name);
// "bmp", "gif" or "jpeg" for a picture name; empty for any other.
QByteArray formatOfName(const QString& name);

} // namespace PicturePack

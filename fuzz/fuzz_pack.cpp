// SPDX-License-Identifier: GPL-3.0-or-later
// The picture pack reader on arbitrary bytes: it must answer (a book and
// pictures, or damaged) without crashing, hanging or running out of memory,
// and every picture it yields must lie inside the pack, carry a safe name
// and be whole as the kind its name says (ImageFile::isWhole: its structure
// and header; one whose pixel data are damaged is reported when opened).
#include "library/PicturePack.h"
#include "platform/ImageFile.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv); // the image plugins live in Qt's plugin path
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray pack = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const PicturePack::Contents contents = PicturePack::decode(pack);
    if (contents.status != PicturePack::Status::Ok) {
        if (!contents.pieces.isEmpty())
            std::abort();
        return 0;
    }
    if (!PicturePack::isAcceptableBookName(contents.book) || contents.pieces.isEmpty())
        std::abort();
    qsizetype previousEnd = 0;
    for (const PicturePack::Piece& piece : contents.pieces) {
        if (piece.offset < previousEnd || piece.length <= 0 || piece.offset + piece.length > pack.size())
            std::abort();
        previousEnd = piece.offset + piece.length;
        if (!PicturePack::isAcceptablePictureName(piece.name)
            || !ImageFile::isWhole(PicturePack::bytesOf(pack, piece), PicturePack::formatOfName(piece.name)))
            std::abort();
    }
    if (previousEnd != pack.size())
        std::abort();
    return 0;
}

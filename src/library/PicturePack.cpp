// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PicturePack.h"

#include "platform/ImageFile.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <vector>

namespace PicturePack {

namespace {

// The scrambler's second-stage offset: digit d becomes the character 100 + d.
constexpr int ScrambleOffset = 100;
// More separator bytes inside pictures than this, and the pack is damaged
// rather than searched.
constexpr qsizetype MaxExtraSeparators = 65536;
// The pixels that all attempts to decode a pack's pictures may announce
// together (a 512 MB pack of 24-bit BMPs holds fewer than 180 million).
constexpr qint64 MaxDecodedPixels = 1LL << 31;
// The longest header that names can make: a title of at most 100
// characters and file names of at most 255 bytes, with their bars.
constexpr qsizetype MaxHeaderBytesPerName = 256;

bool hasForbiddenCharacter(const QString& name, QStringView forbidden)
{
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || forbidden.contains(c))
            return true;
    }
    return false;
}

bool isOneFolderEntry(const QString& name, QStringView forbidden)
{
    return !name.trimmed().isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.startsWith(QLatin1Char('.')) // hidden, and the shape of the program's temporary names
        && name.toUtf8().size() <= 255 && !hasForbiddenCharacter(name, forbidden);
}

QString headerText(const QByteArray& header)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(header);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(header); // an older pack in a single-byte code page
}

QByteArray headerBytes(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            return text.toUtf8();
    return text.toLatin1();
}

bool startsWithMagic(const QByteArray& pack, qsizetype at, const QByteArray& format)
{
    const QByteArrayView rest = QByteArrayView(pack).sliced(qMin(at, pack.size()));
    if (format == "bmp")
        return rest.startsWith("BM");
    if (format == "gif")
        return rest.startsWith("GIF8");
    return rest.startsWith("\xFF\xD8\xFF");
}

// Finds where each picture ends: a depth-first search over the separator
// positions, shortest picture first, remembering positions that lead
// nowhere so that no position is explored twice for the same picture.
class Splitter
{
public:
    Splitter(const QByteArray& pack, const std::vector<qsizetype>& separators, qsizetype separatorLength,
             const QList<QByteArray>& formats)
        : m_pack(pack)
        , m_separators(separators)
        , m_separatorLength(separatorLength)
        , m_formats(formats)
        , m_workLimit(4 * qint64(pack.size()) + 64LL * 1024 * 1024)
        // One attempt per picture, and a few for each separator that is
        // not between two pictures.
        , m_decodeLimit(qint64(formats.size()) + 4 * qint64(separators.size() + 1 - formats.size()) + 64)
    {
    }

    // The start of each picture and the end of each but the last; empty
    // when there is no split that decodes.
    bool split(qsizetype firstStart, std::vector<qsizetype>& starts, std::vector<qsizetype>& ends);

private:
    struct Frame
    {
        qsizetype start;
        size_t candidate; // next separator to try as this picture's end
        qsizetype end;
    };
    static constexpr size_t None = size_t(-1);

    size_t firstCandidate(qsizetype start, const QByteArray& format);
    bool pieceDecodes(qsizetype start, qsizetype end, const QByteArray& format);
    bool overBudget() const
    {
        return m_work > m_workLimit || m_decodes > m_decodeLimit || m_pixels > MaxDecodedPixels;
    }
    using Key = QPair<qsizetype, qsizetype>;
    static Key key(qsizetype a, qsizetype b) { return {a, b}; }

    const QByteArray& m_pack;
    const std::vector<qsizetype>& m_separators;
    const qsizetype m_separatorLength;
    const QList<QByteArray>& m_formats;
    const qint64 m_workLimit;
    const qint64 m_decodeLimit;
    qint64 m_work = 0; // bytes examined
    qint64 m_decodes = 0;
    qint64 m_pixels = 0;
    QHash<qsizetype, qsizetype> m_structuralEnds;
    QSet<Key> m_deadEnds; // (picture, start) pairs that cannot work
    QHash<Key, bool> m_decoded;
};

size_t Splitter::firstCandidate(qsizetype start, const QByteArray& format)
{
    auto known = m_structuralEnds.constFind(start);
    qsizetype end = known != m_structuralEnds.cend()
        ? *known
        : *m_structuralEnds.insert(start, ImageFile::structuralEnd(m_pack, start, format, &m_work));
    if (end < 0)
        return None;
    return size_t(std::lower_bound(m_separators.begin(), m_separators.end(), end) - m_separators.begin());
}

bool Splitter::pieceDecodes(qsizetype start, qsizetype end, const QByteArray& format)
{
    if (end <= start)
        return false;
    const Key k = key(start, end);
    auto known = m_decoded.constFind(k);
    if (known != m_decoded.cend())
        return *known;
    if (overBudget())
        return false;
    m_work += end - start;
    ++m_decodes;
    qint64 pixels = 0;
    const bool ok =
        ImageFile::isWhole(QByteArray::fromRawData(m_pack.constData() + start, end - start), format, &pixels);
    m_pixels += pixels;
    m_decoded.insert(k, ok);
    return ok;
}

bool Splitter::split(qsizetype firstStart, std::vector<qsizetype>& starts, std::vector<qsizetype>& ends)
{
    const size_t n = size_t(m_formats.size());
    std::vector<Frame> frames;
    frames.reserve(n);
    frames.push_back({firstStart, firstCandidate(firstStart, m_formats[0]), -1});
    while (!frames.empty()) {
        if (overBudget())
            return false;
        const size_t k = frames.size() - 1;
        const qsizetype start = frames[k].start;
        if (frames[k].candidate != None && k == n - 1) {
            if (pieceDecodes(start, m_pack.size(), m_formats[int(k)])) {
                for (const Frame& f : frames) {
                    starts.push_back(f.start);
                    ends.push_back(f.end);
                }
                ends.back() = m_pack.size();
                return true;
            }
        } else if (frames[k].candidate != None) {
            const QByteArray& next = m_formats[int(k + 1)];
            const size_t picturesAfterNext = n - 2 - k;
            bool advanced = false;
            while (frames[k].candidate < m_separators.size() && !overBudget()) {
                const size_t index = frames[k].candidate++;
                if (m_separators.size() - (index + 1) < picturesAfterNext)
                    break; // not enough separators left for the pictures after
                const qsizetype end = m_separators[index];
                const qsizetype nextStart = end + m_separatorLength;
                if (m_deadEnds.contains(key(qsizetype(k + 1), nextStart)) || !startsWithMagic(m_pack, nextStart, next)
                    || !pieceDecodes(start, end, m_formats[int(k)]))
                    continue;
                frames[k].end = end;
                const size_t candidate = firstCandidate(nextStart, next);
                frames.push_back({nextStart, candidate, -1});
                advanced = true;
                break;
            }
            if (advanced)
                continue;
        }
        m_deadEnds.insert(key(qsizetype(k), start));
        frames.pop_back();
    }
    return false;
}

// Every place sep occurs in pack from `from` on, overlapping ones included,
// in one pass over the bytes. False when there are more than most. The C
// library's memmem is vectorised and several times faster over a 100 MB
// pack than a byte-wise search.
bool findSeparators(const QByteArray& pack, const QByteArray& sep, qsizetype from, qsizetype most,
                    std::vector<qsizetype>& found)
{
    const char* const begin = pack.constData();
    const char* const end = begin + pack.size();
    for (const char* at = begin + qMin(from, pack.size()); at < end;) {
        const void* match = ::memmem(at, size_t(end - at), sep.constData(), size_t(sep.size()));
        if (!match)
            break;
        const char* const place = static_cast<const char*>(match);
        found.push_back(place - begin);
        if (qsizetype(found.size()) > most)
            return false;
        at = place + 1;
    }
    return true;
}

} // namespace

QByteArray separator()
{
    QByteArray digits;
    for (const char c : QByteArrayLiteral("<v6>")) {
        const QByteArray code = QByteArray::number(uchar(c));
        digits += char('0' + code.size());
        digits += code;
    }
    for (char& d : digits)
        d = char(ScrambleOffset + (d - '0'));
    return digits;
}

QByteArray encode(const QString& book, const QList<Picture>& pictures)
{
    QString header = book;
    for (const Picture& picture : pictures)
        header += QLatin1Char('|') + picture.name;
    const QByteArray sep = separator();
    QByteArray pack = headerBytes(header);
    qsizetype total = pack.size();
    for (const Picture& picture : pictures)
        total += sep.size() + picture.bytes.size();
    pack.reserve(total);
    for (const Picture& picture : pictures) {
        pack += sep;
        pack += picture.bytes;
    }
    return pack;
}

QByteArray formatOfName(const QString& name)
{
    if (name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return QByteArrayLiteral("bmp");
    if (name.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
        return QByteArrayLiteral("gif");
    if (name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
        return QByteArrayLiteral("jpeg");
    return {};
}

bool isAcceptablePictureName(const QString& name)
{
    return isOneFolderEntry(name, u"/\\") && !formatOfName(name).isEmpty();
}

bool isAcceptableBookName(const QString& name)
{
    return isOneFolderEntry(name, u"/\\:*?\"<>|") && name.size() <= MaxBookNameLength;
}

QByteArray bytesOf(const QByteArray& pack, const Piece& piece)
{
    return QByteArray::fromRawData(pack.constData() + piece.offset, piece.length);
}

Contents decode(const QByteArray& pack)
{
    Contents result;
    const QByteArray sep = separator();
    const qsizetype headerEnd = pack.indexOf(sep);
    if (headerEnd < 0) {
        result.status = Status::NoMarker;
        return result;
    }
    const QByteArray header = pack.left(headerEnd);
    if (!header.contains('|')) {
        result.status = Status::NoHeader;
        return result;
    }
    result.status = Status::Damaged;
    // Every place the separator occurs after the header's own, overlapping
    // ones included: any of them may be the real one. Each picture needs one,
    // and the header cannot be longer than its names can be.
    const qsizetype names = header.count('|');
    if (header.size() > (names + 1) * MaxHeaderBytesPerName)
        return result;
    std::vector<qsizetype> separators;
    const qsizetype firstStart = headerEnd + sep.size();
    if (!findSeparators(pack, sep, firstStart, names + MaxExtraSeparators, separators))
        return result;
    if (qsizetype(separators.size()) < names - 1)
        return result;

    const QStringList parts = headerText(header).split(QLatin1Char('|'));
    const QString book = parts.constFirst();
    const QStringList pictureNames = parts.mid(1);
    if (!isAcceptableBookName(book))
        return result;
    QSet<QString> seen;
    QList<QByteArray> formats;
    for (const QString& name : pictureNames) {
        if (!isAcceptablePictureName(name))
            return result;
        const QString folded = name.toCaseFolded();
        if (seen.contains(folded))
            return result;
        seen.insert(folded);
        formats << formatOfName(name);
    }

    std::vector<qsizetype> starts, ends;
    Splitter splitter(pack, separators, sep.size(), formats);
    if (!splitter.split(firstStart, starts, ends))
        return result;
    for (qsizetype i = 0; i < pictureNames.size(); ++i)
        result.pieces.append({pictureNames[i], starts[size_t(i)], ends[size_t(i)] - starts[size_t(i)]});
    result.book = book;
    result.status = Status::Ok;
    return result;
}

} // namespace PicturePack

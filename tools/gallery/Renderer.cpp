#include "Renderer.h"

#include "assets/Canvas.h"
#include "toolkit/Label.h"

#include <QCryptographicHash>
#include <QPainterPath>
#include <QRawFont>
#include <QStringDecoder>
#include <QtEndian>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace stopwise::testing {
namespace {

QString freeTypeVersion()
{
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0)
        return QStringLiteral("unavailable");
    FT_Int major = 0, minor = 0, patch = 0;
    FT_Library_Version(library, &major, &minor, &patch);
    FT_Done_FreeType(library);
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(patch);
}

// Name 5 of the font file's "name" table, its version string, from the Windows (UTF-16)
// record, which every TrueType and OpenType file of the kiosk's faces carries.
QString fileVersion(const QByteArray& names)
{
    const auto word = [&](qsizetype at) {
        return at + 2 <= names.size() ? qFromBigEndian<quint16>(names.constData() + at) : 0;
    };
    for (int record = 0; record < word(2); ++record) {
        const qsizetype at = 6 + 12 * record, start = word(4) + word(at + 10);
        const int length = word(at + 8);
        if (word(at) == 3 && word(at + 6) == 5 && start + length <= names.size())
            return QStringDecoder(QStringDecoder::Utf16BE)(names.mid(start, length));
    }
    return QStringLiteral("no version");
}

// A digest of the outlines of the letters and digits: a Type 1 file has no version
// string, and a rebuilt file may keep its old one.
QString outlines(const QRawFont& raw)
{
    QByteArray points;
    const QString sample =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    for (const quint32 glyph : raw.glyphIndexesForString(sample)) {
        const QPainterPath path = raw.pathForGlyph(glyph);
        for (int i = 0; i < path.elementCount(); ++i)
            points += QByteArray::number(path.elementAt(i).x) + ',' +
                      QByteArray::number(path.elementAt(i).y) + ';';
    }
    return QString::fromLatin1(
        QCryptographicHash::hash(points, QCryptographicHash::Sha256).toHex().left(12));
}

// The face `font` resolves to here, its file's version and its outlines.
QString face(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    return QStringLiteral("%1 %2, %3, outlines %4")
        .arg(raw.familyName(), raw.styleName(), fileVersion(raw.fontTable("name")), outlines(raw));
}

} // namespace

QString describeRenderer(const QWidget& window)
{
    const Canvas canvas({1, 1}, 1, Qt::white);
    return QStringLiteral("Qt: %1\nFreeType: %2\nlabels: %3\nwords on keys: %4\n"
                          "signs on keys: %5\nwords on buttons: %6\n")
        .arg(QString::fromLatin1(qVersion()), freeTypeVersion(),
             face(window.findChild<const Label*>()->font()),
             face(canvas.font(Typeface::Narrow, 12)), face(canvas.font(Typeface::Typewriter, 12)),
             face(canvas.font(Typeface::Sans, 12)));
}

} // namespace stopwise::testing

// Paints every picture Vellory ships: the window icons, the splash logo, the site banners and the
// wallpaper thumbnails, plus the resource file that lists them.
//
// All artwork is drawn here from shapes, gradients and text, so it is entirely our own and any
// developer can regenerate it:  cmake --build <build> --target assets
// The output is the same bytes on every run: nothing reads the clock and the only "randomness"
// (stars, flowers, grain) comes from a small fixed-seed dice. Text is set in the DejaVu fonts,
// so a machine with other fonts installed may produce slightly different lettering.

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr qreal kPi = 3.14159265358979323846;

// ---------------------------------------------------------------------------------------------
// Deterministic dice: xorshift32, seeded per picture so changing one drawing never reshuffles
// the stars of another.

class Dice {
public:
    explicit Dice(quint32 seed)
        : m_state(seed ? seed : 0x9e3779b9u)
    {
    }
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    qreal unit() { return next() / 4294967296.0; }
    qreal range(qreal lo, qreal hi) { return lo + (hi - lo) * unit(); }

private:
    quint32 m_state;
};

quint32 seedFor(const char *key)
{
    quint32 hash = 2166136261u;
    for (const char *c = key; *c; ++c) {
        hash ^= static_cast<unsigned char>(*c);
        hash *= 16777619u;
    }
    return hash;
}

// ---------------------------------------------------------------------------------------------
// File formats.

enum class FileKind { Png, Jpeg, Bmp24, Bmp32 };

const char *suffixOf(FileKind kind)
{
    switch (kind) {
    case FileKind::Png:
        return "png";
    case FileKind::Jpeg:
        return "jpg";
    case FileKind::Bmp24:
    case FileKind::Bmp32:
        return "bmp";
    }
    return "bin";
}

void appendLe(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xffu));
}

// Qt only writes 24-bit bitmaps, but the site list and the wallpaper chooser expect 32-bit ones,
// so those are written by hand: a plain BITMAPFILEHEADER + BITMAPINFOHEADER, uncompressed,
// bottom-up rows of B,G,R,X with X always 255 so no reader mistakes them for transparent.
QByteArray encodeBmp32(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const quint32 width = static_cast<quint32>(image.width());
    const quint32 height = static_cast<quint32>(image.height());
    const quint32 pixelBytes = width * height * 4;
    const quint32 headerBytes = 14 + 40;

    QByteArray out;
    out.reserve(static_cast<int>(headerBytes + pixelBytes));
    out.append("BM", 2);
    appendLe(out, headerBytes + pixelBytes, 4);  // bfSize
    appendLe(out, 0, 4);                         // bfReserved1, bfReserved2
    appendLe(out, headerBytes, 4);               // bfOffBits
    appendLe(out, 40, 4);                        // biSize
    appendLe(out, width, 4);                     // biWidth
    appendLe(out, height, 4);                    // biHeight: positive, rows stored bottom-up
    appendLe(out, 1, 2);                         // biPlanes
    appendLe(out, 32, 2);                        // biBitCount
    appendLe(out, 0, 4);                         // biCompression: BI_RGB
    appendLe(out, pixelBytes, 4);                // biSizeImage
    appendLe(out, 2835, 4);                      // biXPelsPerMeter (72 dpi)
    appendLe(out, 2835, 4);                      // biYPelsPerMeter
    appendLe(out, 0, 4);                         // biClrUsed
    appendLe(out, 0, 4);                         // biClrImportant
    for (int y = image.height() - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
            out.append(static_cast<char>(0xff));
        }
    }
    return out;
}

quint16 bmpBitCount(const QByteArray &bytes)
{
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return 0;
    return static_cast<quint16>(
        static_cast<unsigned char>(bytes.at(28)) | (static_cast<unsigned char>(bytes.at(29)) << 8));
}

QByteArray encode(const QImage &image, FileKind kind, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool written = false;
    switch (kind) {
    case FileKind::Png:
        written = image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
        break;
    case FileKind::Jpeg:
        written = image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", 90);
        break;
    case FileKind::Bmp24:
        // An opaque 32-bit image is stored by Qt's writer as 24 bits per pixel; checked below.
        written = image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
        if (written && bmpBitCount(bytes) != 24) {
            *error = QStringLiteral("Qt did not write a 24-bit bitmap");
            return {};
        }
        break;
    case FileKind::Bmp32:
        buffer.close();
        return encodeBmp32(image);
    }
    if (!written) {
        *error = QStringLiteral("Qt could not encode the picture");
        return {};
    }
    return bytes;
}

// ---------------------------------------------------------------------------------------------
// Writes pictures under the output folder and remembers them for the resource file.

class AssetWriter {
public:
    explicit AssetWriter(const QString &root)
        : m_root(root)
    {
    }

    void write(const QString &alias, FileKind kind, const QImage &image, const QSize &expected)
    {
        if (image.size() != expected) {
            fail(alias,
                QStringLiteral("drawn at %1x%2 instead of %3x%4")
                    .arg(image.width())
                    .arg(image.height())
                    .arg(expected.width())
                    .arg(expected.height()));
            return;
        }
        QString error;
        const QByteArray bytes = encode(image, kind, &error);
        if (bytes.isEmpty()) {
            fail(alias, error);
            return;
        }
        const QString relative = alias + QLatin1Char('.') + QLatin1String(suffixOf(kind));
        if (store(relative, bytes))
            m_entries.emplace_back(alias, relative);
    }

    // One resource file for everything, with aliases, so the program asks for ":/sites/Crosswalk"
    // and never needs to know which pictures are bitmaps and which are JPEGs.
    void writeResourceFile()
    {
        QByteArray text;
        QTextStream out(&text);
        out << "<!DOCTYPE RCC>\n"
            << "<!-- Written by tools/make_assets.cpp; regenerate with the \"assets\" build target. -->\n"
            << "<RCC version=\"1.0\">\n"
            << "    <qresource prefix=\"/\">\n";
        for (const auto &[alias, file] : m_entries)
            out << "        <file alias=\"" << alias << "\">" << file << "</file>\n";
        out << "    </qresource>\n"
            << "</RCC>\n";
        out.flush();
        store(QStringLiteral("vellory.qrc"), text);
    }

    bool ok() const { return m_ok; }
    int changed() const { return m_changed; }
    int total() const { return m_total; }

private:
    // Leaves files that did not change untouched, so regenerating does not force a rebuild.
    bool store(const QString &relative, const QByteArray &bytes)
    {
        ++m_total;
        const QString path = m_root.filePath(relative);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            fail(relative, QStringLiteral("cannot create its folder"));
            return false;
        }
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
            return true;
        existing.close();
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            fail(relative, file.errorString());
            return false;
        }
        ++m_changed;
        return true;
    }

    void fail(const QString &what, const QString &why)
    {
        std::fprintf(stderr, "vellory-assets: %s: %s\n", qPrintable(what), qPrintable(why));
        m_ok = false;
    }

    QDir m_root;
    std::vector<std::pair<QString, QString>> m_entries;
    bool m_ok = true;
    int m_changed = 0;
    int m_total = 0;
};

// ---------------------------------------------------------------------------------------------
// Drawing helpers shared by the pictures.

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
        static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
        static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
        static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

void fillVertical(QPainter &p, const QRectF &rect, std::initializer_list<std::pair<qreal, QColor>> stops)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    for (const auto &[at, colour] : stops)
        gradient.setColorAt(at, colour);
    p.fillRect(rect, gradient);
}

// A soft round light: full colour in the middle fading to nothing at the rim.
void glow(QPainter &p, const QPointF &centre, qreal radius, const QColor &colour)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(0.4, withAlpha(colour, colour.alpha() / 2));
    gradient.setColorAt(1, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
}

// A Latin cross whose crossbar sits a quarter of the way down.
QPainterPath crossPath(qreal centreX, qreal top, qreal height, qreal thickness, qreal spanRatio = 0.62)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const qreal span = height * spanRatio;
    path.addRect(QRectF(centreX - thickness / 2, top, thickness, height));
    path.addRect(QRectF(centreX - span / 2, top + height * 0.24, span, thickness));
    return path.simplified();
}

QPainterPath cloudPath(const QPointF &c, qreal w)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRoundedRect(QRectF(c.x() - w / 2, c.y() - w * 0.1, w, w * 0.2), w * 0.1, w * 0.1);
    path.addEllipse(QPointF(c.x() - w * 0.22, c.y() - w * 0.08), w * 0.17, w * 0.15);
    path.addEllipse(QPointF(c.x() + w * 0.02, c.y() - w * 0.15), w * 0.21, w * 0.2);
    path.addEllipse(QPointF(c.x() + w * 0.25, c.y() - w * 0.06), w * 0.15, w * 0.13);
    return path.simplified();
}

void drawCloud(QPainter &p, const QPointF &c, qreal w, const QColor &top = QColor(255, 255, 255),
    const QColor &bottom = QColor(204, 216, 234), qreal opacity = 1.0)
{
    const QPainterPath path = cloudPath(c, w);
    const QRectF bounds = path.boundingRect();
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0.2, top);
    gradient.setColorAt(1, bottom);
    p.save();
    p.setOpacity(opacity);
    p.fillPath(path, gradient);
    p.restore();
}

QPainterPath starPath(const QPointF &c, qreal outer, qreal inner, int points, qreal rotationDegrees = -90)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = rotationDegrees * kPi / 180 + i * kPi / points;
        const QPointF at(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

// A twinkle: a thin four-pointed star with a little halo.
void drawSparkle(QPainter &p, const QPointF &c, qreal size, const QColor &colour = QColor(255, 255, 240))
{
    glow(p, c, size * 0.9, withAlpha(colour, 110));
    p.fillPath(starPath(c, size, size * 0.16, 4), colour);
}

void scatterStars(QPainter &p, const QRectF &area, int count, Dice &dice, qreal maxExtra = 0.55)
{
    static const QColor tints[] = {QColor(255, 255, 255), QColor(220, 230, 255), QColor(255, 244, 214)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(dice.range(area.left(), area.right()), dice.range(area.top(), area.bottom()));
        const qreal r = 0.3 + maxExtra * std::pow(dice.unit(), 3.0);
        QColor colour = tints[dice.next() % 3];
        colour.setAlpha(110 + static_cast<int>(dice.unit() * 145));
        p.setBrush(colour);
        p.drawEllipse(at, r, r);
    }
}

// Light rays fanning out from a point, fading with distance.
void drawRays(QPainter &p, const QPointF &c, int count, qreal length, const QColor &colour, qreal phase = 0)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int i = 0; i < count; ++i) {
        const qreal a0 = phase + 2 * kPi * i / count;
        const qreal a1 = a0 + kPi / count;
        path.moveTo(c);
        path.lineTo(c.x() + length * std::cos(a0), c.y() + length * std::sin(a0));
        path.lineTo(c.x() + length * std::cos(a1), c.y() + length * std::sin(a1));
        path.closeSubpath();
    }
    QRadialGradient gradient(c, length);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, withAlpha(colour, 0));
    p.fillPath(path, gradient);
}

QPainterPath wavePath(qreal left, qreal right, qreal baseY, qreal amplitude, qreal wavelength, qreal phase)
{
    QPainterPath path;
    for (qreal x = left; x <= right + 0.25; x += 0.5) {
        const QPointF at(x, baseY + amplitude * std::sin(x / wavelength * 2 * kPi + phase));
        if (x == left)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    return path;
}

QPainterPath waveBand(
    qreal left, qreal right, qreal baseY, qreal amplitude, qreal wavelength, qreal phase, qreal bottom)
{
    QPainterPath path = wavePath(left, right, baseY, amplitude, wavelength, phase);
    path.lineTo(right, bottom);
    path.lineTo(left, bottom);
    path.closeSubpath();
    return path;
}

// A smooth closed curve through the points (Catmull-Rom turned into cubic Béziers).
QPainterPath smoothClosed(const std::vector<QPointF> &points)
{
    QPainterPath path;
    const size_t n = points.size();
    path.moveTo(points[0]);
    for (size_t i = 0; i < n; ++i) {
        const QPointF &p0 = points[(i + n - 1) % n];
        const QPointF &p1 = points[i];
        const QPointF &p2 = points[(i + 1) % n];
        const QPointF &p3 = points[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    path.closeSubpath();
    return path;
}

QPainterPath blobPath(const QPointF &c, qreal rx, qreal ry, int points, qreal wobble, Dice &dice)
{
    std::vector<QPointF> ring;
    for (int i = 0; i < points; ++i) {
        const qreal a = 2 * kPi * i / points;
        const qreal k = 1 + dice.range(-wobble, wobble);
        ring.emplace_back(c.x() + rx * k * std::cos(a), c.y() + ry * k * std::sin(a));
    }
    return smoothClosed(ring);
}

QPainterPath heartPath(const QPointF &c, qreal width)
{
    const qreal s = width / 2;
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.95);
    path.cubicTo(c.x() - s * 1.25, c.y() + s * 0.1, c.x() - s * 0.95, c.y() - s * 0.95, c.x(), c.y() - s * 0.4);
    path.cubicTo(c.x() + s * 0.95, c.y() - s * 0.95, c.x() + s * 1.25, c.y() + s * 0.1, c.x(), c.y() + s * 0.95);
    path.closeSubpath();
    return path;
}

// A flying gull, two little arcs.
void drawBird(QPainter &p, const QPointF &c, qreal size, const QColor &colour)
{
    QPainterPath path;
    path.moveTo(c.x() - size, c.y() - size * 0.2);
    path.quadTo(c.x() - size * 0.5, c.y() - size * 0.7, c.x(), c.y());
    path.quadTo(c.x() + size * 0.5, c.y() - size * 0.7, c.x() + size, c.y() - size * 0.2);
    p.setPen(QPen(colour, size * 0.28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawFish(QPainter &p, const QPointF &c, qreal length, qreal angle, const QColor &colour)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath tail;
    tail.moveTo(-length * 0.35, 0);
    tail.lineTo(-length * 0.6, -length * 0.2);
    tail.lineTo(-length * 0.6, length * 0.2);
    tail.closeSubpath();
    p.fillPath(tail, colour.darker(120));
    QLinearGradient body(0, -length * 0.2, 0, length * 0.2);
    body.setColorAt(0, colour.lighter(140));
    body.setColorAt(1, colour.darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), length * 0.42, length * 0.17);
    p.setBrush(QColor(20, 20, 30));
    p.drawEllipse(QPointF(length * 0.25, -length * 0.04), length * 0.035, length * 0.035);
    p.restore();
}

// Fits the lines into the area with the largest whole pixel size, and returns the outline path.
QPainterPath titlePath(const QStringList &lines, const QRectF &area, QFont font, qreal lineGap = 0.0)
{
    for (int px = static_cast<int>(area.height()); px >= 4; --px) {
        font.setPixelSize(px);
        const QFontMetricsF metrics(font);
        const qreal pitch = metrics.capHeight() + metrics.descent() + lineGap + px * 0.12;
        qreal width = 0;
        for (const QString &line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        const qreal height = metrics.capHeight() + pitch * (lines.size() - 1) + metrics.descent() * 0.6;
        if (width > area.width() || height > area.height())
            continue;
        QPainterPath path;
        qreal baseline = area.center().y() - height / 2 + metrics.capHeight();
        for (const QString &line : lines) {
            path.addText(area.center().x() - metrics.horizontalAdvance(line) / 2, baseline, font, line);
            baseline += pitch;
        }
        return path;
    }
    return {};
}

QFont makeFont(const QString &family, QFont::Weight weight, bool italic = false)
{
    QFont font(family);
    font.setWeight(weight);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (QFontInfo(font).family() != family)
        std::fprintf(
            stderr, "vellory-assets: warning: font \"%s\" not installed; text will differ\n", qPrintable(family));
    return font;
}

// Paints at four times the size and shrinks with area averaging: smooth edges on tiny pictures.
constexpr int kSupersample = 4;

QImage paintSupersampled(int width, int height, const std::function<void(QPainter &, const QSizeF &)> &draw)
{
    QImage big(width * kSupersample, height * kSupersample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(kSupersample, kSupersample);
        draw(p, QSizeF(width, height));
    }
    return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---------------------------------------------------------------------------------------------
// Icons and the splash logo.

QLinearGradient goldGradient(qreal top, qreal bottom)
{
    QLinearGradient gold(0, top, 0, bottom);
    gold.setColorAt(0, QColor(255, 236, 160));
    gold.setColorAt(0.45, QColor(242, 196, 76));
    gold.setColorAt(1, QColor(196, 138, 30));
    return gold;
}

// The window icon is tiny and stored without transparency, so it is a full square: a deep-blue
// plaque with a thin gold rim and a pixel-sharp gold cross.
QImage paintWindowIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(9, 20, 54));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient plaque(0, 0, 0, 32);
    plaque.setColorAt(0, QColor(52, 98, 186));
    plaque.setColorAt(1, QColor(16, 36, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(plaque);
    p.drawRoundedRect(QRectF(0, 0, 32, 32), 6, 6);
    glow(p, QPointF(16, 12.5), 13, QColor(255, 222, 130, 110));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(236, 190, 80, 150), 1));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 42, 6));
    p.drawRect(13, 4, 6, 25);
    p.drawRect(7, 9, 18, 6);
    p.setBrush(goldGradient(5, 28));
    p.drawRect(14, 5, 4, 23);
    p.drawRect(8, 10, 16, 4);
    p.setBrush(QColor(255, 246, 206));
    p.drawRect(14, 5, 1, 5);
    p.drawRect(14, 14, 1, 14);
    p.drawRect(8, 10, 16, 1);
    return image;
}

QPainterPath bookPagePath(qreal spineX, qreal top, qreal bottom, qreal halfWidth, qreal sag, int side)
{
    const qreal outer = spineX + side * halfWidth;
    QPainterPath path;
    path.moveTo(spineX, top + sag);
    path.cubicTo(
        spineX + side * halfWidth * 0.3, top - sag * 0.6, spineX + side * halfWidth * 0.7, top - sag * 0.6, outer, top);
    path.lineTo(outer, bottom - sag);
    path.cubicTo(spineX + side * halfWidth * 0.7, bottom - sag * 1.3, spineX + side * halfWidth * 0.3,
        bottom - sag * 1.3, spineX, bottom);
    path.closeSubpath();
    return path;
}

// An open book seen from the front: a coloured cover peeking out below cream pages with lines.
void drawOpenBook(QPainter &p, qreal spineX, qreal top, qreal bottom, qreal halfWidth, const QColor &cover, int lines)
{
    const qreal sag = (bottom - top) * 0.14;
    const qreal lift = (bottom - top) * 0.09;
    for (int side : {-1, 1}) {
        p.fillPath(bookPagePath(spineX, top + lift, bottom + lift, halfWidth * 1.06, sag, side), cover);
        p.fillPath(bookPagePath(spineX, top + lift * 0.55, bottom + lift * 0.55, halfWidth * 1.02, sag, side),
            QColor(226, 216, 190));
        const QPainterPath page = bookPagePath(spineX, top, bottom, halfWidth, sag, side);
        QLinearGradient paper(spineX + side * halfWidth, 0, spineX, 0);
        paper.setColorAt(0, QColor(236, 226, 200));
        paper.setColorAt(0.7, QColor(252, 248, 234));
        paper.setColorAt(1, QColor(196, 184, 156));
        p.fillPath(page, paper);
        p.setPen(QPen(QColor(90, 80, 70, 110), (bottom - top) * 0.025));
        const qreal margin = halfWidth * 0.16;
        for (int i = 0; i < lines; ++i) {
            const qreal t = (i + 1.0) / (lines + 1);
            const qreal y = top + sag * 0.9 + t * (bottom - top - sag * 1.8);
            const qreal shorten = (i % 4 == 3) ? halfWidth * 0.3 : 0;
            const qreal near = spineX + side * margin;
            const qreal far = spineX + side * (halfWidth - margin - shorten);
            p.drawLine(QPointF(std::min(near, far), y), QPointF(std::max(near, far), y));
        }
    }
    p.setPen(QPen(QColor(150, 130, 100, 160), (bottom - top) * 0.03));
    p.drawLine(QPointF(spineX, top + sag), QPointF(spineX, bottom));
}

// The main window's icon: the same plaque and cross, rising from an open book, with a soft light.
QImage paintMainIcon()
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plaque(3, 2, 58, 58);
    for (int i = 3; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 28));
        p.drawRoundedRect(plaque.translated(0, 1.5).adjusted(-i * 0.5, -i * 0.3, i * 0.5, i * 0.7), 13, 13);
    }
    QLinearGradient blue(0, plaque.top(), 0, plaque.bottom());
    blue.setColorAt(0, QColor(58, 108, 196));
    blue.setColorAt(1, QColor(12, 30, 84));
    QPainterPath body;
    body.addRoundedRect(plaque, 12, 12);
    p.fillPath(body, blue);
    p.save();
    p.setClipPath(body);
    drawRays(p, QPointF(32, 22), 14, 40, QColor(255, 236, 170, 60), 0.1);
    glow(p, QPointF(32, 22), 24, QColor(255, 226, 140, 150));
    p.restore();

    const QPainterPath cross = crossPath(32, 7, 40, 6, 0.66);
    p.fillPath(cross.translated(0.8, 1), QColor(0, 0, 20, 90));
    p.fillPath(cross, goldGradient(7, 47));
    p.setPen(QPen(QColor(110, 70, 10), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cross);
    p.setPen(QPen(QColor(255, 248, 214, 200), 1));
    p.drawLine(QPointF(30, 8), QPointF(30, 16));
    p.drawLine(QPointF(20, 17.5), QPointF(44, 17.5));

    drawOpenBook(p, 32, 39, 54, 22, QColor(150, 34, 40), 3);

    p.setPen(QPen(QColor(240, 200, 100, 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plaque.adjusted(1, 1, -1, -1), 11, 11);
    return image;
}

// The splash logo: a cross on a green hill against a sunrise, with a path winding up to it.
QImage paintSplashLogo()
{
    const int width = 290;
    const int height = 254;
    return paintSupersampled(width, height, [&](QPainter &p, const QSizeF &) {
        Dice dice(seedFor("splash"));
        QPainterPath frame;
        frame.addRoundedRect(QRectF(0, 0, width, height), 26, 26);
        p.setClipPath(frame);

        fillVertical(p, QRectF(0, 0, width, height),
            {{0, QColor(22, 40, 104)}, {0.3, QColor(70, 98, 170)}, {0.58, QColor(226, 132, 110)},
                {0.74, QColor(255, 196, 120)}, {1, QColor(255, 226, 160)}});
        const QPointF sun(148, 176);
        drawRays(p, sun, 22, 260, QColor(255, 240, 190, 70), 0.05);
        glow(p, sun, 130, QColor(255, 214, 130, 150));
        QRadialGradient disc(sun, 40);
        disc.setColorAt(0, QColor(255, 252, 226));
        disc.setColorAt(0.7, QColor(255, 232, 150));
        disc.setColorAt(1, QColor(255, 200, 96));
        p.setBrush(disc);
        p.drawEllipse(sun, 38, 38);

        scatterStars(p, QRectF(0, 0, width, 50), 40, dice, 0.4);
        drawCloud(p, QPointF(58, 92), 86, QColor(255, 226, 214), QColor(214, 128, 124), 0.9);
        drawCloud(p, QPointF(238, 66), 70, QColor(250, 214, 214), QColor(190, 120, 140), 0.85);
        drawCloud(p, QPointF(250, 130), 44, QColor(255, 236, 210), QColor(236, 160, 120), 0.8);
        drawBird(p, QPointF(70, 140), 7, QColor(70, 40, 60, 200));
        drawBird(p, QPointF(88, 128), 5, QColor(70, 40, 60, 180));
        drawBird(p, QPointF(214, 104), 6, QColor(70, 40, 60, 190));

        // Distant blue hills, then the main hill.
        QPainterPath far;
        far.moveTo(0, 196);
        far.cubicTo(40, 178, 80, 186, 110, 198);
        far.cubicTo(170, 190, 230, 172, 290, 190);
        far.lineTo(290, 254);
        far.lineTo(0, 254);
        far.closeSubpath();
        p.fillPath(far, QColor(104, 96, 150));

        QPainterPath hill;
        hill.moveTo(0, 236);
        hill.cubicTo(50, 222, 100, 176, 150, 172);
        hill.cubicTo(200, 176, 250, 212, 290, 218);
        hill.lineTo(290, 254);
        hill.lineTo(0, 254);
        hill.closeSubpath();
        QLinearGradient grass(0, 170, 0, 254);
        grass.setColorAt(0, QColor(92, 150, 70));
        grass.setColorAt(1, QColor(28, 78, 40));
        p.fillPath(hill, grass);

        // The path up the hill, lit from behind.
        QPainterPath track;
        track.moveTo(118, 254);
        track.cubicTo(150, 236, 112, 214, 146, 188);
        track.lineTo(154, 188);
        track.cubicTo(128, 214, 172, 236, 150, 254);
        track.closeSubpath();
        QLinearGradient dust(0, 254, 0, 188);
        dust.setColorAt(0, QColor(214, 186, 128, 200));
        dust.setColorAt(0.7, QColor(214, 186, 128, 150));
        dust.setColorAt(1, QColor(214, 186, 128, 0));
        p.fillPath(track, dust);

        // Rim light along the crest.
        QPainterPath crest;
        crest.moveTo(0, 236);
        crest.cubicTo(50, 222, 100, 176, 150, 172);
        crest.cubicTo(200, 176, 250, 212, 290, 218);
        p.setPen(QPen(QColor(255, 220, 140, 160), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(crest);

        // Grass tufts in the foreground.
        p.setPen(QPen(QColor(22, 62, 32), 1.4, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 60; ++i) {
            const qreal x = dice.range(0, width);
            const qreal y = dice.range(226, 256);
            const qreal h = dice.range(4, 9);
            p.drawLine(QPointF(x, y), QPointF(x + dice.range(-2.5, 2.5), y - h));
        }
        for (int i = 0; i < 26; ++i) {
            const QPointF at(dice.range(6, width - 6), dice.range(224, 250));
            p.setPen(Qt::NoPen);
            p.setBrush(i % 3 == 0 ? QColor(255, 240, 240) : QColor(255, 214, 90));
            p.drawEllipse(at, 1.8, 1.8);
        }

        // The cross: dark wood in silhouette with a golden edge where the sun catches it.
        const QPainterPath cross = crossPath(150, 46, 132, 13, 0.56);
        QLinearGradient wood(138, 0, 162, 0);
        wood.setColorAt(0, QColor(64, 38, 26));
        wood.setColorAt(1, QColor(34, 20, 14));
        p.fillPath(cross, wood);
        p.setPen(QPen(QColor(255, 210, 120, 200), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cross);

        p.setClipping(false);
        p.setPen(QPen(QColor(255, 255, 255, 90), 2));
        p.drawRoundedRect(QRectF(1, 1, width - 2, height - 2), 25, 25);
    });
}

// ---------------------------------------------------------------------------------------------
// Site banners: the site's name on a coloured band.

struct SiteBanner {
    const char *key;   // ASCII, used for the file and the resource alias
    const char *text;  // UTF-8
    FileKind kind;
    int width;
    int height;
    QRgb colour;
    bool serif;
};

const SiteBanner kSites[] = {
    {"EvangelistSite", "Billy Graham", FileKind::Jpeg, 43, 20, 0x1d3f73, false},
    {"BibleGateway", "Bible Gateway", FileKind::Jpeg, 113, 32, 0x7a1f24, true},
    {"FocusOnTheFamily", "Focus On The Family", FileKind::Jpeg, 113, 38, 0x2e6b3a, false},
    {"AmazingBible", "Amazing Bible", FileKind::Jpeg, 113, 10, 0x4b2c6f, true},
    {"PromiseKeepers", "Promise Keepers", FileKind::Bmp32, 63, 20, 0x0f5c74, false},
    {"KoinoniaHouse", "Koinonia House", FileKind::Jpeg, 113, 18, 0x8a5a1b, false},
    {"GospelPortal", "Gospelcom.net", FileKind::Jpeg, 113, 31, 0x1f5fa8, false},
    {"ChristianCafe", "Christian Caf\xc3\xa9", FileKind::Jpeg, 113, 30, 0x6b3e26, false},
    {"OnlineScripture", "Online Scripture", FileKind::Jpeg, 113, 13, 0x2b4a5e, true},
    {"AnswersInGenesis", "Answers In Genesis", FileKind::Jpeg, 113, 15, 0x3b6e1f, false},
    {"eHarmony", "eHarmony", FileKind::Jpeg, 113, 26, 0xa23a5a, false},
    {"EastonsBibleDictionary", "Easton's Bible Dictionary", FileKind::Jpeg, 113, 14, 0x5c4a2e, true},
    {"Crosswalk", "Crosswalk", FileKind::Jpeg, 113, 29, 0xc0561b, false},
    {"BibleontheWeb", "Bible on the Web", FileKind::Jpeg, 113, 29, 0x234d8c, true},
    {"HarvestOnline", "Harvest Online", FileKind::Jpeg, 113, 41, 0xa8740f, false},
    {"NavesTopicalBible", "Nave's Topical Bible", FileKind::Jpeg, 113, 15, 0x3d3d6b, true},
    {"ChristianityToday", "Christianity Today", FileKind::Jpeg, 113, 24, 0x8c1c2c, false},
    {"SermonSearch", "Sermon Search", FileKind::Jpeg, 94, 45, 0x2f5d50, false},
    {"CrossDaily", "Cross Daily", FileKind::Jpeg, 113, 29, 0x5a2a82, false},
    {"ChristianAnswers", "Christian Answers", FileKind::Jpeg, 113, 31, 0x1a6f8f, false},
    {"BlueLetterBible", "Blue Letter Bible", FileKind::Jpeg, 113, 27, 0x1b4f9c, true},
    {"ChristianHeadlines", "Christian Headlines", FileKind::Jpeg, 113, 20, 0x333a45, false},
    {"TheBibleSource", "The Bible Source", FileKind::Jpeg, 113, 29, 0x7b4b1e, true},
    {"TheBibleMaster", "The Bible Master", FileKind::Bmp32, 65, 20, 0x14506a, true},
};

struct TextFit {
    QFont font;
    QStringList lines;
    qreal pitch = 0;
    QRectF ink;  // tight bounds of the block, relative to the first baseline at x = 0
    int pixelSize = 0;
};

// Tries the name on one line and split over two at every word gap, shrinking the font until it
// fits. A banner reads best on one line, so two lines win only when they allow clearly larger
// letters; among two-line splits the most even one wins a tie.
TextFit fitText(const QString &text, const QFont &base, const QSizeF &room)
{
    std::vector<QStringList> layouts {QStringList {text}};
    const QStringList words = text.split(QLatin1Char(' '));
    for (int split = 1; split < words.size(); ++split)
        layouts.push_back({words.mid(0, split).join(QLatin1Char(' ')), words.mid(split).join(QLatin1Char(' '))});

    TextFit best;
    qreal bestScore = 0;
    for (const QStringList &lines : layouts) {
        for (int px = std::min(40, static_cast<int>(room.height()) + 2); px >= 5; --px) {
            QFont font = base;
            font.setPixelSize(px);
            const QFontMetricsF metrics(font);
            const qreal pitch = std::ceil(metrics.capHeight() + metrics.descent() + std::max(1.0, px * 0.1));
            QRectF ink;
            qreal narrowest = room.width();
            for (int i = 0; i < lines.size(); ++i) {
                const QRectF tight = metrics.tightBoundingRect(lines[i]);
                const qreal advance = metrics.horizontalAdvance(lines[i]);
                const QRectF line(-advance / 2, tight.top() + i * pitch, advance, tight.height());
                ink = ink.isNull() ? line : ink.united(line);
                narrowest = std::min(narrowest, advance);
            }
            if (ink.width() > room.width() || ink.height() > room.height())
                continue;
            const qreal balance = narrowest / ink.width();  // 1 for one line or an even split
            const qreal score = (lines.size() == 1 ? px * 1.25 : px) + balance * 0.5;
            if (score > bestScore) {
                bestScore = score;
                best = TextFit {font, lines, pitch, ink, px};
            }
            break;
        }
    }
    if (best.pixelSize == 0) {
        // Nothing fits even at the smallest size: use it anyway, the band just clips the ends.
        QFont font = base;
        font.setPixelSize(5);
        const QFontMetricsF metrics(font);
        const QRectF tight = metrics.tightBoundingRect(text);
        best = TextFit {font, {text}, 0, QRectF(-tight.width() / 2, tight.top(), tight.width(), tight.height()), 5};
    }
    return best;
}

QImage paintSiteBanner(const SiteBanner &site, const QFont &sans, const QFont &serif)
{
    const int w = site.width;
    const int h = site.height;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    const QColor base = QColor::fromRgb(site.colour);
    QPainter p(&image);
    fillVertical(p, QRectF(0, 0, w, h), {{0, base.lighter(135)}, {0.5, base}, {1, base.darker(135)}});
    p.fillRect(QRectF(0, 0, w, h * 0.45), QColor(255, 255, 255, 26));

    // Roomier bands get a gold stripe along the bottom and a light edge along the top.
    int stripe = 0;
    if (h >= 14) {
        stripe = h >= 30 ? 2 : 1;
        p.fillRect(QRect(0, h - stripe, w, stripe), QColor(232, 190, 84));
        p.fillRect(QRect(0, 0, w, 1), QColor(255, 255, 255, 70));
    }

    QRectF room(3, 1, w - 6, h - 2 - stripe);
    if (h < 14)
        room = QRectF(2, 0, w - 4, h);

    // A small gold cross at the left end when the band is tall and wide enough to spare the room.
    if (h >= 18 && w >= 90) {
        const int crossHeight = std::min(h - 2 * std::max(3, h / 6) - stripe, 26);
        const int thick = std::max(2, crossHeight / 6);
        int span = (crossHeight * 62) / 100;
        if ((span - thick) % 2 != 0)
            ++span;
        const int top = (h - stripe - crossHeight) / 2;
        const int left = 4;
        const int centre = left + span / 2;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRect(centre - thick / 2 + 1, top + 1, thick, crossHeight);
        p.drawRect(left + 1, top + crossHeight / 4 + 1, span, thick);
        p.setBrush(QColor(240, 202, 96));
        p.drawRect(centre - thick / 2, top, thick, crossHeight);
        p.drawRect(left, top + crossHeight / 4, span, thick);
        room.setLeft(left + span + 3);
    }

    const TextFit fit = fitText(QString::fromUtf8(site.text), site.serif ? serif : sans, room.size());
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(fit.font);
    const QFontMetricsF metrics(fit.font);
    const qreal firstBaseline = std::round(room.center().y() - fit.ink.center().y());
    for (int i = 0; i < fit.lines.size(); ++i) {
        const qreal x = std::round(room.center().x() - metrics.horizontalAdvance(fit.lines[i]) / 2);
        const qreal y = firstBaseline + i * fit.pitch;
        p.setPen(QColor(0, 0, 0, 120));
        p.drawText(QPointF(x + 1, y + 1), fit.lines[i]);
        p.setPen(QColor(252, 250, 242));
        p.drawText(QPointF(x, y), fit.lines[i]);
    }
    return image;
}

// ---------------------------------------------------------------------------------------------
// Wallpaper thumbnails, each drawn in a 100 x 75 (or 94 x 75) space.

using WallpaperPainter = void (*)(QPainter &, const QSizeF &, Dice &);

void paintSky(QPainter &p, const QSizeF &s, Dice &)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(
        p, QRectF(0, 0, W, H), {{0, QColor(30, 90, 176)}, {0.6, QColor(104, 162, 224)}, {1, QColor(198, 228, 248)}});
    glow(p, QPointF(W * 0.86, H * 0.1), 34, QColor(255, 250, 220, 170));
    drawCloud(p, QPointF(W * 0.84, H * 0.26), 20, Qt::white, QColor(210, 222, 240), 0.9);
    drawCloud(p, QPointF(W * 0.3, H * 0.3), 44);
    drawCloud(p, QPointF(W * 0.72, H * 0.6), 50);
    drawCloud(p, QPointF(W * 0.16, H * 0.8), 30, Qt::white, QColor(214, 226, 242), 0.95);
    drawCloud(p, QPointF(W * 0.5, H * 0.95), 22, Qt::white, QColor(220, 232, 246), 0.9);
}

void paintStars(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H), {{0, QColor(3, 6, 24)}, {0.7, QColor(16, 28, 68)}, {1, QColor(40, 48, 96)}});
    // The band of the galaxy, tilted across the sky.
    p.save();
    p.translate(W * 0.5, H * 0.42);
    p.rotate(-28);
    p.scale(1, 0.22);
    glow(p, QPointF(0, 0), W * 0.7, QColor(150, 160, 230, 80));
    p.restore();
    scatterStars(p, QRectF(0, 0, W, H * 0.85), 200, dice);
    const qreal tilt = -28 * kPi / 180;
    for (int i = 0; i < 140; ++i) {
        const qreal along = dice.range(-1, 1) * W * 0.65;
        const qreal across = (dice.unit() + dice.unit() - 1) * 7;
        const QPointF at(W * 0.5 + along * std::cos(tilt) - across * std::sin(tilt),
            H * 0.42 + along * std::sin(tilt) + across * std::cos(tilt));
        p.setBrush(QColor(230, 235, 255, 90 + static_cast<int>(dice.unit() * 120)));
        p.drawEllipse(at, 0.32, 0.32);
    }
    drawSparkle(p, QPointF(W * 0.18, H * 0.18), 3.2);
    drawSparkle(p, QPointF(W * 0.8, H * 0.62), 2.6, QColor(220, 230, 255));
    drawSparkle(p, QPointF(W * 0.62, H * 0.12), 2.2, QColor(255, 240, 210));
    drawSparkle(p, QPointF(W * 0.36, H * 0.55), 1.8);
    // A shooting star.
    QLinearGradient trail(W * 0.66, H * 0.28, W * 0.9, H * 0.42);
    trail.setColorAt(0, QColor(255, 255, 255, 0));
    trail.setColorAt(1, QColor(255, 255, 255, 230));
    p.setPen(QPen(QBrush(trail), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(W * 0.66, H * 0.28), QPointF(W * 0.9, H * 0.42));
    // Hills in silhouette.
    QPainterPath hills;
    hills.moveTo(0, H);
    hills.lineTo(0, H * 0.86);
    hills.cubicTo(W * 0.25, H * 0.78, W * 0.45, H * 0.9, W * 0.6, H * 0.86);
    hills.cubicTo(W * 0.75, H * 0.82, W * 0.9, H * 0.84, W, H * 0.8);
    hills.lineTo(W, H);
    hills.closeSubpath();
    p.fillPath(hills, QColor(6, 8, 20));
}

void paintHeavens(QPainter &p, const QSizeF &s, Dice &)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(
        p, QRectF(0, 0, W, H), {{0, QColor(24, 58, 128)}, {0.5, QColor(96, 150, 214)}, {1, QColor(250, 224, 168)}});
    const QPointF source(W * 0.5, H * 0.2);
    drawRays(p, source, 20, 110, QColor(255, 248, 214, 90), 0.12);
    glow(p, source, 30, QColor(255, 250, 226, 240));
    const QColor lit(246, 206, 140);
    drawCloud(p, QPointF(W * 0.2, H * 0.24), 48, Qt::white, lit);
    drawCloud(p, QPointF(W * 0.82, H * 0.2), 44, Qt::white, lit);
    drawCloud(p, QPointF(W * 0.52, H * 0.36), 26, QColor(255, 255, 246), lit, 0.9);
    drawCloud(p, QPointF(W * 0.14, H * 0.72), 38, QColor(255, 250, 240), QColor(240, 190, 130));
    drawCloud(p, QPointF(W * 0.74, H * 0.86), 54, QColor(255, 250, 240), QColor(240, 190, 130));
    drawCloud(p, QPointF(W * 0.45, H * 0.62), 24, QColor(255, 250, 240), QColor(240, 200, 150), 0.85);
}

void paintWaters(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    const qreal horizon = H * 0.42;
    fillVertical(p, QRectF(0, 0, W, horizon),
        {{0, QColor(100, 156, 214)}, {0.7, QColor(236, 206, 176)}, {1, QColor(255, 214, 160)}});
    const QPointF sun(W * 0.7, horizon - 6);
    glow(p, sun, 28, QColor(255, 236, 180, 200));
    p.setBrush(QColor(255, 246, 214));
    p.drawEllipse(sun, 5, 5);
    drawCloud(p, QPointF(W * 0.25, H * 0.16), 30, QColor(255, 246, 236), QColor(230, 190, 180), 0.9);
    QPainterPath island;
    island.moveTo(0, horizon);
    island.cubicTo(W * 0.08, horizon - 6, W * 0.18, horizon - 5, W * 0.3, horizon);
    island.closeSubpath();
    p.fillPath(island, QColor(90, 104, 140));

    fillVertical(p, QRectF(0, horizon, W, H - horizon), {{0, QColor(44, 118, 170)}, {1, QColor(8, 44, 84)}});
    // Glitter under the sun.
    for (int i = 0; i < 30; ++i) {
        const qreal y = horizon + 1 + i * 1.1;
        const qreal spread = 1.5 + i * 0.45;
        const qreal x = sun.x() + dice.range(-spread, spread);
        const qreal len = 1.5 + dice.unit() * (2 + i * 0.15);
        p.setPen(QPen(QColor(255, 240, 200, 200 - i * 4), 0.55, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - len / 2, y), QPointF(x + len / 2, y));
    }
    const qreal rows[] = {36, 41.5, 48, 55.5, 64};
    const qreal heights[] = {0.5, 0.9, 1.4, 2.0, 2.8};
    for (int k = 0; k < 5; ++k) {
        const QColor body = mix(QColor(40, 112, 164), QColor(10, 52, 94), k / 4.0);
        const QPainterPath band = waveBand(0, W, rows[k], heights[k], 9 + k * 6, k * 1.9, H);
        QLinearGradient fill(0, rows[k] - heights[k], 0, H);
        fill.setColorAt(0, body.lighter(118));
        fill.setColorAt(0.3, body);
        fill.setColorAt(1, QColor(6, 36, 70));
        p.fillPath(band, fill);
        p.setPen(QPen(QColor(214, 240, 252, 90 + k * 28), 0.35 + k * 0.14, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wavePath(0, W, rows[k], heights[k], 9 + k * 6, k * 1.9));
    }
}

void paintWorld(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    QRadialGradient space(W / 2, H / 2, W * 0.7);
    space.setColorAt(0, QColor(24, 34, 78));
    space.setColorAt(1, QColor(2, 4, 16));
    p.fillRect(QRectF(0, 0, W, H), space);
    scatterStars(p, QRectF(0, 0, W, H), 90, dice, 0.4);
    const QPointF c(W / 2, H / 2);
    const qreal r = H * 0.4;
    glow(p, c, r * 1.22, QColor(110, 180, 255, 160));
    QRadialGradient ocean(c.x() - r * 0.35, c.y() - r * 0.35, r * 1.5);
    ocean.setColorAt(0, QColor(110, 194, 250));
    ocean.setColorAt(0.5, QColor(32, 104, 192));
    ocean.setColorAt(1, QColor(10, 40, 110));
    QPainterPath globe;
    globe.addEllipse(c, r, r);
    p.fillPath(globe, ocean);
    p.save();
    p.setClipPath(globe);
    // Made-up continents: soft blobs, no real map.
    struct Land {
        qreal x, y, rx, ry;
    };
    const Land lands[] = {{-0.5, -0.32, 0.24, 0.26}, {-0.3, 0.2, 0.14, 0.3}, {0.28, -0.38, 0.32, 0.16},
        {0.42, 0.14, 0.15, 0.3}, {-0.02, 0.7, 0.3, 0.09}, {0.72, 0.5, 0.1, 0.08}, {0.02, -0.08, 0.09, 0.07}};
    for (const Land &land : lands) {
        const QPainterPath blob
            = blobPath(QPointF(c.x() + land.x * r, c.y() + land.y * r), land.rx * r, land.ry * r, 9, 0.3, dice);
        QLinearGradient green(0, c.y() - r, 0, c.y() + r);
        green.setColorAt(0, QColor(120, 176, 84));
        green.setColorAt(0.5, QColor(84, 146, 64));
        green.setColorAt(1, QColor(150, 130, 80));
        p.fillPath(blob, green);
    }
    p.setBrush(QColor(245, 250, 255, 220));
    p.drawEllipse(QPointF(c.x(), c.y() - r), r * 0.5, r * 0.12);
    // Lines of longitude and latitude.
    p.setPen(QPen(QColor(255, 255, 255, 50), 0.3));
    p.setBrush(Qt::NoBrush);
    for (qreal k : {0.35, 0.75})
        p.drawEllipse(c, r * k, r);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    for (qreal k : {-0.55, 0.0, 0.55}) {
        const qreal y = c.y() + k * r;
        const qreal half = r * std::sqrt(1 - k * k);
        p.drawEllipse(QPointF(c.x(), y), half, half * 0.12);
    }
    // Night side.
    QRadialGradient shade(c.x() - r * 0.45, c.y() - r * 0.45, r * 2);
    shade.setColorAt(0, QColor(255, 255, 255, 40));
    shade.setColorAt(0.4, QColor(0, 0, 0, 0));
    shade.setColorAt(0.8, QColor(0, 0, 30, 150));
    shade.setColorAt(1, QColor(0, 0, 30, 200));
    p.fillPath(globe, shade);
    p.restore();
    p.setPen(QPen(QColor(170, 220, 255, 150), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
}

void paintCalvary(QPainter &p, const QSizeF &s, Dice &)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H),
        {{0, QColor(40, 26, 66)}, {0.4, QColor(132, 52, 62)}, {0.66, QColor(230, 120, 60)}, {0.8, QColor(252, 190, 96)},
            {1, QColor(252, 190, 96)}});
    const QPointF sun(W * 0.5, H * 0.62);
    glow(p, sun, 40, QColor(255, 214, 130, 200));
    p.setBrush(QColor(255, 232, 170));
    p.drawEllipse(sun, 8, 8);
    // Storm clouds drifting across the upper sky.
    p.setBrush(QColor(36, 18, 40, 120));
    p.drawEllipse(QPointF(W * 0.2, H * 0.18), 26, 4);
    p.drawEllipse(QPointF(W * 0.72, H * 0.12), 30, 4.5);
    p.drawEllipse(QPointF(W * 0.6, H * 0.3), 22, 2.6);
    p.drawEllipse(QPointF(W * 0.12, H * 0.38), 16, 2.2);

    QPainterPath hill;
    hill.moveTo(0, H);
    hill.lineTo(0, H * 0.84);
    hill.cubicTo(W * 0.2, H * 0.74, W * 0.35, H * 0.6, W * 0.5, H * 0.59);
    hill.cubicTo(W * 0.65, H * 0.6, W * 0.8, H * 0.74, W, H * 0.8);
    hill.lineTo(W, H);
    hill.closeSubpath();
    p.fillPath(hill, QColor(24, 14, 20));

    const QColor silhouette(20, 10, 16);
    p.fillPath(crossPath(W * 0.5, H * 0.2, H * 0.42, 2.4), silhouette);
    p.fillPath(crossPath(W * 0.3, H * 0.44, H * 0.26, 1.7), silhouette);
    p.fillPath(crossPath(W * 0.7, H * 0.44, H * 0.26, 1.7), silhouette);
    QPainterPath crest;
    crest.moveTo(0, H * 0.84);
    crest.cubicTo(W * 0.2, H * 0.74, W * 0.35, H * 0.6, W * 0.5, H * 0.59);
    crest.cubicTo(W * 0.65, H * 0.6, W * 0.8, H * 0.74, W, H * 0.8);
    p.setPen(QPen(QColor(255, 170, 90, 110), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(crest);
}

void paintNativity(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H), {{0, QColor(6, 14, 48)}, {0.7, QColor(28, 44, 96)}, {1, QColor(62, 62, 110)}});
    scatterStars(p, QRectF(0, 0, W, H * 0.7), 110, dice, 0.4);
    const QPointF star(W * 0.68, H * 0.15);
    // The star's light falling on the stable.
    QPainterPath beam;
    beam.moveTo(star.x() - 0.6, star.y());
    beam.lineTo(star.x() + 0.6, star.y());
    beam.lineTo(W * 0.5, H * 0.6);
    beam.lineTo(W * 0.34, H * 0.6);
    beam.closeSubpath();
    QLinearGradient beamFill(star, QPointF(W * 0.42, H * 0.6));
    beamFill.setColorAt(0, QColor(255, 246, 210, 110));
    beamFill.setColorAt(1, QColor(255, 246, 210, 0));
    p.fillPath(beam, beamFill);
    glow(p, star, 18, QColor(255, 246, 210, 170));
    p.fillPath(starPath(star, 10, 1.1, 4), QColor(255, 252, 236));
    p.fillPath(starPath(star, 4.5, 0.9, 4, -45), QColor(255, 250, 226));

    QPainterPath far;
    far.moveTo(0, H * 0.76);
    far.cubicTo(W * 0.3, H * 0.66, W * 0.6, H * 0.74, W, H * 0.68);
    far.lineTo(W, H);
    far.lineTo(0, H);
    far.closeSubpath();
    p.fillPath(far, QColor(30, 36, 74));
    QPainterPath ground;
    ground.moveTo(0, H * 0.86);
    ground.cubicTo(W * 0.3, H * 0.82, W * 0.7, H * 0.88, W, H * 0.84);
    ground.lineTo(W, H);
    ground.lineTo(0, H);
    ground.closeSubpath();
    p.fillPath(ground, QColor(14, 16, 36));

    // The stable: a warm glow under a peaked roof.
    const QRectF inside(W * 0.3, H * 0.62, W * 0.26, H * 0.24);
    QRadialGradient warm(QPointF(inside.center().x(), inside.bottom() - 3), inside.width() * 0.7);
    warm.setColorAt(0, QColor(255, 220, 130));
    warm.setColorAt(0.6, QColor(214, 120, 40));
    warm.setColorAt(1, QColor(110, 50, 20));
    p.fillRect(inside, warm);
    p.setBrush(QColor(20, 14, 24));
    p.drawRect(QRectF(inside.left() - 1.4, inside.top(), 1.6, inside.height()));
    p.drawRect(QRectF(inside.right() - 0.2, inside.top(), 1.6, inside.height()));
    QPainterPath roof;
    roof.moveTo(inside.left() - 5, inside.top() + 1.5);
    roof.lineTo(inside.center().x(), inside.top() - 9);
    roof.lineTo(inside.right() + 5, inside.top() + 1.5);
    roof.lineTo(inside.right() + 3, inside.top() + 2.5);
    roof.lineTo(inside.center().x(), inside.top() - 6.5);
    roof.lineTo(inside.left() - 3, inside.top() + 2.5);
    roof.closeSubpath();
    p.fillPath(roof, QColor(20, 14, 24));
    // The manger with hay and a little bundle.
    const qreal mx = inside.center().x();
    const qreal my = inside.bottom() - 3.5;
    QPainterPath manger;
    manger.moveTo(mx - 5, my - 1.5);
    manger.lineTo(mx + 5, my - 1.5);
    manger.lineTo(mx + 3.5, my + 2);
    manger.lineTo(mx - 3.5, my + 2);
    manger.closeSubpath();
    p.fillPath(manger, QColor(90, 50, 24));
    p.setBrush(QColor(250, 214, 110));
    p.drawEllipse(QPointF(mx, my - 1.6), 4.6, 1.1);
    p.setBrush(QColor(255, 250, 236));
    p.drawEllipse(QPointF(mx, my - 2.4), 2.2, 1.2);
    glow(p, QPointF(mx, my - 2.4), 5, QColor(255, 255, 230, 120));

    // Palms in silhouette.
    auto palm = [&](qreal x, qreal base, qreal height) {
        QPainterPath trunk;
        trunk.moveTo(x, base);
        trunk.quadTo(x + 2, base - height * 0.5, x + 1, base - height);
        p.setPen(QPen(QColor(12, 12, 28), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(trunk);
        const QPointF top(x + 1, base - height);
        for (int i = 0; i < 6; ++i) {
            const qreal a = kPi + i * kPi / 5;
            QPainterPath frond;
            frond.moveTo(top);
            const QPointF tip(top.x() + 6 * std::cos(a), top.y() + 3 * std::sin(a) + 3);
            frond.quadTo(QPointF(top.x() + 4 * std::cos(a), top.y() + 4 * std::sin(a)), tip);
            p.setPen(QPen(QColor(12, 12, 28), 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(frond);
        }
    };
    palm(W * 0.8, H * 0.86, 16);
    palm(W * 0.88, H * 0.85, 12);
    palm(W * 0.12, H * 0.86, 13);
}

QPainterPath tombRockPath(qreal H)
{
    QPainterPath rock;
    rock.moveTo(0, H);
    rock.lineTo(0, 16);
    rock.cubicTo(14, 10, 40, 14, 52, 30);
    rock.cubicTo(58, 38, 62, 50, 66, H);
    rock.closeSubpath();
    return rock;
}

void paintEaster(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H),
        {{0, QColor(72, 118, 192)}, {0.55, QColor(240, 172, 124)}, {0.8, QColor(255, 226, 160)}});
    const QPointF sun(W * 0.8, H * 0.78);
    drawRays(p, sun, 16, 90, QColor(255, 246, 206, 80), 0.2);
    glow(p, sun, 30, QColor(255, 236, 170, 220));
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(sun, 7, 7);
    drawCloud(p, QPointF(W * 0.78, H * 0.2), 30, QColor(255, 244, 236), QColor(236, 176, 150), 0.9);
    // A far hill with three small crosses, now empty.
    QPainterPath far;
    far.moveTo(W * 0.55, H);
    far.lineTo(W * 0.55, H * 0.8);
    far.cubicTo(W * 0.7, H * 0.7, W * 0.85, H * 0.72, W, H * 0.8);
    far.lineTo(W, H);
    far.closeSubpath();
    p.fillPath(far, QColor(124, 102, 132));
    for (int i = 0; i < 3; ++i) {
        const bool middle = i == 1;
        p.fillPath(crossPath(W * (0.78 + i * 0.06), H * (middle ? 0.62 : 0.65), H * (middle ? 0.1 : 0.08), 0.8),
            QColor(90, 70, 100));
    }

    const QPainterPath rock = tombRockPath(H);
    QLinearGradient stone(0, 10, 60, 70);
    stone.setColorAt(0, QColor(176, 156, 132));
    stone.setColorAt(1, QColor(100, 84, 72));
    p.fillPath(rock, stone);
    p.save();
    p.setClipPath(rock);
    p.setPen(QPen(QColor(80, 66, 56, 90), 0.5));
    p.drawLine(QPointF(6, 24), QPointF(20, 22));
    p.drawLine(QPointF(40, 24), QPointF(48, 34));
    p.drawLine(QPointF(8, 36), QPointF(14, 40));
    glow(p, QPointF(60, 56), 20, QColor(255, 200, 140, 90));
    p.restore();
    // The open, empty tomb.
    QPainterPath door;
    door.moveTo(16, 66);
    door.lineTo(16, 50);
    door.arcTo(QRectF(16, 40, 20, 20), 180, -180);
    door.lineTo(36, 66);
    door.closeSubpath();
    QRadialGradient dark(QPointF(26, 58), 12);
    dark.setColorAt(0, QColor(60, 44, 36));
    dark.setColorAt(1, QColor(16, 10, 8));
    p.fillPath(door, dark);
    p.setBrush(QColor(250, 246, 236, 220));
    p.drawEllipse(QPointF(24, 64), 4, 1.2);
    glow(p, QPointF(26, 62), 8, QColor(255, 250, 230, 60));
    // The great round stone, rolled away.
    QRadialGradient round(QPointF(44, 52), 13);
    round.setColorAt(0, QColor(196, 182, 162));
    round.setColorAt(1, QColor(110, 96, 84));
    p.setBrush(round);
    p.setPen(QPen(QColor(80, 66, 56), 0.6));
    p.drawEllipse(QPointF(47, 57), 10, 10);
    // Spring grass and flowers.
    QPainterPath grass = waveBand(0, W, H * 0.88, 1.2, 24, 0.6, H);
    QLinearGradient green(0, H * 0.84, 0, H);
    green.setColorAt(0, QColor(110, 170, 74));
    green.setColorAt(1, QColor(52, 112, 48));
    p.fillPath(grass, green);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        p.setBrush(i % 3 == 0 ? QColor(255, 255, 255) : (i % 3 == 1 ? QColor(255, 220, 80) : QColor(240, 160, 200)));
        p.drawEllipse(QPointF(dice.range(2, W - 2), dice.range(H * 0.9, H - 1)), 0.6, 0.6);
    }
}

void drawLily(QPainter &p, const QPointF &flower, qreal size, qreal stemBottom)
{
    QPainterPath stem;
    stem.moveTo(flower.x(), stemBottom);
    stem.quadTo(flower.x() - size * 0.4, (flower.y() + stemBottom) / 2, flower.x(), flower.y());
    p.setPen(QPen(QColor(60, 128, 60), size * 0.16, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    for (int side : {-1, 1}) {
        QPainterPath leaf;
        const QPointF base(flower.x() - size * 0.1, stemBottom - size * 0.4);
        const QPointF tip(base.x() + side * size * 1.1, base.y() - size * 1.3);
        leaf.moveTo(base);
        leaf.quadTo(base.x() + side * size * 0.1, tip.y(), tip.x(), tip.y());
        leaf.quadTo(base.x() + side * size * 0.9, base.y() - size * 0.2, base.x(), base.y());
        p.fillPath(leaf, QColor(78, 150, 70));
    }
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(flower);
        p.rotate(i * 60 + 15);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.quadTo(size * 0.42, -size * 0.5, 0, -size);
        petal.quadTo(-size * 0.42, -size * 0.5, 0, 0);
        QLinearGradient white(0, 0, 0, -size);
        white.setColorAt(0, QColor(236, 240, 214));
        white.setColorAt(1, QColor(255, 255, 255));
        p.fillPath(petal, white);
        p.setPen(QPen(QColor(190, 190, 170), size * 0.05));
        p.drawPath(petal);
        p.restore();
    }
    glow(p, flower, size * 0.45, QColor(230, 220, 80, 220));
    p.setBrush(QColor(214, 130, 30));
    for (int i = 0; i < 3; ++i) {
        const qreal a = i * 2 * kPi / 3 - kPi / 2;
        p.drawEllipse(QPointF(flower.x() + size * 0.3 * std::cos(a), flower.y() + size * 0.3 * std::sin(a)),
            size * 0.08, size * 0.08);
    }
}

void paintEaster1(QPainter &p, const QSizeF &s, Dice &)
{
    const qreal W = s.width(), H = s.height();
    QRadialGradient light(W * 0.5, H * 0.32, W * 0.8);
    light.setColorAt(0, QColor(255, 252, 228));
    light.setColorAt(0.4, QColor(250, 222, 196));
    light.setColorAt(1, QColor(190, 170, 224));
    p.fillRect(QRectF(0, 0, W, H), light);
    drawRays(p, QPointF(W * 0.5, H * 0.28), 22, 90, QColor(255, 255, 240, 110), 0.1);
    QPainterPath meadow = waveBand(0, W, H * 0.84, 2, 60, 1.2, H);
    QLinearGradient green(0, H * 0.8, 0, H);
    green.setColorAt(0, QColor(150, 200, 110));
    green.setColorAt(1, QColor(86, 150, 76));
    p.fillPath(meadow, green);

    // A plain wooden cross with the white linen draped over its arms.
    const qreal cx = W * 0.5;
    const qreal top = H * 0.08;
    const qreal height = H * 0.78;
    const qreal thick = 6;
    const QPainterPath cross = crossPath(cx, top, height, thick, 0.56);
    QLinearGradient wood(cx - 10, 0, cx + 10, 0);
    wood.setColorAt(0, QColor(172, 118, 64));
    wood.setColorAt(1, QColor(112, 70, 34));
    p.fillPath(cross, wood);
    p.setPen(QPen(QColor(80, 48, 24), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cross);
    const qreal bar = top + height * 0.24;
    const qreal half = height * 0.56 / 2;
    QPainterPath cloth;
    cloth.moveTo(cx - half * 0.7, bar - 0.5);
    cloth.lineTo(cx + half * 0.7, bar - 0.5);
    cloth.cubicTo(cx + half * 0.78, bar + 8, cx + half * 0.5, bar + 14, cx + half * 0.62, bar + 22);
    cloth.lineTo(cx + half * 0.3, bar + 20);
    cloth.cubicTo(cx + half * 0.2, bar + 10, cx - half * 0.2, bar + 10, cx - half * 0.3, bar + 20);
    cloth.lineTo(cx - half * 0.62, bar + 22);
    cloth.cubicTo(cx - half * 0.5, bar + 14, cx - half * 0.78, bar + 8, cx - half * 0.7, bar - 0.5);
    cloth.closeSubpath();
    QLinearGradient linen(cx - half, 0, cx + half, 0);
    linen.setColorAt(0, QColor(236, 232, 240));
    linen.setColorAt(0.5, QColor(255, 255, 255));
    linen.setColorAt(1, QColor(214, 208, 226));
    p.fillPath(cloth, linen);
    p.setPen(QPen(QColor(180, 170, 200, 160), 0.4));
    p.drawLine(QPointF(cx - half * 0.5, bar + 3), QPointF(cx - half * 0.46, bar + 17));
    p.drawLine(QPointF(cx + half * 0.5, bar + 3), QPointF(cx + half * 0.46, bar + 17));
    p.drawLine(QPointF(cx - 2, bar + 2), QPointF(cx - 1.5, bar + 9));

    drawLily(p, QPointF(W * 0.16, H * 0.74), 7, H);
    drawLily(p, QPointF(W * 0.3, H * 0.84), 6, H + 2);
    drawLily(p, QPointF(W * 0.72, H * 0.82), 6, H + 2);
    drawLily(p, QPointF(W * 0.86, H * 0.72), 7.5, H);
}

void paintFishers(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    const qreal horizon = H * 0.56;
    fillVertical(p, QRectF(0, 0, W, horizon),
        {{0, QColor(110, 164, 214)}, {0.75, QColor(244, 210, 170)}, {1, QColor(252, 200, 150)}});
    glow(p, QPointF(W * 0.16, horizon - 2), 22, QColor(255, 236, 190, 200));
    QPainterPath hills;
    hills.moveTo(W * 0.55, horizon);
    hills.cubicTo(W * 0.7, horizon - 7, W * 0.85, horizon - 6, W, horizon - 3);
    hills.lineTo(W, horizon);
    hills.closeSubpath();
    p.fillPath(hills, QColor(120, 116, 150));
    fillVertical(p, QRectF(0, horizon, W, H - horizon), {{0, QColor(52, 124, 170)}, {1, QColor(14, 56, 96)}});
    p.setPen(QPen(QColor(200, 230, 250, 90), 0.35, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 40; ++i) {
        const qreal y = dice.range(horizon + 1, H);
        const qreal x = dice.range(0, W);
        const qreal len = 1 + (y - horizon) * 0.12;
        p.drawLine(QPointF(x, y), QPointF(x + len, y));
    }
    drawBird(p, QPointF(W * 0.22, H * 0.18), 2.2, QColor(60, 60, 80));
    drawBird(p, QPointF(W * 0.3, H * 0.12), 1.6, QColor(60, 60, 80));
    drawBird(p, QPointF(W * 0.8, H * 0.22), 1.9, QColor(60, 60, 80));

    // The net, hanging from the stern into the water, full of fish.
    QPainterPath net;
    net.moveTo(64, 47);
    net.cubicTo(86, 44, 98, 58, 91, 69);
    net.cubicTo(84, 76, 70, 72, 64, 47);
    p.save();
    p.setClipPath(net);
    p.fillPath(net, QColor(20, 60, 90, 120));
    const QColor fishColours[] = {QColor(200, 210, 220), QColor(220, 150, 70), QColor(170, 190, 200)};
    for (int i = 0; i < 9; ++i)
        drawFish(p, QPointF(dice.range(70, 90), dice.range(52, 70)), dice.range(5, 7.5), dice.range(-30, 30),
            fishColours[i % 3]);
    p.setPen(QPen(QColor(236, 226, 196, 170), 0.3));
    for (qreal d = -30; d < 40; d += 2.4) {
        p.drawLine(QPointF(60 + d, 40), QPointF(90 + d, 76));
        p.drawLine(QPointF(100 - d, 40), QPointF(70 - d, 76));
    }
    p.restore();
    p.fillPath(net, QColor(30, 90, 140, 60));
    p.setPen(QPen(QColor(226, 206, 160), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(net);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? QColor(250, 250, 240) : QColor(214, 60, 50));
        p.drawEllipse(QPointF(70 + i * 5.5, horizon + 2.6 + i * 0.2), 1.1, 0.9);
    }

    // The boat, its reflection, mast and sail.
    QPainterPath hull;
    hull.moveTo(18, 40);
    hull.lineTo(68, 40);
    hull.cubicTo(66, 46, 60, 50, 52, 51);
    hull.lineTo(32, 51);
    hull.cubicTo(25, 50, 20, 46, 18, 40);
    hull.closeSubpath();
    // Its reflection: the hull mirrored about the waterline.
    p.fillPath(QTransform(1, 0, 0, -1, 0, 2 * 51).map(hull), QColor(10, 40, 70, 80));
    QLinearGradient plank(0, 40, 0, 51);
    plank.setColorAt(0, QColor(160, 98, 52));
    plank.setColorAt(1, QColor(84, 46, 22));
    p.fillPath(hull, plank);
    p.save();
    p.setClipPath(hull);
    p.setPen(QPen(QColor(60, 32, 14, 140), 0.35));
    for (qreal y = 43; y < 51; y += 2.6)
        p.drawLine(QPointF(16, y), QPointF(70, y));
    p.restore();
    p.setPen(QPen(QColor(200, 150, 90), 0.8));
    p.drawLine(QPointF(18, 40), QPointF(68, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 42, 22));
    p.drawRect(QRectF(41.3, 10, 1.4, 30));
    QPainterPath sail;
    sail.moveTo(43.2, 12);
    sail.quadTo(56, 22, 60, 37);
    sail.lineTo(43.2, 37);
    sail.closeSubpath();
    QLinearGradient canvas(43, 0, 60, 0);
    canvas.setColorAt(0, QColor(250, 242, 220));
    canvas.setColorAt(1, QColor(214, 196, 164));
    p.fillPath(sail, canvas);
    QPainterPath jib;
    jib.moveTo(40.5, 14);
    jib.lineTo(40.5, 37);
    jib.lineTo(26, 37);
    jib.closeSubpath();
    p.fillPath(jib, QColor(236, 226, 200));
    p.setPen(QPen(QColor(60, 40, 30, 200), 0.3));
    p.drawLine(QPointF(42, 10), QPointF(19, 40));
    p.drawLine(QPointF(66, 41), QPointF(68, 47));
}

void drawWavingFlag(QPainter &p, qreal poleX, qreal top, qreal width, qreal height, qreal phase, const QColor &colour,
    const std::function<void(const QPointF &)> &emblem)
{
    auto wave = [&](qreal t) { return 1.6 * std::sin(t * 2 * kPi * 1.1 + phase) * (0.25 + 0.75 * t); };
    QPainterPath flag;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = static_cast<qreal>(i) / steps;
        const QPointF at(poleX + t * width, top + wave(t));
        if (i == 0)
            flag.moveTo(at);
        else
            flag.lineTo(at);
    }
    for (int i = steps; i >= 0; --i) {
        const qreal t = static_cast<qreal>(i) / steps;
        flag.lineTo(poleX + t * width, top + height + wave(t) + t * 1.2);
    }
    flag.closeSubpath();
    p.fillPath(flag, colour);
    p.save();
    p.setClipPath(flag);
    emblem(QPointF(poleX + width * 0.5, top + height * 0.5 + wave(0.5) + 0.6));
    // Light and shade across the folds.
    QLinearGradient folds(poleX, 0, poleX + width, 0);
    for (int i = 0; i <= 12; ++i) {
        const qreal t = i / 12.0;
        const qreal slope = std::cos(t * 2 * kPi * 1.1 + phase);
        folds.setColorAt(t,
            slope > 0 ? QColor(255, 255, 255, static_cast<int>(70 * slope))
                      : QColor(0, 0, 0, static_cast<int>(-80 * slope)));
    }
    p.fillPath(flag, folds);
    p.restore();
}

void paintFlags(QPainter &p, const QSizeF &s, Dice &)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H), {{0, QColor(50, 120, 200)}, {1, QColor(190, 222, 246)}});
    drawCloud(p, QPointF(W * 0.22, H * 0.18), 30, Qt::white, QColor(214, 226, 242), 0.9);
    drawCloud(p, QPointF(W * 0.78, H * 0.5), 36, Qt::white, QColor(214, 226, 242), 0.85);
    QPainterPath ground = waveBand(0, W, H * 0.88, 1.5, 50, 0.3, H);
    p.fillPath(ground, QColor(86, 150, 70));

    struct Pole {
        qreal x, top;
    };
    const Pole poles[] = {{12, 14}, {44, 8}, {76, 16}};
    for (const Pole &pole : poles) {
        QLinearGradient metal(pole.x - 0.8, 0, pole.x + 0.8, 0);
        metal.setColorAt(0, QColor(230, 230, 236));
        metal.setColorAt(1, QColor(120, 120, 130));
        p.fillRect(QRectF(pole.x - 0.7, pole.top, 1.4, H * 0.9 - pole.top), metal);
        QRadialGradient ball(pole.x - 0.4, pole.top - 1.6, 1.8);
        ball.setColorAt(0, QColor(255, 240, 170));
        ball.setColorAt(1, QColor(190, 140, 30));
        p.setBrush(ball);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(pole.x, pole.top - 1.2), 1.5, 1.5);
    }
    drawWavingFlag(p, 12.7, 14.5, 22, 14, 0.0, QColor(250, 250, 246),
        [&](const QPointF &c) { p.fillPath(crossPath(c.x(), c.y() - 5, 10, 2, 0.6), QColor(220, 170, 50)); });
    drawWavingFlag(p, 44.7, 8.5, 24, 15, 1.7, QColor(36, 72, 170),
        [&](const QPointF &c) { p.fillPath(starPath(c, 5, 2, 5), QColor(255, 255, 255)); });
    drawWavingFlag(p, 76.7, 16.5, 22, 14, 3.1, QColor(190, 28, 48),
        [&](const QPointF &c) { p.fillPath(heartPath(c, 8), QColor(255, 255, 255)); });
}

void drawDove(QPainter &p, const QPointF &at, qreal scale, qreal angle)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(scale, scale);
    QPainterPath farWing;
    farWing.moveTo(-1, -1);
    farWing.cubicTo(0, -8, 5, -12, 10, -13);
    farWing.cubicTo(7, -8, 6, -4, 4, -1);
    farWing.closeSubpath();
    p.fillPath(farWing, QColor(206, 214, 230));
    QPainterPath tail;
    tail.moveTo(-5, 0);
    tail.lineTo(-12.5, -2.8);
    tail.lineTo(-13.2, 0.6);
    tail.lineTo(-12, 3.6);
    tail.closeSubpath();
    p.fillPath(tail, QColor(232, 236, 244));
    QLinearGradient bodyFill(0, -3, 0, 3);
    bodyFill.setColorAt(0, QColor(255, 255, 255));
    bodyFill.setColorAt(1, QColor(206, 212, 228));
    p.setPen(Qt::NoPen);
    p.setBrush(bodyFill);
    p.drawEllipse(QPointF(0, 0), 7, 2.8);
    p.drawEllipse(QPointF(6.6, -1.8), 2.4, 2.2);
    QPainterPath beak;
    beak.moveTo(8.7, -2.4);
    beak.lineTo(11, -1.5);
    beak.lineTo(8.8, -1.0);
    beak.closeSubpath();
    p.fillPath(beak, QColor(236, 150, 60));
    p.setBrush(QColor(30, 30, 40));
    p.drawEllipse(QPointF(7.3, -2.3), 0.38, 0.38);
    // An olive sprig in its beak.
    p.setPen(QPen(QColor(90, 110, 40), 0.35));
    p.drawLine(QPointF(10, -1.4), QPointF(13.5, 2.6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 150, 60));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(10.8 + i * 1.1, -0.2 + i * 1.3), 0.9, 0.45);
    QPainterPath wing;
    wing.moveTo(-3, -0.5);
    wing.cubicTo(-6, -8, -4, -15, 1, -19);
    wing.cubicTo(2, -12, 4, -6, 3, -0.5);
    wing.closeSubpath();
    QLinearGradient wingFill(0, -19, 0, 0);
    wingFill.setColorAt(0, QColor(255, 255, 255));
    wingFill.setColorAt(1, QColor(222, 228, 240));
    p.fillPath(wing, wingFill);
    p.setPen(QPen(QColor(180, 190, 210), 0.3));
    p.drawLine(QPointF(-1.5, -4), QPointF(-1.2, -14));
    p.drawLine(QPointF(0.8, -3), QPointF(0.6, -13));
    p.restore();
}

void drawChainLink(QPainter &p, const QPointF &c, qreal angle, bool edgeOn, bool broken)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const QRectF ring = edgeOn ? QRectF(-3.6, -0.7, 7.2, 1.4) : QRectF(-3.6, -1.9, 7.2, 3.8);
    for (const auto &[colour, width] : {std::pair {QColor(50, 54, 64), 1.7}, std::pair {QColor(196, 200, 210), 1.0}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        if (broken)
            p.drawArc(ring, 40 * 16, 280 * 16);
        else
            p.drawRoundedRect(ring, ring.height() / 2, ring.height() / 2);
    }
    p.restore();
}

void paintFreedom(QPainter &p, const QSizeF &s, Dice &)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(
        p, QRectF(0, 0, W, H), {{0, QColor(80, 150, 226)}, {0.65, QColor(190, 214, 236)}, {1, QColor(255, 214, 150)}});
    const QPointF sun(W * 0.2, H * 0.78);
    drawRays(p, sun, 18, 110, QColor(255, 250, 220, 80));
    glow(p, sun, 30, QColor(255, 240, 190, 220));
    drawCloud(p, QPointF(W * 0.8, H * 0.22), 34, Qt::white, QColor(214, 226, 242), 0.9);
    drawCloud(p, QPointF(W * 0.14, H * 0.2), 22, Qt::white, QColor(214, 226, 242), 0.8);
    QPainterPath hill;
    hill.moveTo(0, H);
    hill.lineTo(0, H * 0.86);
    hill.cubicTo(W * 0.3, H * 0.78, W * 0.7, H * 0.84, W, H * 0.8);
    hill.lineTo(W, H);
    hill.closeSubpath();
    QLinearGradient green(0, H * 0.78, 0, H);
    green.setColorAt(0, QColor(116, 176, 84));
    green.setColorAt(1, QColor(60, 120, 56));
    p.fillPath(hill, green);
    // A broken chain lying in the grass.
    drawChainLink(p, QPointF(6, 68), -12, false, false);
    drawChainLink(p, QPointF(12.5, 66.8), -12, true, false);
    drawChainLink(p, QPointF(19, 65.4), -12, false, false);
    drawChainLink(p, QPointF(25.5, 64), -12, true, true);
    drawChainLink(p, QPointF(72, 63.6), 14, true, true);
    drawChainLink(p, QPointF(78.5, 65.2), 14, false, false);
    drawChainLink(p, QPointF(85, 66.8), 14, true, false);
    drawChainLink(p, QPointF(91.5, 68.4), 14, false, false);
    drawDove(p, QPointF(W * 0.5, H * 0.44), 2.0, -18);
}

void paintKnowledge(QPainter &p, const QSizeF &s, Dice &)
{
    const qreal W = s.width(), H = s.height();
    QRadialGradient room(W * 0.5, H * 0.3, W * 0.8);
    room.setColorAt(0, QColor(112, 72, 44));
    room.setColorAt(1, QColor(30, 18, 12));
    p.fillRect(QRectF(0, 0, W, H), room);
    // The desk.
    fillVertical(p, QRectF(0, H * 0.74, W, H * 0.26), {{0, QColor(96, 56, 30)}, {1, QColor(50, 28, 14)}});
    p.setPen(QPen(QColor(140, 90, 50, 140), 0.4));
    p.drawLine(QPointF(0, H * 0.74), QPointF(W, H * 0.74));
    // Light rising from the pages.
    QPainterPath fan;
    fan.moveTo(W * 0.5, H * 0.5);
    fan.lineTo(W * 0.1, 0);
    fan.lineTo(W * 0.9, 0);
    fan.closeSubpath();
    QLinearGradient rise(0, H * 0.5, 0, 0);
    rise.setColorAt(0, QColor(255, 236, 170, 130));
    rise.setColorAt(1, QColor(255, 236, 170, 0));
    p.fillPath(fan, rise);
    drawRays(p, QPointF(W * 0.5, H * 0.42), 26, 60, QColor(255, 240, 190, 60), 0.05);
    glow(p, QPointF(W * 0.5, H * 0.42), 30, QColor(255, 226, 150, 130));
    // Shadow under the book, then the book with a ribbon marker.
    p.setBrush(QColor(0, 0, 0, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(W * 0.5, H * 0.86), W * 0.42, H * 0.06);
    drawOpenBook(p, W * 0.5, H * 0.36, H * 0.8, W * 0.4, QColor(120, 24, 30), 7);
    QPainterPath ribbon;
    ribbon.moveTo(W * 0.5 - 0.8, H * 0.78);
    ribbon.lineTo(W * 0.5 + 0.8, H * 0.78);
    ribbon.lineTo(W * 0.5 + 2.4, H * 0.97);
    ribbon.lineTo(W * 0.5 + 1.4, H * 0.94);
    ribbon.lineTo(W * 0.5 + 0.6, H * 0.98);
    ribbon.closeSubpath();
    p.fillPath(ribbon, QColor(190, 30, 40));
    // A small gold cross above the book.
    p.fillPath(crossPath(W * 0.5, H * 0.06, H * 0.22, 2.2, 0.6), goldGradient(H * 0.06, H * 0.28));
}

void paintDaniel(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H), {{0, QColor(70, 48, 34)}, {1, QColor(26, 16, 10)}});
    // Daylight falling in from an opening above the den.
    drawRays(p, QPointF(W * 0.5, -6), 14, 90, QColor(255, 232, 170, 70), 0.2);
    glow(p, QPointF(W * 0.5, 0), 40, QColor(255, 226, 160, 130));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        p.setBrush(QColor(40, 26, 18, 120));
        p.drawEllipse(QPointF(dice.range(0, W), dice.range(H * 0.1, H)), dice.range(3, 7), dice.range(2, 4));
    }
    fillVertical(p, QRectF(0, H * 0.84, W, H * 0.16), {{0, QColor(120, 90, 60)}, {1, QColor(70, 50, 32)}});

    const QPointF c(W * 0.5, H * 0.5);
    // Body and paws.
    p.setBrush(QColor(176, 120, 56));
    p.drawEllipse(QPointF(c.x(), H * 0.86), 24, 9);
    p.setBrush(QColor(212, 156, 84));
    p.drawEllipse(QPointF(c.x() - 9, H * 0.92), 6, 3.4);
    p.drawEllipse(QPointF(c.x() + 9, H * 0.92), 6, 3.4);
    // The mane: a ragged ring of fur.
    std::vector<QPointF> ring;
    for (int i = 0; i < 44; ++i) {
        const qreal a = 2 * kPi * i / 44;
        const qreal r = (i % 2 == 0 ? 25 : 20) + dice.range(-1, 1);
        ring.emplace_back(c.x() + r * std::cos(a), c.y() + 0.92 * r * std::sin(a));
    }
    QRadialGradient mane(c, 26);
    mane.setColorAt(0.5, QColor(176, 100, 30));
    mane.setColorAt(1, QColor(104, 52, 16));
    p.fillPath(smoothClosed(ring), mane);
    // Ears.
    p.setBrush(QColor(200, 140, 64));
    p.drawEllipse(QPointF(c.x() - 12, c.y() - 13), 4.5, 4.5);
    p.drawEllipse(QPointF(c.x() + 12, c.y() - 13), 4.5, 4.5);
    p.setBrush(QColor(130, 76, 40));
    p.drawEllipse(QPointF(c.x() - 12, c.y() - 13), 2.4, 2.4);
    p.drawEllipse(QPointF(c.x() + 12, c.y() - 13), 2.4, 2.4);
    // Face.
    QPainterPath face;
    face.moveTo(c.x(), c.y() - 15);
    face.cubicTo(c.x() + 13, c.y() - 15, c.x() + 15, c.y() + 2, c.x() + 9, c.y() + 11);
    face.cubicTo(c.x() + 5, c.y() + 16, c.x() - 5, c.y() + 16, c.x() - 9, c.y() + 11);
    face.cubicTo(c.x() - 15, c.y() + 2, c.x() - 13, c.y() - 15, c.x(), c.y() - 15);
    QRadialGradient fur(c.x(), c.y() - 4, 18);
    fur.setColorAt(0, QColor(238, 184, 104));
    fur.setColorAt(1, QColor(200, 138, 62));
    p.fillPath(face, fur);
    // Muzzle, nose and mouth.
    p.setBrush(QColor(246, 220, 176));
    p.drawEllipse(QPointF(c.x() - 3.6, c.y() + 6.5), 4.6, 3.6);
    p.drawEllipse(QPointF(c.x() + 3.6, c.y() + 6.5), 4.6, 3.6);
    p.drawEllipse(QPointF(c.x(), c.y() + 10.5), 3.6, 2.6);
    QPainterPath nose;
    nose.moveTo(c.x() - 3.2, c.y() + 2);
    nose.lineTo(c.x() + 3.2, c.y() + 2);
    nose.quadTo(c.x() + 1, c.y() + 5.6, c.x(), c.y() + 5.6);
    nose.quadTo(c.x() - 1, c.y() + 5.6, c.x() - 3.2, c.y() + 2);
    p.fillPath(nose, QColor(90, 50, 40));
    p.setPen(QPen(QColor(90, 50, 40), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(c.x(), c.y() + 5.6), QPointF(c.x(), c.y() + 8));
    p.drawArc(QRectF(c.x() - 4, c.y() + 5, 4, 4), 180 * 16, 130 * 16);
    p.drawArc(QRectF(c.x(), c.y() + 5, 4, 4), 230 * 16, 130 * 16);
    // Eyes closed in peace: the lions' mouths were shut.
    p.setPen(QPen(QColor(70, 40, 24), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 9.5, c.y() - 5.5, 6, 4), 200 * 16, 140 * 16);
    p.drawArc(QRectF(c.x() + 3.5, c.y() - 5.5, 6, 4), 200 * 16, 140 * 16);
    p.setPen(QPen(QColor(150, 92, 40), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 9, c.y() - 8), QPointF(c.x() - 4, c.y() - 7.5));
    p.drawLine(QPointF(c.x() + 9, c.y() - 8), QPointF(c.x() + 4, c.y() - 7.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 50));
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(c.x() + side * (2.4 + i * 1.4), c.y() + 6.4 + (i % 2) * 1.2), 0.35, 0.35);
}

void paintArmor(QPainter &p, const QSizeF &s, Dice &)
{
    const qreal W = s.width(), H = s.height();
    QRadialGradient back(W * 0.45, H * 0.4, W * 0.75);
    back.setColorAt(0, QColor(70, 96, 160));
    back.setColorAt(1, QColor(12, 18, 48));
    p.fillRect(QRectF(0, 0, W, H), back);
    drawRays(p, QPointF(W * 0.42, H * 0.45), 20, 80, QColor(200, 220, 255, 40));

    QLinearGradient steel(0, 0, 6, 6);
    steel.setSpread(QGradient::ReflectSpread);
    steel.setColorAt(0, QColor(236, 240, 246));
    steel.setColorAt(1, QColor(130, 138, 152));

    // The sword behind the shield.
    p.save();
    p.translate(W * 0.42, H * 0.5);
    p.rotate(-40);
    QPainterPath blade;
    blade.moveTo(-1.6, -26);
    blade.lineTo(0, -32);
    blade.lineTo(1.6, -26);
    blade.lineTo(1.6, 22);
    blade.lineTo(-1.6, 22);
    blade.closeSubpath();
    p.fillPath(blade, steel);
    p.fillRect(QRectF(-6, 22, 12, 2), QColor(214, 170, 60));
    p.fillRect(QRectF(-1.1, 24, 2.2, 6), QColor(90, 50, 30));
    p.setBrush(QColor(214, 170, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 31), 1.6, 1.6);
    p.restore();

    // The shield, with a gold cross on a crimson field.
    auto shield = [](qreal left, qreal top, qreal width, qreal height) {
        QPainterPath path;
        const qreal cx = left + width / 2;
        path.moveTo(left, top);
        path.quadTo(cx, top + height * 0.08, left + width, top);
        path.lineTo(left + width, top + height * 0.42);
        path.cubicTo(left + width, top + height * 0.72, cx + width * 0.2, top + height * 0.9, cx, top + height);
        path.cubicTo(cx - width * 0.2, top + height * 0.9, left, top + height * 0.72, left, top + height * 0.42);
        path.closeSubpath();
        return path;
    };
    const QPainterPath outer = shield(20, 16, 34, 46);
    p.fillPath(outer.translated(1.2, 1.4), QColor(0, 0, 0, 90));
    p.fillPath(outer, steel);
    const QPainterPath inner = shield(23, 19.5, 28, 39);
    QLinearGradient crimson(23, 20, 51, 58);
    crimson.setColorAt(0, QColor(210, 40, 50));
    crimson.setColorAt(1, QColor(110, 14, 28));
    p.fillPath(inner, crimson);
    p.fillPath(crossPath(37, 23, 30, 4.2, 0.7), goldGradient(23, 53));
    p.setPen(QPen(QColor(60, 60, 70), 0.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outer);

    // The helmet, seen from the front, with its crest.
    const qreal hx = 76;
    QPainterPath crest;
    crest.moveTo(hx - 2.2, 22);
    crest.cubicTo(hx - 3, 12, hx + 3, 8, hx + 6, 12);
    crest.cubicTo(hx + 3, 12, hx + 2, 16, hx + 2.2, 22);
    crest.closeSubpath();
    p.fillPath(crest, QColor(200, 30, 40));
    QPainterPath helmet;
    helmet.moveTo(hx - 12, 38);
    helmet.cubicTo(hx - 12, 24, hx - 7, 19, hx, 19);
    helmet.cubicTo(hx + 7, 19, hx + 12, 24, hx + 12, 38);
    helmet.lineTo(hx + 11, 52);
    helmet.lineTo(hx + 5, 54);
    helmet.lineTo(hx + 4, 40);
    helmet.lineTo(hx + 1.4, 40);
    helmet.lineTo(hx + 1.4, 50);
    helmet.lineTo(hx - 1.4, 50);
    helmet.lineTo(hx - 1.4, 40);
    helmet.lineTo(hx - 4, 40);
    helmet.lineTo(hx - 5, 54);
    helmet.lineTo(hx - 11, 52);
    helmet.closeSubpath();
    p.fillPath(helmet.translated(1.2, 1.4), QColor(0, 0, 0, 90));
    p.fillPath(helmet, steel);
    p.fillRect(QRectF(hx - 11.6, 34, 23.2, 2.2), QColor(214, 170, 60));
    p.setPen(QPen(QColor(60, 60, 70), 0.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(helmet);
    drawSparkle(p, QPointF(hx - 5, 25), 2.2);
    drawSparkle(p, QPointF(26, 20), 2.0);
}

void paintChristian(QPainter &p, const QSizeF &s, Dice &)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H), {{0, QColor(14, 40, 86)}, {1, QColor(22, 112, 132)}});
    drawRays(p, QPointF(W * 0.5, -10), 18, 100, QColor(200, 240, 255, 60), 0.1);
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 4; ++k) {
        p.setPen(QPen(QColor(180, 230, 240, 70 - k * 12), 0.5));
        p.drawPath(wavePath(0, W, H * 0.8 + k * 4, 1.0, 14 + k * 3, k * 1.3));
    }
    // The fish, drawn as two crossing arcs.
    QPainterPath fish;
    fish.moveTo(18, 54);
    fish.cubicTo(32, 26, 62, 18, 82, 38);
    fish.moveTo(18, 22);
    fish.cubicTo(32, 50, 62, 58, 82, 38);
    p.setPen(QPen(QColor(10, 24, 50, 200), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(fish);
    p.setPen(QPen(goldGradient(20, 56), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(fish);
    const QPainterPath cross = crossPath(56, 28.5, 18, 2.4, 0.6);
    glow(p, QPointF(56, 34), 12, QColor(255, 240, 180, 110));
    p.fillPath(cross, QColor(255, 246, 220));
}

void paintBeginning(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H), {{0, QColor(56, 128, 210)}, {1, QColor(196, 228, 250)}});
    glow(p, QPointF(W * 0.14, H * 0.14), 24, QColor(255, 250, 210, 230));
    p.setBrush(QColor(255, 252, 226));
    p.drawEllipse(QPointF(W * 0.14, H * 0.14), 5, 5);
    // The rainbow.
    const QColor bands[] = {QColor(230, 50, 50), QColor(246, 140, 40), QColor(250, 220, 60), QColor(80, 190, 80),
        QColor(60, 130, 230), QColor(80, 70, 190), QColor(150, 80, 190)};
    const QPointF centre(W * 0.6, H * 0.95);
    for (int i = 0; i < 7; ++i) {
        const qreal r = 46 - i * 1.8;
        p.setPen(QPen(withAlpha(bands[i], 150), 1.9, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    drawCloud(p, QPointF(W * 0.84, H * 0.22), 26, Qt::white, QColor(214, 226, 242), 0.95);
    drawBird(p, QPointF(W * 0.36, H * 0.22), 2.0, QColor(40, 50, 80));
    drawBird(p, QPointF(W * 0.44, H * 0.16), 1.6, QColor(40, 50, 80));
    drawBird(p, QPointF(W * 0.3, H * 0.3), 1.4, QColor(40, 50, 80));
    // Sea, then rolling hills.
    fillVertical(p, QRectF(0, H * 0.66, W, H * 0.34), {{0, QColor(60, 140, 200)}, {1, QColor(30, 90, 150)}});
    QPainterPath back;
    back.moveTo(W * 0.3, H);
    back.cubicTo(W * 0.5, H * 0.6, W * 0.8, H * 0.62, W, H * 0.66);
    back.lineTo(W, H);
    back.closeSubpath();
    p.fillPath(back, QColor(110, 176, 90));
    QPainterPath front;
    front.moveTo(0, H);
    front.lineTo(0, H * 0.8);
    front.cubicTo(W * 0.3, H * 0.72, W * 0.6, H * 0.86, W, H * 0.84);
    front.lineTo(W, H);
    front.closeSubpath();
    QLinearGradient green(0, H * 0.74, 0, H);
    green.setColorAt(0, QColor(96, 170, 70));
    green.setColorAt(1, QColor(46, 110, 46));
    p.fillPath(front, green);
    // A tree.
    p.fillRect(QRectF(W * 0.18 - 0.8, H * 0.66, 1.6, H * 0.12), QColor(90, 60, 30));
    QRadialGradient leaves(W * 0.17, H * 0.6, 7);
    leaves.setColorAt(0, QColor(110, 190, 80));
    leaves.setColorAt(1, QColor(40, 110, 40));
    p.setBrush(leaves);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(W * 0.18, H * 0.62), 6, 5.5);
    for (int i = 0; i < 22; ++i) {
        p.setBrush(i % 2 ? QColor(255, 255, 255) : QColor(255, 214, 70));
        p.drawEllipse(QPointF(dice.range(2, W - 2), dice.range(H * 0.86, H - 1)), 0.6, 0.6);
    }
}

void paintRestart(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H),
        {{0, QColor(140, 190, 236)}, {0.6, QColor(250, 222, 190)}, {0.8, QColor(255, 206, 150)}});
    const QPointF sun(W * 0.72, H * 0.76);
    drawRays(p, sun, 16, 80, QColor(255, 250, 220, 90), 0.15);
    glow(p, sun, 28, QColor(255, 236, 180, 220));
    p.setBrush(QColor(255, 248, 220));
    p.drawEllipse(sun, 8, 8);
    drawCloud(p, QPointF(W * 0.2, H * 0.2), 28, Qt::white, QColor(240, 214, 200), 0.85);
    QPainterPath soil;
    soil.moveTo(0, H);
    soil.lineTo(0, H * 0.86);
    soil.cubicTo(W * 0.3, H * 0.84, W * 0.38, H * 0.78, W * 0.5, H * 0.78);
    soil.cubicTo(W * 0.62, H * 0.78, W * 0.7, H * 0.84, W, H * 0.86);
    soil.lineTo(W, H);
    soil.closeSubpath();
    QLinearGradient earth(0, H * 0.78, 0, H);
    earth.setColorAt(0, QColor(130, 86, 52));
    earth.setColorAt(1, QColor(70, 44, 26));
    p.fillPath(soil, earth);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 30; ++i) {
        p.setBrush(QColor(50, 30, 18, 140));
        p.drawEllipse(QPointF(dice.range(0, W), dice.range(H * 0.86, H)), 0.5, 0.4);
    }
    // The new shoot with two leaves and a drop of dew.
    QPainterPath stem;
    stem.moveTo(W * 0.5, H * 0.8);
    stem.cubicTo(W * 0.5, H * 0.7, W * 0.47, H * 0.62, W * 0.5, H * 0.52);
    p.setPen(QPen(QColor(70, 140, 50), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    auto leaf = [&](const QPointF &base, const QPointF &tip, qreal bulge) {
        QPainterPath path;
        path.moveTo(base);
        const QPointF mid = (base + tip) / 2;
        const QPointF normal(-(tip - base).y() * bulge, (tip - base).x() * bulge);
        path.quadTo(mid + normal, tip);
        path.quadTo(mid - normal, base);
        QLinearGradient fill(base, tip);
        fill.setColorAt(0, QColor(60, 140, 50));
        fill.setColorAt(1, QColor(150, 214, 90));
        p.fillPath(path, fill);
        p.setPen(QPen(QColor(50, 110, 40, 160), 0.3));
        p.drawLine(base, tip);
    };
    leaf(QPointF(W * 0.5, H * 0.54), QPointF(W * 0.34, H * 0.44), 0.35);
    leaf(QPointF(W * 0.5, H * 0.53), QPointF(W * 0.68, H * 0.38), 0.33);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 236, 255, 200));
    p.drawEllipse(QPointF(W * 0.62, H * 0.45), 1.3, 1.3);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(W * 0.615, H * 0.44), 0.4, 0.4);
}

void paintBannerOverMe(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H), {{0, QColor(120, 178, 232)}, {1, QColor(236, 244, 250)}});
    drawCloud(p, QPointF(W * 0.7, H * 0.62), 34, Qt::white, QColor(214, 226, 242), 0.9);
    drawCloud(p, QPointF(W * 0.22, H * 0.56), 22, Qt::white, QColor(214, 226, 242), 0.8);
    QPainterPath meadow = waveBand(0, W, H * 0.82, 1.6, 40, 0.8, H);
    QLinearGradient green(0, H * 0.8, 0, H);
    green.setColorAt(0, QColor(120, 186, 86));
    green.setColorAt(1, QColor(60, 130, 56));
    p.fillPath(meadow, green);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 24; ++i) {
        p.setBrush(i % 3 == 0 ? QColor(255, 255, 255) : (i % 3 == 1 ? QColor(250, 120, 140) : QColor(255, 220, 70)));
        p.drawEllipse(QPointF(dice.range(18, W - 2), dice.range(H * 0.86, H - 1)), 0.7, 0.7);
    }
    // The pole.
    QLinearGradient wood(12, 0, 15, 0);
    wood.setColorAt(0, QColor(170, 120, 70));
    wood.setColorAt(1, QColor(100, 64, 32));
    p.fillRect(QRectF(12.2, 8, 2.2, H - 8), wood);
    QRadialGradient ball(12.6, 5.6, 2.6);
    ball.setColorAt(0, QColor(255, 244, 180));
    ball.setColorAt(1, QColor(196, 142, 30));
    p.setBrush(ball);
    p.drawEllipse(QPointF(13.3, 6.6), 2.2, 2.2);
    // The banner, streaming in the wind, with a heart: His banner over me is love.
    QPainterPath banner;
    banner.moveTo(14.4, 10);
    banner.cubicTo(34, 3, 56, 18, 86, 13);
    banner.lineTo(78, 21);
    banner.lineTo(88, 29);
    banner.cubicTo(58, 33, 36, 20, 14.4, 30);
    banner.closeSubpath();
    QLinearGradient red(0, 8, 0, 32);
    red.setColorAt(0, QColor(232, 52, 62));
    red.setColorAt(1, QColor(150, 16, 32));
    p.fillPath(banner, red);
    p.save();
    p.setClipPath(banner);
    QLinearGradient folds(14, 0, 88, 0);
    folds.setColorAt(0, QColor(0, 0, 0, 40));
    folds.setColorAt(0.2, QColor(255, 255, 255, 60));
    folds.setColorAt(0.45, QColor(0, 0, 0, 50));
    folds.setColorAt(0.7, QColor(255, 255, 255, 50));
    folds.setColorAt(1, QColor(0, 0, 0, 50));
    p.fillPath(banner, folds);
    p.restore();
    p.setPen(QPen(QColor(250, 210, 90), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(banner);
    p.fillPath(heartPath(QPointF(34, 17.6), 9), QColor(255, 255, 255));
}

void paintNotOfThisWorld(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H), {{0, QColor(4, 2, 14)}, {1, QColor(22, 12, 44)}});
    glow(p, QPointF(W * 0.22, H * 0.3), 30, QColor(150, 60, 170, 80));
    glow(p, QPointF(W * 0.8, H * 0.24), 26, QColor(60, 90, 190, 80));
    scatterStars(p, QRectF(0, 0, W, H), 150, dice, 0.45);
    // The rim of the earth far below, catching the light.
    const QPointF planet(W * 0.5, H + 100);
    const qreal r = 124;
    QRadialGradient ground(planet, r);
    ground.setColorAt(0.9, QColor(10, 30, 70));
    ground.setColorAt(1, QColor(40, 110, 190));
    p.setBrush(ground);
    p.setPen(Qt::NoPen);
    p.drawEllipse(planet, r, r);
    p.setPen(QPen(QColor(130, 210, 255, 200), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(planet, r, r);
    p.save();
    p.translate(W * 0.5, H + 100 - r);
    p.scale(1, 0.25);
    glow(p, QPointF(0, 0), 44, QColor(255, 240, 210, 200));
    p.restore();
    // A cross of light above it all.
    const QPointF c(W * 0.5, H * 0.36);
    glow(p, c, 22, QColor(255, 246, 220, 150));
    const QPainterPath cross = crossPath(c.x(), c.y() - 13, 30, 2.6, 0.6);
    for (int i = 3; i >= 1; --i) {
        p.setPen(QPen(QColor(255, 240, 200, 40), i * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(cross);
    }
    p.fillPath(cross, QColor(255, 252, 240));
}

void paintAbraham(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(
        p, QRectF(0, 0, W, H), {{0, QColor(4, 8, 30)}, {0.65, QColor(28, 34, 86)}, {0.85, QColor(80, 60, 96)}});
    // Count the stars, if you can.
    scatterStars(p, QRectF(0, 0, W, H * 0.8), 320, dice, 0.5);
    drawSparkle(p, QPointF(W * 0.3, H * 0.16), 2.8);
    drawSparkle(p, QPointF(W * 0.74, H * 0.1), 2.2);
    drawSparkle(p, QPointF(W * 0.88, H * 0.4), 1.8);
    // A crescent moon.
    QPainterPath moon;
    moon.addEllipse(QPointF(W * 0.86, H * 0.16), 4.5, 4.5);
    QPainterPath bite;
    bite.addEllipse(QPointF(W * 0.86 + 2, H * 0.16 - 1.2), 4.2, 4.2);
    glow(p, QPointF(W * 0.86, H * 0.16), 10, QColor(255, 246, 210, 60));
    p.fillPath(moon.subtracted(bite), QColor(255, 246, 214));
    // Dunes.
    QPainterPath far;
    far.moveTo(0, H * 0.76);
    far.cubicTo(W * 0.3, H * 0.68, W * 0.6, H * 0.78, W, H * 0.7);
    far.lineTo(W, H);
    far.lineTo(0, H);
    far.closeSubpath();
    p.fillPath(far, QColor(58, 44, 56));
    QPainterPath near;
    near.moveTo(0, H * 0.86);
    near.cubicTo(W * 0.4, H * 0.8, W * 0.7, H * 0.9, W, H * 0.84);
    near.lineTo(W, H);
    near.lineTo(0, H);
    near.closeSubpath();
    p.fillPath(near, QColor(36, 26, 32));
    // The tent with lamplight in its doorway.
    QPainterPath tent;
    tent.moveTo(W * 0.12, H * 0.86);
    tent.lineTo(W * 0.22, H * 0.66);
    tent.lineTo(W * 0.32, H * 0.64);
    tent.lineTo(W * 0.44, H * 0.85);
    tent.closeSubpath();
    p.fillPath(tent, QColor(86, 58, 40));
    QPainterPath door;
    door.moveTo(W * 0.21, H * 0.86);
    door.lineTo(W * 0.255, H * 0.72);
    door.lineTo(W * 0.3, H * 0.86);
    door.closeSubpath();
    p.fillPath(door, QColor(255, 190, 90));
    glow(p, QPointF(W * 0.255, H * 0.84), 8, QColor(255, 190, 90, 120));
    p.setPen(QPen(QColor(60, 40, 26), 0.6));
    p.drawLine(QPointF(W * 0.22, H * 0.66), QPointF(W * 0.22, H * 0.6));
    p.drawLine(QPointF(W * 0.32, H * 0.64), QPointF(W * 0.32, H * 0.58));
    // A figure looking up at the sky.
    p.save();
    p.translate(W * 0.62, H * 0.86);
    p.scale(1.5, 1.5);
    p.setPen(QPen(QColor(14, 10, 16), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0.4, -7));
    p.setPen(QPen(QColor(14, 10, 16), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0.4, -5.6), QPointF(3.6, -10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 10, 16));
    p.drawEllipse(QPointF(0.8, -8.4), 1.2, 1.2);
    p.restore();
}

void paintHammer(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    // Boards of rough timber.
    const QColor tones[] = {QColor(156, 104, 62), QColor(140, 92, 54), QColor(166, 114, 70)};
    for (int i = 0; i < 5; ++i) {
        const QRectF board(0, i * 15, W, 15);
        fillVertical(p, board, {{0, tones[i % 3].lighter(110)}, {1, tones[i % 3].darker(110)}});
        p.setBrush(Qt::NoBrush);
        for (int g = 0; g < 4; ++g) {
            p.setPen(QPen(QColor(90, 56, 30, 70), 0.35));
            p.drawPath(wavePath(
                0, W, board.top() + 2.5 + g * 3.4 + dice.range(-0.6, 0.6), 0.5, dice.range(18, 30), dice.range(0, 6)));
        }
        p.setPen(QPen(QColor(60, 36, 18), 0.6));
        p.drawLine(QPointF(0, board.top()), QPointF(W, board.top()));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 30, 16));
        p.drawEllipse(QPointF(6, board.center().y()), 0.5, 0.5);
        p.drawEllipse(QPointF(W - 6, board.center().y()), 0.5, 0.5);
    }

    auto nail = [&](const QPointF &head, qreal angle, qreal length) {
        p.save();
        p.translate(head);
        p.rotate(angle);
        QPainterPath shaft;
        shaft.moveTo(-0.75, 0);
        shaft.lineTo(0.75, 0);
        shaft.lineTo(0.75, length - 2.5);
        shaft.lineTo(0, length);
        shaft.lineTo(-0.75, length - 2.5);
        shaft.closeSubpath();
        p.fillPath(shaft.translated(1.2, 1.2), QColor(0, 0, 0, 80));
        QLinearGradient iron(-0.75, 0, 0.75, 0);
        iron.setColorAt(0, QColor(210, 210, 214));
        iron.setColorAt(1, QColor(96, 96, 104));
        p.fillPath(shaft, iron);
        p.setBrush(QColor(150, 150, 158));
        p.setPen(QPen(QColor(80, 80, 88), 0.3));
        p.drawEllipse(QPointF(0, 0), 2.0, 0.8);
        p.restore();
    };
    nail(QPointF(14, 50), -70, 22);
    nail(QPointF(18, 62), -80, 22);
    nail(QPointF(70, 58), 60, 20);

    // The hammer lying across the boards.
    p.save();
    p.translate(W * 0.56, H * 0.34);
    p.rotate(-32);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-2.4, -1, 4.8, 40), 2, 2);
    QPainterPath head;
    head.moveTo(-16, -5);
    head.lineTo(-9, -5);
    head.lineTo(-9, -4);
    head.lineTo(4, -4);
    head.cubicTo(9, -4, 14, -2, 17, 4);
    head.cubicTo(13, 1, 9, 1, 6, 2.5);
    head.cubicTo(9, 3, 12, 6, 13, 9);
    head.cubicTo(9, 5, 5, 4, 3, 4);
    head.lineTo(-9, 4);
    head.lineTo(-9, 5);
    head.lineTo(-16, 5);
    head.closeSubpath();
    p.fillPath(handle.translated(1.6, 1.6), QColor(0, 0, 0, 90));
    p.fillPath(head.translated(1.6, 1.6), QColor(0, 0, 0, 90));
    QLinearGradient ash(-2.4, 0, 2.4, 0);
    ash.setColorAt(0, QColor(226, 180, 120));
    ash.setColorAt(1, QColor(150, 100, 54));
    p.fillPath(handle, ash);
    p.fillRect(QRectF(-2.5, 28, 5, 10), QColor(40, 40, 46));
    QLinearGradient steel(0, -5, 0, 5);
    steel.setColorAt(0, QColor(236, 238, 242));
    steel.setColorAt(0.5, QColor(160, 164, 172));
    steel.setColorAt(1, QColor(90, 94, 104));
    p.fillPath(head, steel);
    p.setPen(QPen(QColor(50, 50, 60), 0.35));
    p.setBrush(Qt::NoBrush);
    p.drawPath(head);
    p.restore();
}

void drawLettering(QPainter &p, const QStringList &lines, const QRectF &area, const QFont &font, const QBrush &fill,
    const QColor &outline)
{
    const QPainterPath text = titlePath(lines, area, font);
    p.fillPath(text.translated(0.9, 1.1), QColor(0, 0, 0, 110));
    p.setPen(QPen(outline, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.fillPath(text, fill);
}

void paintGotJesus(QPainter &p, const QSizeF &s, Dice &dice)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H), {{0, QColor(30, 60, 140)}, {1, QColor(100, 40, 120)}});
    drawRays(p, QPointF(W * 0.5, H * 0.55), 24, 80, QColor(255, 220, 150, 70), 0.05);
    glow(p, QPointF(W * 0.5, H * 0.5), 36, QColor(255, 210, 140, 110));
    scatterStars(p, QRectF(0, 0, W, H), 30, dice, 0.3);
    QLinearGradient gold(0, H * 0.1, 0, H * 0.9);
    gold.setColorAt(0, QColor(255, 255, 255));
    gold.setColorAt(0.6, QColor(255, 244, 200));
    gold.setColorAt(1, QColor(250, 206, 110));
    drawLettering(p, {QStringLiteral("Got"), QStringLiteral("Jesus?")}, QRectF(6, 6, W - 12, H - 12),
        makeFont(QStringLiteral("DejaVu Sans"), QFont::Black), gold, QColor(50, 20, 60));
}

void paintAttitude(QPainter &p, const QSizeF &s, Dice &)
{
    const qreal W = s.width(), H = s.height();
    fillVertical(p, QRectF(0, 0, W, H), {{0, QColor(255, 150, 40)}, {1, QColor(240, 90, 40)}});
    drawRays(p, QPointF(W * 0.5, H * 1.05), 28, 130, QColor(255, 230, 110, 170), 0.0);
    glow(p, QPointF(W * 0.5, H * 1.05), 40, QColor(255, 246, 190, 230));
    // Arc of sunrise on the bottom edge.
    p.setBrush(QColor(255, 240, 170));
    p.drawEllipse(QPointF(W * 0.5, H * 1.05), 14, 14);
    drawLettering(p, {QStringLiteral("Attitude")}, QRectF(6, H * 0.22, W - 12, H * 0.36),
        makeFont(QStringLiteral("DejaVu Serif"), QFont::Bold, true), QColor(255, 255, 255), QColor(150, 40, 20));
    p.fillPath(heartPath(QPointF(W * 0.5, H * 0.7), 8), QColor(200, 30, 50));
    p.setPen(QPen(QColor(255, 255, 255), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(heartPath(QPointF(W * 0.5, H * 0.7), 8));
}

struct Wallpaper {
    const char *key;
    int width;
    WallpaperPainter paint;
};

const Wallpaper kWallpapers[] = {
    {"Abraham", 100, paintAbraham},
    {"Armor", 100, paintArmor},
    {"Attitude", 100, paintAttitude},
    {"BannerOverMe", 94, paintBannerOverMe},
    {"Beginning", 100, paintBeginning},
    {"Calvary", 100, paintCalvary},
    {"Christian", 100, paintChristian},
    {"Daniel", 100, paintDaniel},
    {"Easter1", 100, paintEaster1},
    {"Easter", 100, paintEaster},
    {"Fishers", 100, paintFishers},
    {"Flags", 100, paintFlags},
    {"Freedom", 100, paintFreedom},
    {"GotJesus", 100, paintGotJesus},
    {"Hammer", 100, paintHammer},
    {"Heavens", 100, paintHeavens},
    {"Knowledge", 100, paintKnowledge},
    {"Nativity", 100, paintNativity},
    {"NOTW", 100, paintNotOfThisWorld},
    {"Restart", 100, paintRestart},
    {"Sky", 100, paintSky},
    {"Stars", 100, paintStars},
    {"Waters", 100, paintWaters},
    {"World", 100, paintWorld},
};

constexpr int kWallpaperHeight = 75;

}  // namespace

int main(int argc, char **argv)
{
    // Text needs a platform plugin, but this tool never shows a window: stay headless so it also
    // runs on build machines without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: vellory-assets <output folder>\n");
        return 2;
    }

    AssetWriter out(args.at(1));
    out.write(QStringLiteral("icons/window"), FileKind::Bmp24, paintWindowIcon(), QSize(32, 32));
    out.write(QStringLiteral("icons/main"), FileKind::Png, paintMainIcon(), QSize(64, 64));
    out.write(QStringLiteral("splash/logo"), FileKind::Png, paintSplashLogo(), QSize(290, 254));

    QFont sans = makeFont(QStringLiteral("DejaVu Sans"), QFont::Bold);
    sans.setStretch(QFont::Condensed);
    QFont serif = makeFont(QStringLiteral("DejaVu Serif"), QFont::Bold);
    serif.setStretch(QFont::Condensed);
    for (const SiteBanner &site : kSites)
        out.write(QStringLiteral("sites/") + QLatin1String(site.key), site.kind, paintSiteBanner(site, sans, serif),
            QSize(site.width, site.height));

    for (const Wallpaper &wallpaper : kWallpapers) {
        const QImage image = paintSupersampled(wallpaper.width, kWallpaperHeight, [&](QPainter &p, const QSizeF &size) {
            Dice dice(seedFor(wallpaper.key));
            wallpaper.paint(p, size, dice);
        });
        out.write(QStringLiteral("backgrounds/") + QLatin1String(wallpaper.key), FileKind::Bmp32, image,
            QSize(wallpaper.width, kWallpaperHeight));
    }

    out.writeResourceFile();
    std::printf("vellory-assets: %d files, %d changed, in %s\n", out.total(), out.changed(),
        qPrintable(QDir(args.at(1)).absolutePath()));
    return out.ok() ? 0 : 1;
}

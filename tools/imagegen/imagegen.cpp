// zf_imagegen: draws every picture Zembrofact uses and writes them into one directory.
//
//     zf_imagegen <output-directory>
//
// Shapes with exact pixel extents (the card, the operator signs, the icons, the cursor) are
// set pixel by pixel, testing each pixel's centre against the shape, so they come out the same
// on every machine and carry no antialiasing. Only the wordmark's lettering goes through
// QPainter, with antialiasing off.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string_view>

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kFace = qRgb(212, 208, 200); // the window face colour behind the card's corners
constexpr QRgb kLogoBlue = qRgb(16, 42, 120);
constexpr QRgb kClear = qRgba(0, 0, 0, 0);

// A rectangle in continuous pixel coordinates whose corners are quarter ellipses. The
// horizontal radius belongs to the left or right side, the vertical one to the top or bottom,
// so a frame whose sides differ in thickness keeps an even curve on its inner edge.
struct RoundedBox {
    double left, top, right, bottom;
    double rxLeft, rxRight, ryTop, ryBottom;

    static RoundedBox uniform(double l, double t, double r, double b, double radius) {
        return {l, t, r, b, radius, radius, radius, radius};
    }

    // The box that is left once a frame of the given side thicknesses is taken off.
    RoundedBox inset(double l, double t, double r, double b) const {
        return {left + l,
                top + t,
                right - r,
                bottom - b,
                std::max(rxLeft - l, 0.0),
                std::max(rxRight - r, 0.0),
                std::max(ryTop - t, 0.0),
                std::max(ryBottom - b, 0.0)};
    }

    bool contains(double x, double y) const {
        if (x < left || x > right || y < top || y > bottom)
            return false;
        const bool onLeft = x < left + rxLeft;
        const bool onRight = x > right - rxRight;
        const bool onTop = y < top + ryTop;
        const bool onBottom = y > bottom - ryBottom;
        if (!(onLeft || onRight) || !(onTop || onBottom))
            return true;
        const double rx = onLeft ? rxLeft : rxRight;
        const double ry = onTop ? ryTop : ryBottom;
        const double cx = onLeft ? left + rxLeft : right - rxRight;
        const double cy = onTop ? top + ryTop : bottom - ryBottom;
        const double dx = (x - cx) / rx;
        const double dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    }

    // The same outline as an SVG path.
    QString svgPath() const {
        const auto n = [](double v) { return QString::number(v, 'g', 6); };
        return QStringLiteral("M%1,%2 H%3 A%4,%5 0 0 1 %6,%7 V%8 A%9,%10 0 0 1 %11,%12 H%13 "
                              "A%14,%15 0 0 1 %16,%17 V%18 A%19,%20 0 0 1 %21,%22 Z")
            .arg(n(left + rxLeft), n(top), n(right - rxRight), n(rxRight), n(ryTop), n(right),
                 n(top + ryTop), n(bottom - ryBottom), n(rxRight), n(ryBottom))
            .arg(n(right - rxRight), n(bottom), n(left + rxLeft), n(rxLeft), n(ryBottom), n(left),
                 n(bottom - ryBottom), n(top + ryTop), n(rxLeft), n(ryTop))
            .arg(n(left + rxLeft), n(top));
    }
};

// Sets every pixel whose centre passes the test.
void paintWhere(QImage &image, QRgb colour, const std::function<bool(double, double)> &inside) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inside(x + 0.5, y + 0.5))
                image.setPixel(x, y, colour);
}

// Fills the inclusive pixel range x0..x1, y0..y1.
void fillPixels(QImage &image, int x0, int y0, int x1, int y1, QRgb colour) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            image.setPixel(x, y, colour);
}

// A frame of the given side thicknesses around a filled inside, both following the box's
// rounded corners. Pixels outside the box are left alone.
void paintFramedBox(QImage &image, const RoundedBox &outer, const std::array<double, 4> &sides,
                    QRgb frame, QRgb fill) {
    const RoundedBox inner = outer.inset(sides[0], sides[1], sides[2], sides[3]);
    paintWhere(image, frame, [&](double x, double y) { return outer.contains(x, y); });
    paintWhere(image, fill, [&](double x, double y) { return inner.contains(x, y); });
}

// The two corner-to-corner strokes of a cross filling a square, cut off square by its edges.
struct DiagonalCross {
    double left, top, size, halfWidth;

    bool contains(double x, double y) const {
        const double u = x - left;
        const double v = y - top;
        if (u < 0 || v < 0 || u > size || v > size)
            return false;
        const double reach = halfWidth * std::sqrt(2.0);
        return std::abs(u - v) <= reach || std::abs(u + v - size) <= reach;
    }

    // Each stroke as the six-sided piece of its band that lies inside the square.
    QString svgPolygons(const QString &fill) const {
        const double d = halfWidth * std::sqrt(2.0);
        const double s = size;
        const std::array<std::array<double, 12>, 2> strokes = {{
            {0, 0, d, 0, s, s - d, s, s, s - d, s, 0, d},
            {s - d, 0, s, 0, s, d, d, s, 0, s, 0, s - d},
        }};
        QString out;
        for (const auto &stroke : strokes) {
            QStringList points;
            for (std::size_t i = 0; i < stroke.size(); i += 2)
                points << QStringLiteral("%1,%2").arg(QString::number(left + stroke[i], 'g', 6),
                                                      QString::number(top + stroke[i + 1], 'g', 6));
            out += QStringLiteral("  <polygon fill=\"%1\" stroke=\"none\" points=\"%2\"/>\n")
                       .arg(fill, points.join(QLatin1Char(' ')));
        }
        return out;
    }
};

// ---- The blank card -----------------------------------------------------------------------

// White, with a thin outline on the top and left and a heavy one on the right and bottom that
// reads as a drop shadow. The face colour shows outside the rounded corners.
QImage drawCard(int scale) {
    QImage image(214 * scale, 277 * scale, QImage::Format_RGB32);
    image.fill(kFace);
    const RoundedBox outer = RoundedBox::uniform(0, 0, image.width(), image.height(), 21.0 * scale);
    paintFramedBox(image, outer, {1.0 * scale, 2.0 * scale, 6.0 * scale, 5.0 * scale}, kBlack,
                   kWhite);
    return image;
}

// ---- The operator signs -------------------------------------------------------------------

enum class Operator { Add, Subtract, Multiply, Divide };

// Blue on white, 39 x 38 at single size. The ranges are inclusive single-size pixels; at double
// size each pixel becomes a 2 x 2 block.
QImage drawOperator(Operator op, int scale) {
    QImage image(39 * scale, 38 * scale, QImage::Format_RGB32);
    image.fill(kWhite);
    const auto block = [&](int x0, int y0, int x1, int y1) {
        fillPixels(image, x0 * scale, y0 * scale, x1 * scale + scale - 1, y1 * scale + scale - 1,
                   kBlue);
    };
    switch (op) {
    case Operator::Add:
        block(15, 4, 21, 31);
        block(4, 15, 32, 20);
        break;
    case Operator::Subtract:
        block(4, 15, 32, 20);
        break;
    case Operator::Divide:
        block(4, 15, 32, 20);
        block(15, 3, 21, 10);
        block(15, 25, 21, 32);
        break;
    case Operator::Multiply: {
        // Strokes 12 px thick across the square x 2-36, y 1-35.
        const DiagonalCross cross{2.0 * scale, 1.0 * scale, 35.0 * scale, 6.0 * scale};
        paintWhere(image, kBlue, [&](double x, double y) { return cross.contains(x, y); });
        break;
    }
    }
    return image;
}

// ---- The program icon ---------------------------------------------------------------------

// Laid out on a 32-unit square: a card behind at the upper left, one in front at the lower
// right with a red cross on it. Both cards have the big card's heavier right and bottom edges.
struct IconLayout {
    static constexpr double kUnits = 32.0;
    static RoundedBox backCard() { return RoundedBox::uniform(2, 1, 20, 24, 3); }
    static RoundedBox frontCard() { return RoundedBox::uniform(11, 8, 30, 31, 3); }
    static constexpr std::array<double, 4> kFrame = {1, 1, 2, 2};
    static DiagonalCross cross() { return {14, 13, 12, 1.75}; }
};

// Snaps a box laid out in units onto whole pixels at the given scale.
RoundedBox snapped(const RoundedBox &box, double scale) {
    const auto px = [&](double v) { return std::round(v * scale); };
    return {px(box.left),       px(box.top),         px(box.right),     px(box.bottom),
            box.rxLeft * scale, box.rxRight * scale, box.ryTop * scale, box.ryBottom * scale};
}

QImage drawIcon(int size) {
    const double scale = size / IconLayout::kUnits;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(kClear);
    std::array<double, 4> frame{};
    std::transform(IconLayout::kFrame.begin(), IconLayout::kFrame.end(), frame.begin(),
                   [&](double t) { return std::max(1.0, std::round(t * scale)); });
    paintFramedBox(image, snapped(IconLayout::backCard(), scale), frame, kBlack, kWhite);
    paintFramedBox(image, snapped(IconLayout::frontCard(), scale), frame, kBlack, kWhite);
    const DiagonalCross unitCross = IconLayout::cross();
    const double crossLeft = std::round(unitCross.left * scale);
    const double crossTop = std::round(unitCross.top * scale);
    const DiagonalCross cross{crossLeft, crossTop,
                              std::round((unitCross.left + unitCross.size) * scale) - crossLeft,
                              unitCross.halfWidth * scale};
    paintWhere(image, kRed, [&](double x, double y) { return cross.contains(x, y); });
    return image;
}

QString iconSvg() {
    const auto card = [](const RoundedBox &outer) {
        const auto &f = IconLayout::kFrame;
        return QStringLiteral("  <path fill=\"#000000\" stroke=\"none\" d=\"%1\"/>\n"
                              "  <path fill=\"#ffffff\" stroke=\"none\" d=\"%2\"/>\n")
            .arg(outer.svgPath(), outer.inset(f[0], f[1], f[2], f[3]).svgPath());
    };
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"32\" height=\"32\" "
           "viewBox=\"0 0 32 32\">\n"
        << "  <title>Zembrofact</title>\n"
        << card(IconLayout::backCard()) << card(IconLayout::frontCard())
        << IconLayout::cross().svgPolygons(QStringLiteral("#ff0000")) << "</svg>\n";
    return svg;
}

// ---- The About box ------------------------------------------------------------------------

// A yellow warning disc with a black rim and a black exclamation mark.
QImage drawAboutIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(kClear);
    const double centre = size / 2.0;
    const double rim = std::max(1, size / 16);
    const auto within = [&](double radius) {
        return [=](double x, double y) { return std::hypot(x - centre, y - centre) <= radius; };
    };
    paintWhere(image, kBlack, within(centre));
    paintWhere(image, kYellow, within(centre - rim));
    const int x0 = size * 7 / 16;
    const int x1 = size * 9 / 16 - 1;
    fillPixels(image, x0, size * 3 / 16, x1, size * 10 / 16 - 1, kBlack);
    fillPixels(image, x0, size * 11 / 16, x1, size * 13 / 16 - 1, kBlack);
    return image;
}

// The maker's wordmark: a dark blue tile with a white plus beside "Plivaro Learning".
QImage drawLogo(int scale) {
    QImage image(258 * scale, 45 * scale, QImage::Format_RGB32);
    image.fill(kWhite);

    const RoundedBox tile =
        RoundedBox::uniform(4 * scale, 7 * scale, 35 * scale, 38 * scale, 5.0 * scale);
    paintWhere(image, kLogoBlue, [&](double x, double y) { return tile.contains(x, y); });
    fillPixels(image, 17 * scale, 12 * scale, 22 * scale - 1, 33 * scale - 1, kWhite);
    fillPixels(image, 9 * scale, 20 * scale, 30 * scale - 1, 25 * scale - 1, kWhite);

    const QString text = QStringLiteral("Plivaro Learning");
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    if (QFontInfo(font).family() != font.family())
        std::fprintf(stderr, "zf_imagegen: Liberation Sans not found, lettering in %s\n",
                     qPrintable(QFontInfo(font).family()));

    // The largest size whose lettering fits right of the tile and inside the picture's height.
    const int textLeft = 44 * scale;
    const int textWidth = image.width() - textLeft - 4 * scale;
    int pixelSize = 40 * scale;
    for (; pixelSize > 6; --pixelSize) {
        font.setPixelSize(pixelSize);
        const QRect bounds = QFontMetrics(font).tightBoundingRect(text);
        if (bounds.width() <= textWidth && bounds.height() <= image.height() - 8 * scale)
            break;
    }
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    // Capitals centred on the tile; the descenders hang below.
    const QRect capital = metrics.tightBoundingRect(QStringLiteral("P"));
    const int baseline = qRound((tile.top + tile.bottom) / 2.0 - capital.top() / 2.0);
    const QRect bounds = metrics.tightBoundingRect(text);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(QColor(kLogoBlue));
    painter.drawText(textLeft - bounds.left(), baseline, text);
    painter.end();
    return image;
}

// Stored with a palette of exactly the colours it uses.
QImage toIndexed(const QImage &image) {
    QList<QRgb> palette;
    QImage indexed(image.size(), QImage::Format_Indexed8);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            qsizetype index = palette.indexOf(colour);
            if (index < 0) {
                if (palette.size() == 256)
                    return image.convertToFormat(QImage::Format_Indexed8);
                index = palette.size();
                palette.append(colour);
                indexed.setColorCount(int(palette.size()));
                indexed.setColor(int(index), colour);
            }
            indexed.setPixel(x, y, uint(index));
        }
    }
    return indexed;
}

// ---- The pointing hand --------------------------------------------------------------------

// Drawn by hand: '#' black outline, 'o' white, '.' transparent. The index finger's tip, the
// cursor's hot spot, is the outline pixel at (12, 9).
constexpr std::array<const char *, 32> kHand = {
    "................................", // 0
    "................................", //
    "................................", //
    "................................", //
    "................................", //
    "................................", // 5
    "................................", //
    "................................", //
    "................................", //
    "............##..................", // 9
    "...........#oo#.................", // 10
    "...........#oo#.................", //
    "...........#oo#.................", //
    "...........#oo#.................", //
    "...........#oo###...............", //
    "...........#oo#oo###............", // 15
    "...........#oo#oo#oo##..........", //
    "...........#oo#oo#oo#oo#........", //
    "......##...#oo#oo#oo#oo#........", //
    ".....#oo#..#oo#oo#oo#oo#........", //
    ".....#ooo#.#ooooooooooo#........", // 20
    ".....#oooo#oooooooooooo#........", //
    ".....#ooooooooooooooooo#........", //
    "......#oooooooooooooooo#........", //
    "......#oooooooooooooooo#........", //
    ".......#ooooooooooooooo#........", // 25
    "........#oooooooooooooo#........", //
    ".........#oooooooooooo#.........", //
    ".........#oooooooooooo#.........", //
    ".........#oooooooooooo#.........", //
    ".........##############.........", // 30
    "................................", //
};
static_assert(std::all_of(kHand.begin(), kHand.end(),
                          [](const char *row) { return std::string_view(row).size() == 32; }));

// At its designed size, or larger for scaled screens (ratio 1.5 or 2): each drawn pixel
// becomes a block, so the outline stays crisp and the finger's tip, the hot spot, lands at
// (12, 9) times the ratio, rounded up: (18, 14) and (24, 18).
QImage drawHandCursor(double ratio = 1.0) {
    const int size = int(32 * ratio);
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const char c = kHand[int(y / ratio)][int(x / ratio)];
            image.setPixel(x, y, c == '#' ? kBlack : c == 'o' ? kWhite : kClear);
        }
    }
    return image;
}

// ---- Writing --------------------------------------------------------------------------------

bool save(const QDir &dir, const QString &name, const QImage &image) {
    const QString path = dir.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "zf_imagegen: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool saveText(const QDir &dir, const QString &name, const QString &text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "zf_imagegen: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

QString doubled(const QString &name) {
    QString out = name;
    return out.insert(out.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

} // namespace

int main(int argc, char **argv) {
    // The lettering needs the font database, which needs an application but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zf_imagegen <output-directory>\n");
        return 2;
    }
    const QDir dir(args[1]);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "zf_imagegen: cannot create %s\n", qPrintable(args[1]));
        return 1;
    }

    bool ok = true;
    for (const int scale : {1, 2}) {
        const auto name = [&](const char *base) {
            const QString n = QString::fromLatin1(base);
            return scale == 1 ? n : doubled(n);
        };
        ok &= save(dir, name("card.png"), drawCard(scale));
        ok &= save(dir, name("op_add.png"), drawOperator(Operator::Add, scale));
        ok &= save(dir, name("op_sub.png"), drawOperator(Operator::Subtract, scale));
        ok &= save(dir, name("op_mul.png"), drawOperator(Operator::Multiply, scale));
        ok &= save(dir, name("op_div.png"), drawOperator(Operator::Divide, scale));
        ok &= save(dir, name("icon.png"), drawIcon(32 * scale));
        ok &= save(dir, name("about_logo.png"), toIndexed(drawLogo(scale)));
    }
    for (const int size : {48, 128, 256})
        ok &= save(dir, QStringLiteral("icon-%1.png").arg(size), drawIcon(size));
    ok &= saveText(dir, QStringLiteral("icon.svg"), iconSvg());
    ok &= save(dir, QStringLiteral("about_icon_32.png"), drawAboutIcon(32));
    ok &= save(dir, QStringLiteral("about_icon_16.png"), drawAboutIcon(16));
    ok &= save(dir, QStringLiteral("hand_cursor.png"), drawHandCursor());
    ok &= save(dir, QStringLiteral("hand_cursor@1.5x.png"), drawHandCursor(1.5));
    ok &= save(dir, QStringLiteral("hand_cursor@2x.png"), drawHandCursor(2.0));
    return ok ? 0 : 1;
}

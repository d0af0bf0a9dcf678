// The pictures kept in resources/ (drawn by tools/imagegen): size, format, colours and where
// their ink lies, which the windows lay themselves out around.

#include <QImage>
#include <QRect>
#include <QtTest>

namespace {

constexpr QRgb Clear = 0; // every fully transparent pixel counts as this
constexpr QRgb White = qRgb(255, 255, 255), Black = qRgb(0, 0, 0), Blue = qRgb(0, 0, 255),
               Red = qRgb(255, 0, 0), Yellow = qRgb(255, 255, 0), Face = qRgb(212, 208, 200);

QRgb colourAt(const QImage &image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return qAlpha(pixel) == 0 ? Clear : pixel;
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void picture_data();
    void picture();
};

void TestImages::picture_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QList<QRgb>>("colours"); // all there; with `most` equal to their number,
    QTest::addColumn<int>("most");            // the only ones
    QTest::addColumn<QRect>("ink");           // the bounds of the first colour; empty: unchecked
    const auto add = [](const QString &name, QSize size, QImage::Format format,
                        const QList<QRgb> &colours, int most, QRect ink, bool doubled) {
        QTest::newRow(qPrintable(name)) << name << size << format << colours << most << ink;
        if (!doubled)
            return;
        QString big = name;
        big.insert(big.lastIndexOf(u'.'), QStringLiteral("@2x"));
        const QRect bigInk =
            ink.isNull() ? QRect() : QRect(ink.topLeft() * 2, ink.bottomRight() * 2 + QPoint(1, 1));
        QTest::newRow(qPrintable(big)) << big << size * 2 << format << colours << most << bigInk;
    };
    const auto RGB = QImage::Format_RGB32, ARGB = QImage::Format_ARGB32;
    add(QStringLiteral("card.png"), {214, 277}, RGB, {Face, White, Black}, 3, {}, true);
    add(QStringLiteral("op_add.png"), {39, 38}, RGB, {Blue, White}, 2,
        QRect(QPoint(4, 4), QPoint(32, 31)), true);
    add(QStringLiteral("op_sub.png"), {39, 38}, RGB, {Blue, White}, 2,
        QRect(QPoint(4, 15), QPoint(32, 20)), true);
    add(QStringLiteral("op_div.png"), {39, 38}, RGB, {Blue, White}, 2,
        QRect(QPoint(4, 3), QPoint(32, 32)), true);
    add(QStringLiteral("op_mul.png"), {39, 38}, RGB, {Blue, White}, 2,
        QRect(QPoint(2, 1), QPoint(36, 35)), true);
    add(QStringLiteral("icon.png"), {32, 32}, ARGB, {Red, Clear, Black, White}, 16, {}, true);
    for (const int side : {48, 128, 256})
        add(QStringLiteral("icon-%1.png").arg(side), {side, side}, ARGB, {Red, Clear, Black, White},
            16, {}, false);
    add(QStringLiteral("about_logo.png"), {258, 45}, QImage::Format_Indexed8, {White}, 256, {},
        true);
    add(QStringLiteral("about_icon_32.png"), {32, 32}, ARGB, {Yellow, Clear, Black}, 16, {}, false);
    add(QStringLiteral("about_icon_16.png"), {16, 16}, ARGB, {Yellow, Clear, Black}, 16, {}, false);
    // The pointer's tip, its hot spot (12, 9), is the topmost pixel drawn.
    add(QStringLiteral("hand_cursor.png"), {32, 32}, ARGB, {Black, Clear, White}, 3,
        QRect(QPoint(5, 9), QPoint(23, 30)), false);
}

void TestImages::picture() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QImage::Format, format);
    QFETCH(QList<QRgb>, colours);
    QFETCH(int, most);
    QFETCH(QRect, ink);
    const QImage image(qEnvironmentVariable("ZF_SOURCE_DIR") + QStringLiteral("/resources/") +
                       name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), format);
    QSet<QRgb> seen;
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            seen.insert(colourAt(image, x, y));
            if (colourAt(image, x, y) == colours.first())
                found |= QRect(x, y, 1, 1);
        }
    for (const QRgb colour : colours)
        QVERIFY2(seen.contains(colour), qPrintable(QString::number(colour, 16)));
    QVERIFY2(seen.size() <= most, qPrintable(QString::number(seen.size())));
    if (!ink.isNull())
        QCOMPARE(found, ink);
    if (name.startsWith(QLatin1String("card"))) {
        // Rounded corners on the window's colour, a thin outline top and left, a thick shadow
        // right and bottom.
        const int s = size.width() / 214, w = size.width() - 1, h = size.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            QCOMPARE(colourAt(image, corner.x(), corner.y()), Face);
        QCOMPARE(colourAt(image, w / 2, 1 * s), Black);
        QCOMPARE(colourAt(image, w / 2, 2 * s), White);
        QCOMPARE(colourAt(image, w - 5 * s, h / 2), Black);
        QCOMPARE(colourAt(image, w - 6 * s, h / 2), White);
        QCOMPARE(colourAt(image, w / 2, h - 4 * s), Black);
        QCOMPARE(colourAt(image, w / 2, h - 5 * s), White);
    }
}

QTEST_GUILESS_MAIN(TestImages)
#include "test_images.moc"

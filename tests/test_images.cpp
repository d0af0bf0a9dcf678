// The pictures kept in resources/ (drawn by tools/imagegen): sizes, colours and the pixel
// extents the windows lay themselves out around.

#include <QFile>
#include <QImage>
#include <QRect>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

constexpr QRgb kClear = 0; // every fully transparent pixel counts as this
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kFace = qRgb(212, 208, 200);

const QStringList kOperators = {QStringLiteral("op_add.png"), QStringLiteral("op_sub.png"),
                                QStringLiteral("op_mul.png"), QStringLiteral("op_div.png")};

QString doubled(QString name) {
    return name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

QString pathOf(const QString &name) {
    return qEnvironmentVariable("ZF_SOURCE_DIR") + QStringLiteral("/resources/") + name;
}

QRgb colourAt(const QImage &image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return qAlpha(pixel) == 0 ? kClear : pixel;
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(qEnvironmentVariableIsSet("ZF_SOURCE_DIR"), "no source"); }

    void sizeAndFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QImage::Format>("format");
        const auto add = [](const QString &name, QSize size, QImage::Format format, bool both) {
            QTest::newRow(qPrintable(name)) << name << size << format;
            if (both)
                QTest::newRow(qPrintable(doubled(name))) << doubled(name) << size * 2 << format;
        };
        add(QStringLiteral("card.png"), {214, 277}, QImage::Format_RGB32, true);
        for (const QString &op : kOperators)
            add(op, {39, 38}, QImage::Format_RGB32, true);
        add(QStringLiteral("icon.png"), {32, 32}, QImage::Format_ARGB32, true);
        for (const int side : {48, 128, 256})
            add(QStringLiteral("icon-%1.png").arg(side), {side, side}, QImage::Format_ARGB32,
                false);
        add(QStringLiteral("about_logo.png"), {258, 45}, QImage::Format_Indexed8, true);
        add(QStringLiteral("about_icon_32.png"), {32, 32}, QImage::Format_ARGB32, false);
        add(QStringLiteral("about_icon_16.png"), {16, 16}, QImage::Format_ARGB32, false);
        add(QStringLiteral("hand_cursor.png"), {32, 32}, QImage::Format_ARGB32, false);
    }

    void sizeAndFormat() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QImage::Format, format);
        const QImage image(pathOf(name));
        QVERIFY2(!image.isNull(), qPrintable(pathOf(name)));
        QCOMPARE(image.size(), size);
        QCOMPARE(image.format(), format);
    }

    // Each listed colour is there and there are at most `most` in all; where `most` is the
    // length of the list, the picture uses exactly those colours.
    void colours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<QRgb>>("colours");
        QTest::addColumn<int>("most");
        const auto add = [](const QString &name, const QList<QRgb> &colours, int most) {
            QTest::newRow(qPrintable(name)) << name << colours << most;
        };
        for (const QString &name : {QStringLiteral("card.png"), doubled("card.png")})
            add(name, {kFace, kWhite, kBlack}, 3);
        for (const QString &op : kOperators)
            for (const QString &name : {op, doubled(op)})
                add(name, {kBlue, kWhite}, 2);
        for (const char *icon :
             {"icon.png", "icon@2x.png", "icon-48.png", "icon-128.png", "icon-256.png"})
            add(QString::fromLatin1(icon), {kClear, kBlack, kWhite, kRed}, 16);
        for (const char *icon : {"about_icon_32.png", "about_icon_16.png"})
            add(QString::fromLatin1(icon), {kClear, kBlack, kYellow}, 16);
        add(QStringLiteral("hand_cursor.png"), {kClear, kBlack, kWhite}, 3);
        add(QStringLiteral("about_logo.png"), {kWhite}, 256);
    }

    void colours() {
        QFETCH(QString, name);
        QFETCH(QList<QRgb>, colours);
        QFETCH(int, most);
        const QImage image(pathOf(name));
        QVERIFY(!image.isNull());
        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                seen.insert(colourAt(image, x, y));
        for (const QRgb colour : colours)
            QVERIFY2(seen.contains(colour),
                     qPrintable(QStringLiteral("missing colour #%1").arg(colour, 8, 16)));
        QVERIFY2(seen.size() <= most, qPrintable(QString::number(seen.size())));
    }

    // The pixels that the shapes' stated ranges and the windows' layout depend on.
    void pixel_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        const auto add = [](const char *file, const QList<QPoint> &points, QRgb colour) {
            for (const QPoint &p : points)
                QTest::addRow("%s (%d,%d)", file, p.x(), p.y())
                    << QString::fromLatin1(file) << p << colour;
        };
        add("card.png", {{0, 0}, {213, 0}, {0, 276}, {213, 276}}, kFace);
        add("card.png", {{107, 138}, {107, 2}, {1, 138}, {207, 138}, {107, 271}}, kWhite);
        add("card.png", {{107, 1}, {0, 138}, {208, 138}, {213, 138}, {107, 272}}, kBlack);
        add("op_div.png", {{15, 3}, {21, 10}, {15, 25}, {21, 32}}, kBlue);
        add("op_div.png", {{18, 12}, {18, 23}, {14, 5}, {22, 30}}, kWhite);
        add("op_mul.png", {{2, 1}, {36, 1}, {2, 35}, {36, 35}, {19, 18}}, kBlue);
        add("op_mul.png", {{19, 2}, {3, 18}, {35, 18}, {19, 34}}, kWhite);
        add("icon.png", {{0, 0}, {31, 0}, {0, 31}, {31, 31}}, kClear);
        add("hand_cursor.png", {{12, 9}}, kBlack); // the hot spot is the finger's tip
        add("hand_cursor.png", {{12, 8}, {0, 0}, {31, 31}}, kClear);
        add("about_icon_32.png", {{0, 0}, {31, 31}}, kClear);
        add("about_icon_32.png", {{8, 16}}, kYellow);
    }

    void pixel() {
        QFETCH(QString, name);
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        const QImage image(pathOf(name));
        QVERIFY(!image.isNull());
        QCOMPARE(colourAt(image, at.x(), at.y()), colour);
    }

    // The smallest rectangle holding every pixel of the colour: no stray ink anywhere.
    void inkBounds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QRect>("bounds");
        const auto add = [](const QString &name, QRgb colour, QPoint from, QPoint to) {
            QTest::newRow(qPrintable(name)) << name << colour << QRect(from, to);
            QTest::newRow(qPrintable(doubled(name)))
                << doubled(name) << colour << QRect(from * 2, to * 2 + QPoint(1, 1));
        };
        add(QStringLiteral("op_add.png"), kBlue, {4, 4}, {32, 31});
        add(QStringLiteral("op_sub.png"), kBlue, {4, 15}, {32, 20});
        add(QStringLiteral("op_div.png"), kBlue, {4, 3}, {32, 32});
        add(QStringLiteral("op_mul.png"), kBlue, {2, 1}, {36, 35});
        // The pointer's tip, its hot spot, is the topmost pixel drawn.
        QTest::newRow("hand_cursor.png")
            << QStringLiteral("hand_cursor.png") << kBlack << QRect(QPoint(5, 9), QPoint(23, 30));
    }

    void inkBounds() {
        QFETCH(QString, name);
        QFETCH(QRgb, colour);
        QFETCH(QRect, bounds);
        const QImage image(pathOf(name));
        QVERIFY(!image.isNull());
        QRect found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (colourAt(image, x, y) == colour)
                    found |= QRect(x, y, 1, 1);
        QCOMPARE(found, bounds);
    }

    void scalableIconIsSquareSvg() {
        QFile file(pathOf(QStringLiteral("icon.svg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QLatin1String("svg"));
        const auto box = xml.attributes().value(QLatin1String("viewBox")).split(u' ');
        QCOMPARE(box.size(), 4);
        QVERIFY(box[2].toDouble() > 0 && box[2].toDouble() == box[3].toDouble());
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }
};

QTEST_GUILESS_MAIN(TestImages)
#include "test_images.moc"

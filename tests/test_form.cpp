// The pictures the windows are drawn with, and the error path every handler runs in.

#include "app/error_path.h"
#include "app/font_preload.h"
#include "form/built_in_pictures.h"
#include "form/deferred_icons.h"
#include "form/design_colours.h"
#include "form/form_kit.h"
#include "form/image_list.h"
#include "form/resource_images.h"

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <atomic>
#include <thread>
#include <unistd.h>

constexpr QRgb Clear = 0; // every fully transparent pixel counts as this
constexpr QRgb White = qRgb(255, 255, 255), Black = qRgb(0, 0, 0), Blue = qRgb(0, 0, 255),
               Red = qRgb(255, 0, 0), Yellow = qRgb(255, 255, 0), Face = qRgb(212, 208, 200);

class TestForm : public QObject {
    Q_OBJECT
    // A handler that throws the program's own error, or with nothing to say something else.
    void fail(const QString &says) {
        says.isEmpty() ? throw 42 : throw std::runtime_error(says.toStdString());
    }

private Q_SLOTS:
    // A fixed surface and what stands on it, active or not: the scheme's colours by role, the
    // classic navy selection, grey disabled text on the surface itself.
    void fixedSurfaceColours() {
        const ColourScheme scheme{QColor(1, 1, 1), QColor(2, 2, 2), QColor(3, 3, 3),
                                  QColor(4, 4, 4), QColor(5, 5, 5)};
        const QColor surface(6, 6, 6), grey(128, 128, 128);
        const QPalette p = FixedSurfacePalette(surface, scheme);
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            QCOMPARE(
                (QList<QColor>{p.color(group, QPalette::Window), p.color(group, QPalette::Button),
                               p.color(group, QPalette::WindowText),
                               p.color(group, QPalette::ButtonText), p.color(group, QPalette::Text),
                               p.color(group, QPalette::Base), p.color(group, QPalette::Highlight),
                               p.color(group, QPalette::HighlightedText)}),
                (QList<QColor>{surface, QColor(4, 4, 4), QColor(5, 5, 5), QColor(5, 5, 5),
                               QColor(2, 2, 2), QColor(1, 1, 1), QColor(0, 0, 128), Qt::white}));
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            QCOMPARE(p.color(QPalette::Disabled, role), grey);
        QCOMPARE(p.color(QPalette::Disabled, QPalette::Base), surface);
        // A button on it that follows the desktop's scheme takes none of the surface's colours.
        QWidget onSurface;
        onSurface.setPalette(p);
        auto *button = new QPushButton(&onSurface);
        FollowDesktopScheme(button);
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (const auto role : {QPalette::WindowText, QPalette::Button, QPalette::ButtonText})
                QCOMPARE(button->palette().color(group, role),
                         QApplication::palette(button).color(group, role));
    }

    // The kit grows the whole design, in steps of a quarter twip, until every text and its
    // margins fit its box, and no further; the client area grows with it.
    void formKitGrowsUntilTextsFit_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("fits as designed") << "OK" << 10;
        QTest::newRow("too wide") << "A caption much wider than its box" << 10;
        QTest::newRow("too tall") << "OK" << 30;
    }
    void formKitGrowsUntilTextsFit() {
        QFETCH(QString, text);
        QFETCH(int, pixelSize);
        QWidget client;
        auto *button = new QPushButton(&client);
        button->setObjectName("cmdOK");
        QFont font = button->font();
        font.setPixelSize(pixelSize);
        button->setFont(font);
        const DesignedControl controls[] = {{"cmdOK", 120, 120, 900, 375}};
        FormKit kit(&client, {1200, 615}, controls, {});
        kit.Fit(button, text, TwipLayout::ButtonMargin);
        const double twips = kit.Place().TwipsEachPixel();
        const QSize need = button->fontMetrics().size(Qt::TextSingleLine, text) + QSize(8, 8);
        const auto fits = [&](double at) {
            const TwipLayout layout(at);
            return layout.Pixels(900) >= need.width() && layout.Pixels(375) >= need.height();
        };
        QVERIFY(fits(twips) && (twips == TwipsPerPixel || !fits(twips + 0.25)));
        QCOMPARE(button->geometry(), TwipLayout(twips).Rect(120, 120, 900, 375));
        QCOMPARE(client.size(), TwipLayout(twips).Rect(0, 0, 1200, 615).size());
        QCOMPARE(twips == TwipsPerPixel,
                 QTest::currentDataTag() == QLatin1String("fits as designed"));
    }

    // The first text is measured only once fontconfig's load is over, however long it takes.
    void fontPreloadWaitsForTheLoad() {
        static std::atomic<bool> loaded = false;
        FontPreload preload([] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            loaded = true;
        });
        preload.Wait();
        QVERIFY(loaded);
    }

    void unknownPictureKeysRaise() {
        ImageList images;
        for (const char *unknown : {"", "a", "X", "AS"})
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, images.Image(unknown));
    }

    // The pictures in resources/, drawn by tools/imagegen: size, format, colours, where ink
    // lies; the operator pictures also as the keyed list hands them out.
    void pictures_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QList<QRgb>>("colours"); // all there; with `most` equal to their number,
        QTest::addColumn<int>("most");            // the only ones
        QTest::addColumn<QRect>("ink");   // the bounds of the first colour; empty: unchecked
        QTest::addColumn<QString>("key"); // where the keyed list holds it
        // Each row is named by its file; a doubled one also by its @2x twin, twice as large.
        const auto add = [](QString name, QSize size, QImage::Format format,
                            const QList<QRgb> &colours, int most, bool doubled, QRect ink = {},
                            const char *key = "") {
            for (int scale = 1; scale <= (doubled ? 2 : 1); ++scale) {
                QTest::newRow(qPrintable(name)) << size * scale << format << colours << most
                                                << QRect(ink.topLeft() * scale, ink.size() * scale)
                                                << QString(scale == 1 ? key : "");
                name.insert(name.lastIndexOf(u'.'), QStringLiteral("@2x"));
            }
        };
        const auto RGB = QImage::Format_RGB32, ARGB = QImage::Format_ARGB32;
        add("card.png", {214, 277}, RGB, {Face, White, Black}, 3, true);
        add("op_add.png", {39, 38}, RGB, {Blue, White}, 2, true, {4, 4, 29, 28}, "A");
        add("op_sub.png", {39, 38}, RGB, {Blue, White}, 2, true, {4, 15, 29, 6}, "S");
        add("op_div.png", {39, 38}, RGB, {Blue, White}, 2, true, {4, 3, 29, 30}, "D");
        add("op_mul.png", {39, 38}, RGB, {Blue, White}, 2, true, {2, 1, 35, 35}, "M");
        add("icon.png", {32, 32}, ARGB, {Red, Clear, Black, White}, 16, true);
        for (const int side : {48, 128, 256})
            add(QString("icon-%1.png").arg(side), {side, side}, ARGB, {Red, Clear, Black, White},
                16, false);
        add("about_logo.png", {258, 45}, QImage::Format_Indexed8, {White}, 256, true);
        add("about_icon_32.png", {32, 32}, ARGB, {Yellow, Clear, Black}, 16, false);
        add("about_icon_16.png", {16, 16}, ARGB, {Yellow, Clear, Black}, 16, false);
        // The pointer's tip, its hot spot (12, 9), is the topmost pixel drawn.
        add("hand_cursor.png", {32, 32}, ARGB, {Black, Clear, White}, 3, false, {5, 9, 19, 22});
    }

    void pictures() {
        QFETCH(QList<QRgb>, colours);
        QFETCH(int, most);
        QFETCH(QRect, ink);
        QFETCH(QString, key);
        const QString name = QTest::currentDataTag();
        const QImage image(qEnvironmentVariable("ZF_SOURCE_DIR") + "/resources/" + name);
        QTEST(image.size(), "size"); // a missing file has no size
        QTEST(image.format(), "format");
        const auto at = [&](QPoint p) { return qAlpha(image.pixel(p)) ? image.pixel(p) : Clear; };
        QSet<QRgb> seen;
        QRect found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                seen.insert(at({x, y}));
                found |= at({x, y}) == colours.first() ? QRect(x, y, 1, 1) : QRect();
            }
        QVERIFY(seen.contains(QSet(colours.begin(), colours.end())));
        QVERIFY2(seen.size() <= most, qPrintable(QString::number(seen.size())));
        if (!ink.isNull())
            QCOMPARE(found, ink);
        if (!key.isEmpty()) {
            ImageList images;
            const QPixmap &pixmap = images.Image(key);
            QCOMPARE(pixmap.toImage(), image.convertToFormat(pixmap.toImage().format()));
            QCOMPARE(images.Image(key).cacheKey(), pixmap.cacheKey()); // decoded once
        }
        if (!name.startsWith(QLatin1String("card")))
            return;
        // Round corners on the window's colour, a thin outline on top, a thick shadow right, below.
        const int s = image.width() / 214, w = image.width() - 1, h = image.height() - 1;
        QList<QRgb> got;
        for (const QPoint p :
             {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h), QPoint(w / 2, s),
              QPoint(w / 2, 2 * s), QPoint(w - 5 * s, h / 2), QPoint(w - 6 * s, h / 2),
              QPoint(w / 2, h - 4 * s), QPoint(w / 2, h - 5 * s)})
            got << at(p);
        QCOMPARE(got, QList<QRgb>(4, Face) << Black << White << Black << White << Black << White);
    }

    // The pictures built in ready to draw are those of resources/, pixel for pixel, drawn from
    // where they are built in (not copied); any other is decoded from the resources.
    void builtInPicturesAreTheirPngs() {
        for (std::size_t i = 0; i < BuiltInPictureCount; ++i) {
            const QString path = QString::fromLatin1(BuiltInPictures[i].path);
            const QImage png(qEnvironmentVariable("ZF_SOURCE_DIR") + "/resources/" + path.mid(2)),
                shown = ResourcePixmap(path).toImage();
            QVERIFY2(!png.isNull() && shown.hasAlphaChannel() == png.hasAlphaChannel() &&
                         shown == png.convertToFormat(shown.format()),
                     qPrintable(path));
            QCOMPARE(static_cast<const void *>(shown.constBits()), BuiltInPictures[i].pixels);
        }
        QCOMPARE(ResourcePixmap(QStringLiteral(":/about_icon_16.png")).size(), QSize(16, 16));
        QCOMPARE(ProgramIcon().availableSizes(), (QList<QSize>{{32, 32}, {64, 64}, {128, 128}}));
        QVERIFY(ResourcePixmap(":/none.png").isNull() && !ResourceExists(":/none.png"));
    }

    // Whatever a handler throws is shown, and the program ends with a failure status; when
    // showing it fails too, it is still said on the error output, and the program still ends.
    void unexpectedErrorIsShownAndEndsTheProgram_data() {
        QTest::addColumn<QString>("says"); // empty: something else than the program's own error
        QTest::addColumn<bool>("showingFails");
        // Failing first: the rows after it meet the reporter it has put back.
        QTest::newRow("runtime error, showing it fails") << "Overflow" << true;
        QTest::newRow("runtime error") << "Overflow" << false;
        QTest::newRow("anything else") << "" << false;
    }
    void unexpectedErrorIsShownAndEndsTheProgram() {
        QFETCH(QString, says);
        QFETCH(bool, showingFails);
        if (showingFails)
            ErrorPath::SetReporter([](const QString &) { throw std::bad_alloc(); });
        QWidget window; // nothing of the program stays on the screen
        window.show();
        QString shown;
        QTimer closer;
        closer.callOnTimeout(&closer, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                shown = box->text(), box->accept();
        });
        closer.start(10);
        QTimer::singleShot(0, this, [&] { ErrorPath::Guarded(this, &TestForm::fail)(says); });
        QTimer::singleShot(10000, this, [] { QCoreApplication::exit(99); }); // never hang
        QTemporaryFile printed; // and said on the error output, once
        QVERIFY(printed.open());
        const int errors = dup(STDERR_FILENO);
        dup2(printed.handle(), STDERR_FILENO);
        const int status = QApplication::exec();
        dup2(errors, STDERR_FILENO);
        close(errors);
        ErrorPath::ResetReporter();
        QCOMPARE(status, 1); // a failure, whatever the code calls it
        QVERIFY(ErrorPath::HasFailed() && (showingFails || shown.contains(says)));
        QCOMPARE(shown.isEmpty() || !window.isHidden(), showingFails);
        QVERIFY(printed.seek(0)); // the writes moved the offset it shares
        const QString told = showingFails ? says : shown.section("\n\n", 0, 0);
        QCOMPARE(printed.readAll(), "Zembrofact: " + told.toUtf8() + '\n');
    }

    // The deferred style's extension arrow, and its other icons, are the style's own, in every
    // mode and at every device pixel ratio; a menu bar made under it fetches its overflow arrow
    // only when it is drawn, and once however often it is drawn.
    void deferredArrowsAreTheStylesOwnWhenDrawn() {
        DeferredIconStyle style;
        for (const auto &[icon, direction] :
             {std::pair(QStyle::SP_ToolBarHorizontalExtensionButton, Qt::LeftToRight),
              std::pair(QStyle::SP_ToolBarHorizontalExtensionButton, Qt::RightToLeft),
              std::pair(QStyle::SP_ArrowUp, Qt::LeftToRight)}) {
            QStyleOption option; // the arrow points the way the text runs
            option.direction = direction;
            const QIcon deferred = style.standardIcon(icon, &option),
                        own = style.baseStyle()->standardIcon(icon, &option);
            QVERIFY(!deferred.isNull() && deferred.availableSizes() == own.availableSizes());
            QCOMPARE(deferred.actualSize(QSize(32, 32)), own.actualSize(QSize(32, 32)));
            const auto painted = [](const QIcon &drawn) {
                QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::transparent);
                {
                    QPainter painter(&image);
                    drawn.paint(&painter, image.rect());
                }
                return image;
            };
            QCOMPARE(painted(deferred), painted(own));
            for (const qreal ratio : {1.0, 1.5, 2.0})
                for (const auto mode : {QIcon::Normal, QIcon::Disabled}) {
                    const QPixmap got = deferred.pixmap(QSize(16, 16), ratio, mode),
                                  want = own.pixmap(QSize(16, 16), ratio, mode);
                    QVERIFY(got.devicePixelRatio() == want.devicePixelRatio() &&
                            got.toImage() == want.toImage());
                }
        }
        struct Counting : QProxyStyle {
            int *fetched;
            explicit Counting(int *count) : fetched(count) {}
            QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                               const QWidget *widget) const override {
                ++*fetched;
                return QProxyStyle::standardIcon(icon, option, widget);
            }
        };
        int fetched = 0;
        QApplication::setStyle(new DeferredIconStyle(new Counting(&fetched)));
        QMenuBar bar;
        for (const char *menu : {"File", "Tools", "Help"})
            bar.addMenu(QString::fromLatin1(menu));
        auto *overflow = bar.findChild<QToolButton *>();
        QVERIFY(overflow && !overflow->icon().isNull());
        QCOMPARE(fetched, 0);
        // (From Qt 6.8 on the style's own arrow may differ by a shade from one drawing to the
        // next: what the copies draw is not compared.)
        for (const QIcon &drawn : {overflow->icon(), overflow->icon(), QIcon(overflow->icon())})
            QVERIFY(!drawn.pixmap(16).isNull());
        QCOMPARE(fetched, 1);
    }
};

QTEST_MAIN(TestForm)
#include "test_form.moc"

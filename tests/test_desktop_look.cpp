// Both windows on the desktops people have: languages, fonts, colour schemes, placement. Also
// run on X (Xvfb with openbox) and Wayland (headless Weston) through tests/on_display.sh.

#include "about_window/frm_about.h"
#include "app/translation.h"
#include "form/deferred_icons.h"
#include "form/design_colours.h"
#include "scripted_random.h"
#include "window_probe.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDirIterator>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <functional>
#include <utility>

namespace {

const QString Root = qEnvironmentVariable("ZF_SOURCE_DIR");
// In a catalogue: unfinished, vanished or obsolete texts, empty translations, a %1 left out.
const QRegularExpression Broken("type=|<translation></|%1[^<]*</source>\\s*<translation>[^%<]*<");

QString read(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The languages the program speaks besides the design's English, from translations/.
QStringList catalogues() {
    QStringList languages;
    for (const QString &ts : QDir(Root + "/translations").entryList({"zembrofact_*.ts"}))
        languages << ts.mid(11).chopped(3);
    return languages;
}

// Names every text of the windows, as they stand, that is cut horizontally or vertically, by
// its box or by the window's edge: labels, buttons (a radio button's text beside its mark) and
// menu-bar titles.
QStringList cutTexts(const QList<QWidget *> &windows) {
    QStringList cut;
    const auto check = [&](const QWidget *w, const QString &text, QSize need, QRect room) {
        room &= QRect(w->mapFrom(w->window(), QPoint()), w->window()->size());
        if (!w->isHidden() && (need.width() > room.width() || need.height() > room.height()))
            cut << w->objectName() + u' ' + text;
    };
    for (QWidget *window : windows) {
        for (const QLabel *l : window->findChildren<QLabel *>())
            check(l, l->text(), l->fontMetrics().size(0, l->text()), l->contentsRect());
        for (const QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
            const QSize framed = b->fontMetrics().size(0, b->text()) + QSize(8, 8);
            check(b, b->text(), b->inherits("QRadioButton") ? b->sizeHint() : framed, b->rect());
        }
        for (QMenuBar *bar : window->findChildren<QMenuBar *>())
            for (QAction *title : bar->actions()) {
                const QRect g = bar->actionGeometry(title);
                check(bar, title->text(), bar->fontMetrics().size(0, title->text()),
                      bar->rect().contains(g) ? g : QRect());
            }
    }
    return cut;
}

// Where the design puts each control, in twips: the card's own on the card; About's last.
const std::pair<const char *, QRect> Designed[] = {{"cmdNextCard", {4080, 3840, 1215, 495}},
                                                   {"cmdChoice4", {3960, 5280, 855, 495}},
                                                   {"cmdChoice3", {2760, 5280, 855, 495}},
                                                   {"cmdChoice2", {1560, 5280, 855, 495}},
                                                   {"cmdChoice1", {360, 5280, 855, 495}},
                                                   {"optOperation(3)", {4200, 2880, 1815, 495}},
                                                   {"optOperation(2)", {4200, 2355, 1815, 495}},
                                                   {"optOperation(1)", {4200, 1845, 1815, 495}},
                                                   {"optOperation(0)", {4200, 1320, 1815, 495}},
                                                   {"Picture1", {360, 360, 3210, 4155}},
                                                   {"pctOperand", {720, 1680, 700, 700}},
                                                   {"Shape2", {480, 2880, 2175, 855}},
                                                   {"lblAnswer", {480, 2880, 2175, 855}},
                                                   {"lblBottomNum", {1200, 1560, 1455, 855}},
                                                   {"lblTopNum", {720, 600, 1935, 855}},
                                                   {"lbllimit", {3600, 6000, 1215, 255}},
                                                   {"lblCorrectCount", {480, 6000, 1215, 255}},
                                                   {"lblIncorrectCount", {2040, 6000, 1215, 255}},
                                                   {"picIcon", {0, 90, 3870, 675}},
                                                   {"cmdOK", {4605, 2595, 900, 375}},
                                                   {"lblURL", {240, 900, 1695, 255}},
                                                   {"lblDescription", {120, 2760, 4215, 315}},
                                                   {"lblTitle", {30, 1680, 5625, 420}}};

double luminance(QColor c) {
    const auto lin = [](double v) { return v < .04 ? v / 12.92 : pow((v + .055) / 1.055, 2.4); };
    return .2126 * lin(c.redF()) + .7152 * lin(c.greenF()) + .0722 * lin(c.blueF()) + .05;
}
double contrast(QColor a, QColor b) {
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// What a control is drawn on: the nearest surface filled behind it.
QColor surfaceOf(const QWidget *w) {
    while (!w->autoFillBackground() && !w->isWindow())
        w = w->parentWidget();
    if (w->inherits("frmAbout")) // paints its own surface white
        return Qt::white;
    return w->palette().color(w->backgroundRole());
}

} // namespace

class TestDesktopLook : public QObject {
    Q_OBJECT
    ScriptedRandom random_{{JustBelowOne}}; // deals the last card of a deck: 12 x 12
    const QFont toolkitDefault_ = QApplication::font();

private Q_SLOTS:
    void initTestCase() {
        FailOnUnexpectedErrors();
        UseDeferredIconStyle(); // as the program starts
    }
    void cleanup() {
        QLocale::setDefault(QLocale::c());
        Translation::Install(QLocale::c());
        QApplication::setFont(toolkitDefault_);
        QApplication::setPalette(QPalette());
    }

    void noTextIsCut_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("speaks"); // some texts in the language, if checked
        const std::tuple<const char *, const char *, int> fonts[] = {
            {"toolkit default", "Noto Sans", 0},
            {"GNOME: Cantarell 11", "Cantarell", 11},
            {"KDE: Noto Sans 10", "Noto Sans", 10},
            {"Xfce: DejaVu Sans 9", "DejaVu Sans", 9}, // "Wrong: 32768" needs more than 15
            {"Xfce: DejaVu Sans 10", "DejaVu Sans", 10},
            {"large: DejaVu Sans 12", "DejaVu Sans", 12},
            {"larger: DejaVu Sans 14", "DejaVu Sans", 14},
            {"monospace fallback", "DejaVu Sans Mono", 10},
            // Laid out at about a twip to the pixel, where every twip of the design shows.
            {"magnified: DejaVu Sans 120", "DejaVu Sans", 120}};
        // Where no catalogue is, the design's English; in every language plain digits.
        const QString english = "Next Card|multiplication|Sorry. The correct answer is 144 .|32768",
                      german = "Weiter|Multiplikation|Leider falsch. Richtig ist 144.|32768";
        const QStringList catalogueless{"C", "en_GB", "ar_EG"};
        for (const QString &language :
             catalogueless + catalogues() +
                 QStringList{"long option", "long Next Card", "long verdict", "long right verdict"})
            for (const auto &[name, family, points] : fonts)
                if (points < 120 || language == QLatin1String("C"))
                    QTest::addRow("%s, %s", qPrintable(language), name)
                        << language << family << points
                        << (language == "de"                   ? german
                            : catalogueless.contains(language) ? english
                                                               : "");
    }
    void noTextIsCut() {
        QFETCH(QString, language);
        QLocale::setDefault(QLocale(language));
        Translation::Install(QLocale(language));
        // Texts as long as a language has them, one at a time so that each sets the scale: an
        // operation's name must not run past the window; a long Next Card or verdict widens it.
        struct LongTexts : QTranslator {
            QString language;
            bool isEmpty() const override { return false; }
            QString translate(const char *, const char *text, const char *, int) const override {
                const QByteArrayView source(text);
                if (language == "long option" && source == "multiplication")
                    return "Vermenigvuldigen";
                if (language == "long Next Card" && source == "Next Card")
                    return "Volgende kaart graag";
                if (language == "long Next Card" && source == "OK") // About's, on its own scale
                    return "Goed, nu sluiten graag";
                if (language == "long verdict" && source == "Sorry. The correct answer is %1 .")
                    return "Helaas, dat is niet goed. Het goede antwoord op deze kaart is %1.";
                if (language == "long right verdict" && source == "That's correct!")
                    return "Heel goed gedaan, dat is helemaal het goede antwoord!";
                return {};
            }
        } longTexts;
        longTexts.language = language;
        if (language.startsWith(QLatin1String("long ")))
            QCoreApplication::installTranslator(&longTexts);
        QFETCH(QString, family);
        QFETCH(int, points);
        if (points)
            QApplication::setFont(QFont(family, points));
        QCOMPARE(QFontInfo(QApplication::font()).family(), family);
        frmMain w(&random_, {32767, 32767});
        WindowProbe p(w);
        w.show(); // lays the menu bar out
        QStringList cut = cutTexts({&w});
        // Then the widest texts: the verdict on 12 x 12, scores of five figures, the range.
        p.selectOperation(2);
        p.trigger(QStringLiteral("mnuRange012"));
        p.clickChoice(language == "long right verdict" ? 4 : 1); // the answer is on button 4
        frmAbout about(&w, w.Layout().TwipsEachPixel());
        cut << cutTexts({&w, &about});
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
        const QString shown =
            QStringList{p.button("cmdNextCard")->text(), p.option(2)->text(),
                        p.text("lblConfirmation"), p.text("lblIncorrectCount").section(' ', -1)}
                .join('|');
        QCOMPARE(p.text("lblAnswer"), "144");
        if (QFETCH(QString, speaks); !speaks.isEmpty())
            QCOMPARE(shown, speaks);

        const double twips = w.Layout().TwipsEachPixel();
        if (language == QLatin1String("C")) // the design's scale holds for the toolkit's font
            QCOMPARE(twips == 15.0, points == 0);
        QCOMPARE(w.centralWidget()->size(), QSize(qRound(5925 / twips), qRound(6345 / twips)));
        const double aboutTwips = about.Layout().TwipsEachPixel();
        QCOMPARE(about.size(), QSize(qRound(5730 / aboutTwips), qRound(3135 / aboutTwips)));
        // Every control where the design puts it, at its window's scale; the verdict, widened
        // for its text, about its designed centre and inside the window.
        for (const auto &[name, box] : Designed) {
            const QWidget *control = w.centralWidget()->findChild<QWidget *>(name);
            const double t = control ? twips : about.Layout().TwipsEachPixel();
            QCOMPARE((control ? control : about.findChild<QWidget *>(name))->geometry(),
                     QRect(qRound(box.x() / t), qRound(box.y() / t), qRound(box.width() / t),
                           qRound(box.height() / t)));
        }
        // The rules from end to end of their lines, centred on them; they and the answer box's
        // outline thicken as the window grows, from their designed pixels.
        const auto thick = [](double twipsEach, int pixels) {
            return qMax(1, qRound(pixels * 15 / twipsEach));
        };
        for (const auto &[rule, t, x1, x2, y, pixels] :
             {std::tuple(w.centralWidget()->findChild<QWidget *>("Line1"), twips, 480, 2670, 2655,
                         5),
              std::tuple(about.findChild<QWidget *>("Line1"), about.Layout().TwipsEachPixel(), 60,
                         5609, 840, 2)}) {
            const int width = thick(t, pixels);
            QCOMPARE(rule->geometry(), QRect(qRound(x1 / t), qRound(y / t) - width / 2,
                                             qRound(x2 / t) - qRound(x1 / t) + 1, width));
        }
        QCOMPARE(p.get<QFrame>("Shape2")->lineWidth(), thick(twips, 1));
        // The card's numbers and pictures grow with the window, in proportion.
        const double f = w.Layout().Factor();
        QCOMPARE(p.label("lblTopNum")->font().pixelSize(), int(48 * f));
        QCOMPARE(p.label("Picture1")->pixmap().deviceIndependentSize().toSize(),
                 QSize(qRound(214 * f), qRound(277 * f)));
        QCOMPARE(p.label("pctOperand")->pixmap().deviceIndependentSize().toSize(),
                 QSize(qRound(39 * f), qRound(38 * f)));
        const QRect verdict = p.get("lblConfirmation")->geometry();
        QVERIFY(verdict.x() + verdict.width() / 2 == qRound((720 + 2415 / 2) / twips) &&
                verdict.top() == qRound(4680 / twips) && verdict.height() == qRound(255 / twips) &&
                verdict.width() >= qRound(2415 / twips));
        QVERIFY(
            w.centralWidget()->rect().adjusted(1, 0, -1, 0).contains(verdict)); // not edge to edge
    }

    void everyCatalogueHoldsTheProgramsTexts() {
        QTemporaryDir dir;
        for (QDirIterator ts(Root + "/translations", {"*.ts"}); ts.hasNext();) {
            const QString copy = dir.filePath(QFileInfo(ts.next()).fileName());
            // lupdate adds the program's texts a catalogue lacks and drops those it no longer has.
            QVERIFY(QFile::copy(ts.filePath(), copy) &&
                    QProcess::execute(ZF_LUPDATE, {"-silent", "-locations", "none", "-no-obsolete",
                                                   Root + "/src", "-ts", copy}) == 0);
            QCOMPARE(read(copy).split('\n'), read(ts.filePath()).split('\n'));
            QVERIFY2(!read(copy).contains(Broken), qPrintable(ts.filePath()));
        }
    }

    // A region without a catalogue of its own reads its language's.
    void regionsReadTheirLanguagesCatalogue() {
        for (const char *region : {"de_AT", "pt_PT"}) {
            QVERIFY2(Translation::Install(QLocale(region)), region);
            QVERIFY(QCoreApplication::translate("frmMain", "Next Card") != "Next Card");
        }
    }

    // What the design's English does that a translation must not: four words for the two
    // counters, a space before the verdict's full stop; and numbers in the card's own digits.
    void cataloguesWriteTheirLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const QString &language : catalogues())
            QTest::newRow(qPrintable(language)) << language;
    }
    void cataloguesWriteTheirLanguage() {
        QFETCH(QString, language);
        QVERIFY(Translation::Install(QLocale(language)));
        const auto says = [](const char *text) {
            return QCoreApplication::translate("frmMain", text);
        };
        // The toolkit's own texts (its dialogs' buttons) too, where it has a catalogue.
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" +
                          language + ".qm"))
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel");
        QCOMPARE(says("Right: %1").arg(0), says("Correct: 0"));
        QCOMPARE(says("Wrong: %1").arg(0), says("Incorrect: 0"));
        QFile ts(Root + "/translations/zembrofact_" + language + ".ts");
        QVERIFY(ts.open(QIODevice::ReadOnly));
        for (QXmlStreamReader xml(&ts); !xml.atEnd();) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"translation")
                continue;
            const QString text = xml.readElementText();
            // A plain space before . ! ? : is a typo everywhere; French sets a no-break one.
            QVERIFY2(!text.contains(QRegularExpression(" [.!?:]")), qPrintable(text));
            for (const QChar c : text)
                QVERIFY2(!c.isDigit() || c.unicode() <= '9', qPrintable(text));
        }
    }

    void textsStandOut_data() {
        QTest::addColumn<QPalette>("desktop");
        QTest::addColumn<bool>("distinctRoles"); // each role its own colour, to tell them apart
        QPalette dark(QColor(0x31, 0x36, 0x3b)), highContrast(Qt::black);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(0xfc, 0xfc, 0xfc)), highContrast.setColor(role, Qt::white);
        QTest::newRow("light") << QApplication::style()->standardPalette() << false;
        QTest::newRow("dark") << dark << false;
        QTest::newRow("high contrast") << highContrast << false;
        QTest::newRow("dark, distinct roles") << dark << true;
    }
    void textsStandOut() {
        QFETCH(QPalette, desktop);
        QFETCH(bool, distinctRoles);
        const ColourScheme scheme =
            distinctRoles ? ColourScheme{QColor(250, 250, 240), QColor(10, 20, 30),
                                         QColor(245, 240, 250), QColor(200, 210, 220), Qt::darkRed}
                          : ColourScheme{};
        QApplication::setPalette(desktop);
        frmMain w(&random_, {}, {}, scheme);
        const WindowProbe p(w);
        // Where the card's colours show, in window pixels: the surround in the window's colour,
        // the blue plus on the window background, yellow and green numbers (9 + 9), the rule and
        // the box's outline; no red while the answer hides.
        const QColor lines = scheme.windowText;
        const std::tuple<QRect, QColor, int> areas[] = {
            {{0, 0, 24, 24}, distinctRoles ? scheme.inactiveBorder : QColor(212, 208, 200), 576},
            {{72, 136, 47, 47}, Qt::blue, 100},
            {{118, 182, 1, 1}, scheme.windowBackground, 1},
            {{72, 64, 129, 57}, Qt::yellow, 100},
            {{72, 64, 60, 57}, Qt::white, 3420}, // the numbers stand right, on white
            {{120, 128, 30, 57}, Qt::white, 1710},
            {{104, 128, 97, 57}, Qt::green, 100},
            {{64, 199, 130, 5}, lines, 500},
            {{60, 216, 130, 1}, lines, 130},
            {{56, 216, 145, 57}, Qt::red, 0}};
        const QImage image = w.centralWidget()->grab().toImage();
        for (const auto &[area, colour, least] : areas) {
            int n = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    n += image.pixelColor(x, y) == colour;
            QVERIFY2(least ? n >= least : n == 0, qPrintable(colour.name()));
        }
        p.clickChoice(1); // the verdict and the answer show
        frmAbout about(&w, TwipsPerPixel, nullptr, {}, scheme);
        // Apart from the design's own pairs: yellow, green, red numbers on white, the navy link.
        const QList<QColor> designed{QColor(255, 255, 0), Qt::green, Qt::red, QColor(0, 0, 128)};
        for (const QWidget *c : w.findChildren<QWidget *>() + about.findChildren<QWidget *>()) {
            const bool desktops = c->inherits("QPushButton") || c->inherits("QMenuBar");
            const auto *l = qobject_cast<const QLabel *>(c);
            if (!(l && !l->text().isEmpty()) && !c->inherits("QAbstractButton") && !desktops)
                continue;
            const QColor text = c->palette().color(c->foregroundRole());
            const QColor own = desktop.color(c->palette().currentColorGroup(), c->foregroundRole());
            if (desktops) // drawn by the desktop in its own scheme
                QCOMPARE(text, own);
            else if (!designed.contains(text))
                QVERIFY2(contrast(text, surfaceOf(c)) >= 4.5, qPrintable(c->objectName()));
        }
        // The link and the options take the button-text role (not window text), the notice's
        // surface the title-bar text role, the logo's the window background.
        for (const QWidget *c : {about.findChild<QWidget *>("lblURL"), p.get("optOperation(0)")})
            QCOMPARE(c->palette().color(QPalette::WindowText), scheme.buttonText);
        QCOMPARE(surfaceOf(about.findChild<QWidget *>("lblDescription")), scheme.titleBarText);
        QCOMPARE(surfaceOf(about.findChild<QWidget *>("picIcon")), scheme.windowBackground);
        QCOMPARE(p.get("lbllimit")->palette().color(QPalette::WindowText), scheme.windowText);
        // About's own surface is white, whatever the desktop's scheme; its rule navy blue.
        const QRect rule = about.findChild<QWidget *>(QStringLiteral("Line1"))->geometry();
        const QImage aboutImage = about.grab().toImage();
        QCOMPARE(aboutImage.pixelColor(rule.center()), QColor(0, 0, 192));
        QCOMPARE(aboutImage.pixelColor(rule.center() + QPoint(0, 8)), QColor(Qt::white));
    }

    // Run at QT_SCALE_FACTOR 1, 1.5 and 2, and on X at 2 (see CMakeLists.txt).
    void picturesAndPointerStaySharp() {
        const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        frmMain w(&random_);
        frmAbout about(&w);
        // From the double-size drawings, built in or not (see CMakeLists.txt).
        for (const QLabel *picture :
             {w.findChild<QLabel *>("pctOperand"), w.findChild<QLabel *>("Picture1"),
              about.findChild<QLabel *>("picIcon")})
            QCOMPARE(picture->pixmap().devicePixelRatio(), factor > 1 ? 2.0 : 1.0);
        // Laid out larger for a larger desktop font, a picture keeps the size of its place, in
        // as many of the screen's pixels as that takes.
        QApplication::setFont(QFont("DejaVu Sans", 14));
        frmMain larger(&random_);
        const QPixmap card = larger.findChild<QLabel *>("Picture1")->pixmap();
        const double f = larger.Layout().Factor();
        QVERIFY(f > 1);
        const QSize place(qRound(214 * f), qRound(277 * f));
        QCOMPARE(card.deviceIndependentSize().toSize(), place);
        QCOMPARE(card.size(), (QSizeF(place) * factor).toSize());
        // The hand pointer's drawing for the screen: 32 pixels each way at its designed size.
        const QCursor hand = about.findChild<QWidget *>(QStringLiteral("lblURL"))->cursor();
        QCOMPARE(hand.pixmap().size(), QSize(32, 32) * factor);
        QCOMPARE(hand.pixmap().deviceIndependentSize(), QSizeF(32, 32));
        // The fingertip: X takes the hot spot in the drawing's pixels, the others in the window's.
        const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
        const QPoint tip = x11 ? hand.hotSpot() : hand.hotSpot() * factor;
        QCOMPARE(tip, QPoint(12, 9) * factor);
        QCOMPARE(hand.pixmap().toImage().pixelColor(tip), QColor(Qt::black));
    }

    // On X: the first frame on the screen is the finished window. The window's size and what
    // the screen shows of it at its first drawing are what they are a second later.
    void firstFrameIsTheFinishedWindow() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display: ctest runs it as test_desktop_look_x11");
        QCursor::setPos(0, 0); // no control under the pointer, nothing lit by it
        frmMain w(&random_);
        w.setAttribute(Qt::WA_ShowWithoutActivating); // no focus frame drawn a moment later
        const auto shot = [&w] {
            return std::pair(w.size(), w.screen()->grabWindow(w.winId()).toImage());
        };
        std::pair<QSize, QImage> first;
        struct FirstPaint : QObject {
            std::function<void()> seen;
            bool eventFilter(QObject *, QEvent *event) override {
                if (event->type() == QEvent::Paint && seen) // once drawn and handed to the screen
                    QMetaObject::invokeMethod(this, std::exchange(seen, {}), Qt::QueuedConnection);
                return false;
            }
        } firstPaint;
        firstPaint.seen = [&] { first = shot(); };
        w.installEventFilter(&firstPaint);
        w.centralWidget()->installEventFilter(&firstPaint);
        w.show();
        QTRY_VERIFY(!first.second.isNull());
        QTest::qWait(1000);
        const auto later = shot();
        QCOMPARE(first.first, later.first);
        QCOMPARE(first.second, later.second);
    }

    // Framed by openbox under X, or on X with no window manager to place them, drawn by the
    // toolkit under Wayland (see tests/on_display.sh).
    void framesAreCentredAndKeepTheirSize() {
        const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
        frmMain w(&random_);
        frmAbout about(&w);
        // Where the window manager has put a window's frame, once the widget has heard of it too:
        // until then its frameGeometry() is the bare client area, already moved to where it is to
        // go, and can look centred while the frame is not.
        const auto reported = [](QWidget *window) {
            const QRect frame = window->windowHandle()->frameGeometry();
            return window->frameGeometry() == frame ? frame : QRect();
        };
        const auto where = [&](QWidget *window) {
            QString text;
            QDebug(&text) << "frame" << window->frameGeometry() << "as last reported"
                          << reported(window) << "margins"
                          << window->windowHandle()->frameMargins();
            return text;
        };
        // A window is watched for a while after it shows, as its frame may come late.
        const auto watched = [&] {
            for (QObject *child : w.children() + about.children())
                if (child->metaObject() == &QObject::staticMetaObject &&
                    !QAbstractEventDispatcher::instance()->registeredTimers(child).isEmpty())
                    return true;
            return false;
        };
        QRect mainFrame;
        for (QWidget *window : QList<QWidget *>{&w, &about}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QTest::qWait(100);
            QVERIFY(watched());
            if (!x11)
                continue;
            if (qEnvironmentVariableIsSet("ZF_WINDOW_MANAGER"))
                QTRY_VERIFY(!window->windowHandle()->frameMargins().isNull()); // framed
            // The main window on the screen, the About window on the main window where it settled.
            const QRect on = window == &w ? w.screen()->availableGeometry() : mainFrame;
            const auto centred = [&] {
                const QRect frame = reported(window);
                return !frame.isNull() && (frame.center() - on.center()).manhattanLength() < 3;
            };
            QTRY_VERIFY2(centred(), qPrintable(where(window)));
            if (window == &w)
                mainFrame = reported(&w);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!watched(), 5000); // settled: no timer of theirs wakes the program
        // What the toolkit's own title bars offer beyond the design is refused.
        w.setWindowState(Qt::WindowMaximized);
        about.setWindowState(Qt::WindowMinimized);
        QTRY_COMPARE(w.windowState() | about.windowState(), Qt::WindowNoState);
    }
};

QTEST_MAIN(TestDesktopLook)
#include "test_desktop_look.moc"

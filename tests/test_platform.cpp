#include "platform/conversion.h"
#include "platform/error_path.h"
#include "platform/image_list.h"
#include "platform/int16.h"
#include "platform/runtime_error.h"
#include "platform/twips.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using Kind = RuntimeError::Kind;
Q_DECLARE_METATYPE(Kind)

class TestPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textToInt_data();
    void textToInt();
    void textToIntRejects_data();
    void textToIntRejects();
    void intToText();
    void checkedArithmetic();
    void imagesByKey_data();
    void imagesByKey();
    void unknownImageKeyRaises();
    void guardSendsEveryErrorToTheReporter();
    void twips();
    void unexpectedErrorIsShownAndEndsTheProgram();
};

void TestPlatform::textToInt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("answer") << "144" << 144;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("smallest") << "-32768" << -32768;
}

void TestPlatform::textToInt() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(Conversion::TextToInt(text), value);
}

void TestPlatform::textToIntRejects_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("one past the top") << "32768" << Kind::Overflow;
    QTest::newRow("one past the bottom") << "-32769" << Kind::Overflow;
    QTest::newRow("beyond 64 bits") << "99999999999999999999999" << Kind::Overflow;
    QTest::newRow("empty") << "" << Kind::TypeMismatch;
    QTest::newRow("placeholder") << "XXX" << Kind::TypeMismatch;
    QTest::newRow("fraction") << "1.5" << Kind::TypeMismatch;
}

void TestPlatform::textToIntRejects() {
    QFETCH(QString, text);
    QFETCH(Kind, kind);
    try {
        Conversion::TextToInt(text);
        QFAIL("no error raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.kind(), kind);
    }
}

void TestPlatform::intToText() {
    QCOMPARE(Conversion::IntToText(-5), QStringLiteral("-5"));
    QCOMPARE(Conversion::IntToText(0), QStringLiteral("0"));
    QCOMPARE(Conversion::IntToText(32768), QStringLiteral("32768"));
}

void TestPlatform::checkedArithmetic() {
    QCOMPARE(Int16::Abs(-32767), 32767);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Int16::Abs(-32768));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Int16::Add(32767, 1));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Int16::Sub(-32768, 1));
    QCOMPARE(Int16::Floor(168.99), 168);
    QCOMPARE(Int16::Floor(-0.5), -1);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Int16::Floor(32768.0));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Int16::Floor(std::nan("")));
}

void TestPlatform::imagesByKey_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("file");
    QTest::newRow("A plus") << "A"
                            << ":/op_add.png";
    QTest::newRow("S minus") << "S"
                             << ":/op_sub.png";
    QTest::newRow("M times") << "M"
                             << ":/op_mul.png";
    QTest::newRow("D divided by") << "D"
                                  << ":/op_div.png";
}

void TestPlatform::imagesByKey() {
    QFETCH(QString, key);
    QFETCH(QString, file);
    ImageList images;
    const QPixmap &pixmap = images.Image(key);
    QCOMPARE(pixmap.toImage(), QImage(file).convertToFormat(pixmap.toImage().format()));
    QCOMPARE(images.Image(key).cacheKey(), pixmap.cacheKey()); // decoded once
}

void TestPlatform::unknownImageKeyRaises() {
    ImageList images;
    for (const char *key : {"", "a", "X", "AS"}) {
        try {
            images.Image(QString::fromLatin1(key));
            QFAIL(key);
        } catch (const RuntimeError &e) {
            QCOMPARE(e.kind(), Kind::InvalidKey);
        }
    }
}

void TestPlatform::guardSendsEveryErrorToTheReporter() {
    QStringList reported;
    ErrorPath::SetReporter([&](const QString &message) { reported << message; });
    ErrorPath::Guard([] { throw RuntimeError(Kind::Overflow, "Overflow"); });
    ErrorPath::Guard([] { throw 42; });
    ErrorPath::Guard([] {});
    struct Target {
        int calls = 0;
        void handler(int n) {
            calls += n;
            if (n > 1)
                throw std::out_of_range("out of range");
        }
    } target;
    auto slot = ErrorPath::Guarded(&target, &Target::handler);
    slot(1);
    slot(2);
    ErrorPath::ResetReporter();
    QCOMPARE(target.calls, 3);
    QCOMPARE(reported.size(), 3);
    QCOMPARE(reported[0], QStringLiteral("Overflow"));
    QVERIFY(!reported[1].isEmpty());
    QCOMPARE(reported[2], QStringLiteral("out of range"));
    QVERIFY(ErrorPath::HasFailed());
}

void TestPlatform::twips() {
    QCOMPARE(TwipsToPixels(5925), 395);
    QCOMPARE(TwipsToPixels(700), 47); // 46.67 rounds up
    QCOMPARE(TwipsToPixels(7), 0);
    QCOMPARE(TwipsToPixels(8), 1);
    QCOMPARE(TwipsRect(360, 360, 3210, 4155), QRect(24, 24, 214, 277));
}

void TestPlatform::unexpectedErrorIsShownAndEndsTheProgram() {
    QString shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    closer.start(10);
    QTimer::singleShot(
        0, this, [] { ErrorPath::Guard([] { throw RuntimeError(Kind::Overflow, "Overflow"); }); });
    QTimer::singleShot(10000, this, [] { QCoreApplication::exit(99); }); // never hang
    QCOMPARE(QApplication::exec(), ErrorPath::FailureExitCode);
    QVERIFY(shown.contains(QLatin1String("Overflow")));
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"

#include "platform/conversion.h"
#include "platform/error_path.h"
#include "platform/image_list.h"
#include "platform/int16.h"
#include "platform/runtime_error.h"

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
    void checkedArithmetic();
    void imagesByKey_data();
    void imagesByKey();
    void guardSendsEveryErrorToTheReporter();
    void unexpectedErrorIsShownAndEndsTheProgram();
};

void TestPlatform::textToInt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<Kind>("error"); // ControlCall: none expected
    QTest::newRow("answer") << "144" << 144 << Kind::ControlCall;
    QTest::newRow("largest") << "32767" << 32767 << Kind::ControlCall;
    QTest::newRow("smallest") << "-32768" << -32768 << Kind::ControlCall;
    QTest::newRow("one past the top") << "32768" << 0 << Kind::Overflow;
    QTest::newRow("one past the bottom") << "-32769" << 0 << Kind::Overflow;
    QTest::newRow("beyond 64 bits") << "99999999999999999999999" << 0 << Kind::Overflow;
    QTest::newRow("empty") << "" << 0 << Kind::TypeMismatch;
    QTest::newRow("placeholder") << "XXX" << 0 << Kind::TypeMismatch;
    QTest::newRow("fraction") << "1.5" << 0 << Kind::TypeMismatch;
}

void TestPlatform::textToInt() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(Kind, error);
    try {
        QCOMPARE(Conversion::TextToInt(text), value);
        QCOMPARE(error, Kind::ControlCall);
    } catch (const RuntimeError &e) {
        QCOMPARE(e.kind(), error);
    }
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
    QTest::addColumn<QString>("file"); // none: the key is unknown
    const char *files[] = {"add", "sub", "mul", "div"};
    for (int i = 0; i < 4; ++i)
        QTest::addRow("%c", "ASMD"[i])
            << QString(QLatin1Char("ASMD"[i])) << QStringLiteral(":/op_%1.png").arg(files[i]);
    for (const char *unknown : {"", "a", "X", "AS"})
        QTest::addRow("unknown \"%s\"", unknown) << unknown << QString();
}

void TestPlatform::imagesByKey() {
    QFETCH(QString, key);
    QFETCH(QString, file);
    ImageList images;
    if (file.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, images.Image(key));
        return;
    }
    const QPixmap &pixmap = images.Image(key);
    QCOMPARE(pixmap.toImage(), QImage(file).convertToFormat(pixmap.toImage().format()));
    QCOMPARE(images.Image(key).cacheKey(), pixmap.cacheKey()); // decoded once
}

void TestPlatform::guardSendsEveryErrorToTheReporter() {
    QStringList reported;
    ErrorPath::SetReporter([&](const QString &message) { reported << message; });
    struct Target {
        void handler(int n) {
            if (n == 1)
                throw RuntimeError(Kind::Overflow, "Overflow");
            if (n == 2)
                throw 42;
        }
    } target;
    auto slot = ErrorPath::Guarded(&target, &Target::handler);
    for (int n : {0, 1, 2})
        slot(n);
    ErrorPath::ResetReporter();
    QCOMPARE(reported.size(), 2);
    QCOMPARE(reported[0], QStringLiteral("Overflow"));
    QVERIFY(!reported[1].isEmpty());
    QVERIFY(ErrorPath::HasFailed());
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
    QCOMPARE(QApplication::exec(), 1); // a failure, whatever the code calls it
    QVERIFY(shown.contains(QLatin1String("Overflow")));
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"

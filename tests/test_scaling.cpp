// Runs once for each of the scale factors 1, 1.5 and 2 (QT_SCALE_FACTOR, see CMakeLists.txt).

#include "about_window/frm_about.h"
#include "window_probe.h"

class TestScaling : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void picturesAndPointerStaySharp();
};

void TestScaling::picturesAndPointerStaySharp() {
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    frmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.devicePixelRatioF(), factor);
    QCOMPARE(w.centralWidget()->size(), QSize(395, 423));
    WindowProbe p(w);
    for (const char *name : {"pctOperand", "Picture1"})
        QCOMPARE(p.label(QLatin1String(name))->pixmap().devicePixelRatio(), factor > 1 ? 2.0 : 1.0);
    // The hand pointer from its drawing for the screen: 32 pixels each way at its designed size.
    frmAbout about(&w);
    const QCursor hand = about.findChild<QWidget *>(QStringLiteral("lblURL"))->cursor();
    QCOMPARE(hand.pixmap().size(), QSize(32, 32) * factor);
    const QImage drawing = hand.pixmap().toImage();
    QCOMPARE(drawing.pixelColor(hand.hotSpot() * factor), QColor(Qt::black)); // the finger's tip
    QCOMPARE(drawing.pixelColor(hand.hotSpot() * factor - QPoint(0, 1)).alpha(), 0);
}

QTEST_MAIN(TestScaling)
#include "test_scaling.moc"

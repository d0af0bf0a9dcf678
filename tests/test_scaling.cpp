// Runs once for each of the scale factors 1, 1.5 and 2 (QT_SCALE_FACTOR, see CMakeLists.txt).

#include "window_probe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

class TestScaling : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void keepsTheDesignedProportions();
    void noTextIsCut();
    void picturesStaySharp();

private:
    qreal factor_ = 1.0;
};

void TestScaling::initTestCase() {
    factor_ = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
}

void TestScaling::keepsTheDesignedProportions() {
    frmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.devicePixelRatioF(), factor_);
    QCOMPARE(w.centralWidget()->size(), QSize(395, 423));
    const QImage image = w.centralWidget()->grab().toImage();
    QCOMPARE(image.size(), (QSizeF(395, 423) * factor_).toSize());
}

void TestScaling::noTextIsCut() {
    frmMain w;
    w.show();
    WindowProbe p(w);
    p.clickChoice(1); // every label shows now, the verdict too
    for (QLabel *label : w.findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QSize needed = label->fontMetrics().size(Qt::TextSingleLine, label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(label->objectName()));
    }
    for (QAbstractButton *button : w.findChildren<QAbstractButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radio = qobject_cast<QRadioButton *>(button);
        const QRect room =
            radio ? button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button)
                  : button->rect().adjusted(4, 4, -4, -4);
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= room.width(),
                 qPrintable(button->objectName()));
    }
}

void TestScaling::picturesStaySharp() {
    frmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    WindowProbe p(w);
    const qreal expectedRatio = factor_ > 1.0 ? 2.0 : 1.0;
    for (const char *name : {"pctOperand", "Picture1"})
        QCOMPARE(p.label(QLatin1String(name))->pixmap().devicePixelRatio(), expectedRatio);
    if (factor_ != 1.0 && factor_ != 2.0)
        return; // drawn at a ratio of its own, the picture is resampled
    // Drawn one to one: every blue pixel of the plus is on screen, none blurred away.
    const QImage source(expectedRatio > 1 ? ":/op_add@2x.png" : ":/op_add.png");
    const QImage screen = w.centralWidget()->grab().toImage();
    auto blue = [](const QImage &image, QRect area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += image.pixelColor(x, y) == QColor(0, 0, 255);
        return n;
    };
    const QRect operand = QRectF(QPointF(24 + 48, 24 + 112) * factor_, source.size()).toRect();
    QCOMPARE(blue(screen, operand), blue(source, source.rect()));
}

QTEST_MAIN(TestScaling)
#include "test_scaling.moc"

// A long session on the offscreen window: every operation, range and order in turn, with
// deals, answers and About windows mixed in. The window's invariants are checked after every
// event, nothing may reach the error path, and the resident memory must stay flat.
//
// ZF_SOAK_SCALE (0 < scale <= 1) shortens the run in proportion, for slow instrumented builds.

#include "platform/error_path.h"
#include "window_probe.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define ZF_UNDER_ASAN 1 // its quarantine only ever grows: memory is not flat under it
#endif

namespace {

qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// Opens Help > About... and presses its OK button once it is up; false if it did not close.
bool openAndCloseAbout(WindowProbe &p) {
    bool closed = false;
    QTimer closer, deadline; // both die with this call, so neither touches a later window
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *ok = modal ? modal->findChild<QPushButton *>(QStringLiteral("cmdOK")) : nullptr) {
            closer.stop();
            ok->click();
            closed = !modal->isVisible();
        }
    });
    QObject::connect(&deadline, &QTimer::timeout, &deadline, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(0);
    deadline.start(10000);
    p.trigger(QStringLiteral("mnuAbout"));
    return closed;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void longSessionAcrossEverySetting();
};

void TestSoak::longSessionAcrossEverySetting() {
    bool ok = false;
    double scale = qEnvironmentVariable("ZF_SOAK_SCALE").toDouble(&ok);
    if (!ok || scale <= 0 || scale > 1)
        scale = 1;
    const int settings = 16, deals = int(100000 * scale) / settings,
              answers = int(50000 * scale) / settings, openings = int(500 * scale) / settings + 1;

    QStringList errors;
    ErrorPath::SetReporter([&](const QString &message) { errors << message; });
    frmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    WindowProbe p(w);
    qint64 events = 0, answered = 0, baseline = -1;
    auto check = [&](const char *what) {
        if (++events == 1000)
            baseline = residentBytes();
        if (events % 1000 == 0)
            QCoreApplication::processEvents(); // let it paint now and then
        const QString violation = p.invariantViolation();
        const qint64 counted = w.ScoreForTesting().RightCount + w.ScoreForTesting().WrongCount;
        if (!violation.isEmpty() || !errors.isEmpty() || counted != answered)
            qFatal("after event %lld (%s): %s %s, %lld answers counted of %lld", events, what,
                   qPrintable(violation), qPrintable(errors.join(u';')), counted, answered);
    };

    for (int setting = 0; setting < settings; ++setting) {
        p.option(setting % 4)->click();
        p.trigger(setting / 4 % 2 ? QStringLiteral("mnuRange012") : QStringLiteral("mnuRange09"));
        if (p.action(QStringLiteral("mnuRandomize"))->isChecked() != (setting < 8))
            p.trigger(QStringLiteral("mnuRandomize"));
        check("change of setting");
        for (int deal = 0; deal < deals; ++deal) {
            if (deal % (deals / openings) == 0) {
                QVERIFY2(openAndCloseAbout(p), "the About window did not close");
                check("About window");
            }
            p.button(QStringLiteral("cmdNextCard"))->click();
            check("Next Card");
            if (deal < answers * 2 && deal % 2 == 1) { // buttons in turn: right and wrong
                p.choice(int(answered % 4) + 1)->click();
                ++answered;
                check("answer");
            }
        }
    }
    ErrorPath::ResetReporter();
    QVERIFY(answered >= int(50000 * scale) - settings);
#ifndef ZF_UNDER_ASAN
    const qint64 growth = residentBytes() - baseline;
    qInfo("resident memory grew by %lld KiB over %lld events", growth / 1024, events);
    QVERIFY(growth < 2 * 1024 * 1024);
#endif
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"

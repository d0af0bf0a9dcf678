// A long session on the offscreen window: every operation, range and order in turn, with
// deals, answers and About windows mixed in. Every invariant of the window is checked after
// every event, no error may reach the error path, and the resident memory must stay flat.
//
// ZF_SOAK_SCALE (0 < scale <= 1) shortens the run in proportion, for slow instrumented builds.

#include "platform/error_path.h"
#include "window_probe.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTimer>
#include <array>
#include <cmath>
#include <memory>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define ZF_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZF_UNDER_ASAN 1
#endif
#endif

namespace {

constexpr int FullDeals = 100000;
constexpr int FullAnswers = 50000;
constexpr int FullAboutOpenings = 500;
constexpr int Settings = 16; // 4 operations x 2 ranges x 2 orders
constexpr qint64 BaselineAfterEvents = 1000;
constexpr qint64 AllowedGrowth = qint64{2} * 1024 * 1024;
// Long enough for any machine to have put the About window up and taken it down again.
constexpr int AboutDeadlineMs = 10000;

// The same fractions on every run, so a failure can be replayed.
class SeededRandom final : public RandomSource {
public:
    void Reseed() override {}
    float Fraction() override {
        // splitmix64, top 24 bits: exactly representable, always below 1.
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return static_cast<float>(z >> 40) / 16777216.0f;
    }

private:
    std::uint64_t state_ = 0x5EED;
};

double soakScale() {
    bool ok = false;
    const double scale = qEnvironmentVariable("ZF_SOAK_SCALE").toDouble(&ok);
    return ok && scale > 0.0 && scale <= 1.0 ? scale : 1.0;
}

int scaled(int count) {
    return std::max(1, static_cast<int>(std::lround(count * soakScale())));
}

// The part of the share that falls to setting `row` when `total` is spread over all of them.
int shareOf(int total, int row) {
    return total * (row + 1) / Settings - total * row / Settings;
}

qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return -1;
    return fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void drillAcrossEverySetting_data();
    void drillAcrossEverySetting();
    void residentMemoryStaysFlat();
    void cleanupTestCase();

private:
    // Counts one event and returns what is wrong after it, with what the event was.
    QString afterEvent(const char *what);
    // Opens About from the Help menu and closes it with its OK button once it is up.
    QString openAndCloseAbout();
    void selectSetting(int operation, bool zeroToTwelve, bool randomize);

    SeededRandom random_;
    std::unique_ptr<frmMain> window_;
    std::unique_ptr<WindowProbe> probe_;
    QStringList errors_;
    qint64 events_ = 0;
    qint64 baselineRss_ = -1;
    int deals_ = 0;
    int answers_ = 0;
    int aboutOpenings_ = 0;
};

// Stops the running test function with the message when an event broke something.
#define SOAK_CHECK(expression)                                                                     \
    do {                                                                                           \
        const QString violation = (expression);                                                    \
        if (!violation.isEmpty())                                                                  \
            QFAIL(qPrintable(violation));                                                          \
    } while (false)

void TestSoak::initTestCase() {
    ErrorPath::SetReporter([this](const QString &message) { errors_ << message; });
    window_ = std::make_unique<frmMain>(&random_);
    probe_ = std::make_unique<WindowProbe>(*window_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    SOAK_CHECK(afterEvent("start-up"));
}

void TestSoak::cleanupTestCase() {
    probe_.reset();
    window_.reset();
    ErrorPath::ResetReporter();
}

QString TestSoak::afterEvent(const char *what) {
    ++events_;
    // Let the window paint now and then, as it would between a child's clicks.
    if (events_ % 1000 == 0)
        QCoreApplication::processEvents();
    if (events_ == BaselineAfterEvents)
        baselineRss_ = residentBytes();
    if (!errors_.isEmpty())
        return QStringLiteral("event %1 (%2) reached the error path: %3")
            .arg(events_)
            .arg(QLatin1String(what), errors_.join(QStringLiteral("; ")));
    const QString violation = probe_->invariantViolation();
    if (!violation.isEmpty())
        return QStringLiteral("after event %1 (%2): %3")
            .arg(events_)
            .arg(QLatin1String(what), violation);
    return {};
}

void TestSoak::selectSetting(int operation, bool zeroToTwelve, bool randomize) {
    probe_->option(operation)->click();
    probe_->action(zeroToTwelve ? QStringLiteral("mnuRange012") : QStringLiteral("mnuRange09"))
        ->trigger();
    QAction *order = probe_->action(QStringLiteral("mnuRandomize"));
    if (order->isChecked() != randomize)
        order->trigger();
}

QString TestSoak::openAndCloseAbout() {
    bool closedWithOk = false;
    bool deadlinePassed = false;

    // Both timers die with this call, so none of them can touch a later About window.
    QTimer closer;
    closer.setInterval(0);
    connect(&closer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->inherits("frmAbout"))
            return;
        closer.stop();
        if (auto *ok = modal->findChild<QPushButton *>(QStringLiteral("cmdOK"))) {
            ok->click();
            closedWithOk = !modal->isVisible();
        }
        if (modal->isVisible())
            modal->close();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, [&] {
        deadlinePassed = true;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible())
                dialog->reject();
    });
    closer.start();
    deadline.start(AboutDeadlineMs);

    probe_->action(QStringLiteral("mnuAbout"))->trigger();
    ++aboutOpenings_;

    if (deadlinePassed)
        return QStringLiteral("About window %1 was still open after %2 ms")
            .arg(aboutOpenings_)
            .arg(AboutDeadlineMs);
    if (!closedWithOk)
        return QStringLiteral("About window %1 did not close with its OK button")
            .arg(aboutOpenings_);
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("frmAbout"))
            return QStringLiteral("About window %1 outlived its showing").arg(aboutOpenings_);
    return {};
}

void TestSoak::drillAcrossEverySetting_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("operation");
    QTest::addColumn<bool>("zeroToTwelve");
    QTest::addColumn<bool>("randomize");
    static constexpr std::array<const char *, 4> names = {"addition", "subtraction",
                                                          "multiplication", "division"};
    int row = 0;
    for (const bool randomize : {true, false})
        for (const bool zeroToTwelve : {false, true})
            for (int operation = 0; operation < 4; ++operation, ++row)
                QTest::addRow("%s %s %s", names.at(operation), zeroToTwelve ? "0-12" : "0-9",
                              randomize ? "at random" : "in order")
                    << row << operation << zeroToTwelve << randomize;
}

void TestSoak::drillAcrossEverySetting() {
    QFETCH(int, row);
    QFETCH(int, operation);
    QFETCH(bool, zeroToTwelve);
    QFETCH(bool, randomize);

    selectSetting(operation, zeroToTwelve, randomize);
    SOAK_CHECK(afterEvent("change of setting"));
    QCOMPARE(probe_->option(operation)->isChecked(), true);
    QCOMPARE(probe_->action(QStringLiteral("mnuRange012"))->isChecked(), zeroToTwelve);
    QCOMPARE(probe_->action(QStringLiteral("mnuRandomize"))->isChecked(), randomize);

    const int deals = shareOf(scaled(FullDeals), row);
    const int answers = shareOf(scaled(FullAnswers), row);
    const int openings = shareOf(scaled(FullAboutOpenings), row);
    QPushButton *nextCard = probe_->button(QStringLiteral("cmdNextCard"));
    const std::int16_t lastCard = window_->Cards().LastCard();

    int answered = 0;
    int opened = 0;
    for (int deal = 0; deal < deals; ++deal) {
        // The About windows are spread evenly over the deals.
        if (opened < openings && deal >= static_cast<qint64>(opened) * deals / openings) {
            SOAK_CHECK(openAndCloseAbout());
            SOAK_CHECK(afterEvent("About window"));
            ++opened;
        }

        const std::int16_t cursor = window_->Dealer().CardCursor();
        nextCard->click();
        ++deals_;
        SOAK_CHECK(afterEvent("Next Card"));
        if (!randomize) {
            const auto expected = static_cast<std::int16_t>(cursor == lastCard ? 0 : cursor + 1);
            QCOMPARE(window_->Dealer().CardCursor(), expected);
        }

        // An answer after every other deal until this setting's share is given, pressing
        // each of the four buttons in turn, so right and wrong answers both come up.
        if (answered < answers && (deal % 2 == 1 || deals - deal <= answers - answered)) {
            const Score before = window_->ScoreForTesting();
            QPushButton *choice = probe_->choice(answered % 4 + 1);
            const bool right = choice->text() == probe_->text(QStringLiteral("lblAnswer"));
            choice->click();
            ++answered;
            ++answers_;
            SOAK_CHECK(afterEvent("answer"));
            const Score &after = window_->ScoreForTesting();
            QCOMPARE(after.RightCount, before.RightCount + (right ? 1 : 0));
            QCOMPARE(after.WrongCount, before.WrongCount + (right ? 0 : 1));
            QCOMPARE(probe_->text(QStringLiteral("lblConfirmation")) ==
                         QStringLiteral("That's correct!"),
                     right);
        }
    }
    QCOMPARE(answered, answers);
    QCOMPARE(opened, openings);
    QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join(QStringLiteral("; "))));
}

void TestSoak::residentMemoryStaysFlat() {
    QCOMPARE(deals_, scaled(FullDeals));
    QCOMPARE(answers_, scaled(FullAnswers));
    QCOMPARE(aboutOpenings_, scaled(FullAboutOpenings));
    const Score &score = window_->ScoreForTesting();
    QCOMPARE(score.RightCount + score.WrongCount, static_cast<std::int64_t>(answers_));

    QCoreApplication::processEvents();
    const qint64 finalRss = residentBytes();
    qInfo("resident memory: %lld KiB after %lld events, %lld KiB after all %lld",
          baselineRss_ / 1024, BaselineAfterEvents, finalRss / 1024, events_);
#ifdef ZF_UNDER_ASAN
    QSKIP("AddressSanitizer keeps freed memory in quarantine: resident memory only grows");
#endif
    QVERIFY2(baselineRss_ > 0, "too few events for a baseline: raise ZF_SOAK_SCALE");
    QVERIFY(finalRss > 0);
    QVERIFY2(finalRss - baselineRss_ <= AllowedGrowth,
             qPrintable(QStringLiteral("resident memory grew by %1 KiB")
                            .arg((finalRss - baselineRss_) / 1024)));
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"

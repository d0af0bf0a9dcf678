#include "platform/translation.h"
#include "window_probe.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

const QString Root = qEnvironmentVariable("ZF_SOURCE_DIR");
// In a catalogue: unfinished, vanished or obsolete texts, empty translations, a %1 left out.
const QRegularExpression Broken("type=|<translation></|%1[^<]*</source>\\s*<translation>[^%<]*<");

QString read(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { FailOnUnexpectedErrors(); }
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

    void windowSpeaksLocale_data() {
        QTest::addColumn<QString>("expected"); // the window's texts, then answering right and wrong
        QTest::newRow("de_DE") << "Nächste|Multiplikation|Richtig!|Richtig: 1|"
                                  "Leider falsch. Richtig ist %1 .|Falsch: 1";
        for (const char *locale : {"C", "en_GB", "ar_EG"}) // no catalogue: the design's English
            QTest::newRow(locale) << "Next Card|multiplication|That's correct!|Right: 1|"
                                     "Sorry. The correct answer is %1 .|Wrong: 1";
    }
    void windowSpeaksLocale() {
        const QLocale locale(QTest::currentDataTag()); // each row is named by its locale
        QLocale::setDefault(locale);
        Translation::Install(locale);
        frmMain w;
        WindowProbe p(w);
        QStringList seen{p.button("cmdNextCard")->text(), p.option(2)->text()};
        for (bool right : {true, false}) {
            const QString answer = p.text("lblAnswer");
            QCOMPARE(answer, QString::number(answer.toInt())); // plain digits in every locale
            int n = 1;
            while ((p.choice(n)->text() == answer) != right)
                ++n;
            p.clickChoice(n);
            seen << p.text("lblConfirmation").replace(answer, "%1")
                 << p.text(right ? "lblCorrectCount" : "lblIncorrectCount");
            p.nextCard();
        }
        QTEST(seen.join('|'), "expected");
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"

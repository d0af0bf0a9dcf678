#include "platform/translation.h"
#include "window_probe.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

using RE = QRegularExpression;
const QString Root = qEnvironmentVariable("ZF_SOURCE_DIR");

QString read(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyCatalogueHoldsTheProgramsTexts() {
        QString all; // for lupdate: headers first, a file's own tr(text) helper spelled out
        for (QDirIterator it(Root + "/src", {"*.h", "*.cpp"}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            QString code = read(it.next());
            if (const auto m = RE("translate\\(\"(\\w+)\", \\w+\\)").match(code); m.hasMatch())
                code.replace(RE("\\btr\\(\""),
                             "QCoreApplication::translate(\"" + m.captured(1) + "\", \"");
            all = it.fileName().endsWith(".h") ? code + all : all + code;
        }
        QTemporaryDir dir;
        QFile src(dir.filePath("a.cpp"));
        QVERIFY(src.open(QIODevice::WriteOnly) && src.write(all.toUtf8()) > 0 && src.flush());
        for (QDirIterator ts(Root + "/translations", {"*.ts"}); ts.hasNext();) {
            const QString copy = dir.filePath(QFileInfo(ts.next()).fileName());
            QVERIFY(QFile::copy(ts.filePath(), copy));
            QProcess::execute(ZF_LUPDATE, {"-silent", "-locations", "none", "-no-obsolete",
                                           src.fileName(), "-ts", copy});
            QCOMPARE(read(copy).split('\n'), read(ts.filePath()).split('\n'));
            const RE broken("type=|<translation></|%1[^<]*</source>\\s*<translation>[^%<]*<");
            QVERIFY2(!read(copy).contains(broken), qPrintable(ts.filePath()));
        }
    }

    void windowSpeaksLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected"); // the window's texts, then answering right and wrong
        const char *english = "Next Card|multiplication|That's correct!|Right: 1|"
                              "Sorry. The correct answer is %1 .|Wrong: 1";
        QTest::newRow("German") << "de_DE"
                                << "Nächste|Multiplikation|Richtig!|Richtig: 1|"
                                   "Leider falsch. Richtig ist %1 .|Falsch: 1";
        for (const char *locale : {"C", "en_GB", "ar_EG"}) // no catalogue: the design's English
            QTest::newRow(locale) << locale << english;
    }
    void windowSpeaksLocale() {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        Translation::Install(QLocale(locale));
        frmMain w;
        WindowProbe p(w);
        QStringList seen{p.button("cmdNextCard")->text(), p.option(2)->text()};
        for (bool right : {true, false}) {
            const QString answer = p.text("lblAnswer");
            QVERIFY(answer.contains(RE("^[0-9]+$"))); // plain digits in every locale
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

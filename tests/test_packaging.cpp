// Installs the build the ways users and package builders do and checks what lands where.

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString AppId = QStringLiteral(ZF_APP_ID);
const QString BinaryDir = QStringLiteral(ZF_BINARY_DIR);

// Installs under prefix, staged in destDir as package builders do. Commands print to the log.
int install(const QTemporaryDir &destDir, const QString &prefix) {
    return QProcess::execute(
        "env", {"DESTDIR=" + destDir.path(), ZF_CMAKE, "--install", BinaryDir, "--prefix", prefix});
}

// Everything an installation holds, relative to DESTDIR (@ID@: the application's id).
QStringList expectedFiles(const QString &prefix) {
    QStringList files({"bin/zembrofact", "share/man/man6/zembrofact.6.gz",
                       "share/doc/zembrofact/copyright", "share/doc/zembrofact/changelog.gz",
                       "share/applications/@ID@.desktop", "share/metainfo/@ID@.metainfo.xml",
                       "share/icons/hicolor/scalable/apps/@ID@.svg"});
    for (const QString size : {"32", "48", "64", "128", "256"})
        files << "share/icons/hicolor/" + size + 'x' + size + "/apps/@ID@.png";
    for (QString &file : files)
        file = prefix.mid(1) + '/' + file.replace("@ID@", AppId);
    files.sort();
    return files;
}

QStringList filesUnder(const QString &root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

QString capture(const QString &path, const QString &pattern) {
    QFile file(path);
    const QString text =
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).captured(1);
}

} // namespace

class TestPackaging : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(install(usrTree_, QStringLiteral("/usr")), 0);
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty())
            return;                           // No package: debianPackage says so.
        QVERIFY(QDir::setCurrent(BinaryDir)); // where cpack finds its configuration
        QCOMPARE(QProcess::execute(ZF_CPACK, {"-G", "DEB", "-B", debDir_.path()}), 0);
        const auto debs = QDir(debDir_.path()).entryList({"zembrofact_" ZF_VERSION "_*.deb"});
        QCOMPARE(debs.size(), 1);
        deb_ = debDir_.filePath(debs[0]);
    }

    void installsUnderThePrefixOnly_data() {
        QTest::addColumn<QString>("prefix");
        QTest::newRow("system") << "/usr";
        QTest::newRow("opt") << "/opt/zf";
        QTest::newRow("home") << "/home/pupil/.local";
    }
    void installsUnderThePrefixOnly() {
        QFETCH(QString, prefix);
        QTemporaryDir destDir;
        QCOMPARE(install(destDir, prefix), 0);
        QCOMPARE(filesUnder(destDir.path()), expectedFiles(prefix));
    }

    void installedFilesPassTheirValidators_data() {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("desktop entry") << QStringList{"desktop-file-validate", desktopEntry()};
        // Validates each metainfo file, and that its launchable names an installed desktop entry.
        QTest::newRow("tree") << QStringList{"appstreamcli", "validate-tree", "--no-net", usr()};
        // Debian's own checks of the package: an error or a warning fails.
        if (!deb_.isEmpty())
            QTest::newRow("lintian") << QStringList{"lintian", "--fail-on=error,warning", deb_};
    }
    void installedFilesPassTheirValidators() {
        QFETCH(QStringList, command);
        if (QStandardPaths::findExecutable(command[0]).isEmpty())
            QSKIP(qPrintable(command[0] + " is not installed"));
        QCOMPARE(QProcess::execute(command[0], command.mid(1)), 0);
    }

    void entriesNameTheInstalledProgram() {
        // Started from the menu with no arguments and no field codes: just the program's name.
        QCOMPARE(capture(desktopEntry(), "^Exec=(.*)$"), "zembrofact");
        QCOMPARE(capture(desktopEntry(), "^TryExec=(.*)$"), "zembrofact");
        QCOMPARE(capture(desktopEntry(), "^Icon=(.*)$"), AppId);
        QCOMPARE(capture(metainfo(), "<binary>(.*)</binary>"), "zembrofact");
        // Release notes list the newest first; the newest is the version being built.
        QCOMPARE(capture(metainfo(), "<release version=\"([^\"]*)\""), ZF_VERSION);
        QCOMPARE(capture(BinaryDir + "/packaging/changelog", "^zembrofact \\((.*)\\)"), ZF_VERSION);
    }

    void debianPackage() {
        if (deb_.isEmpty())
            QSKIP("no package: dpkg-shlibdeps is not installed (Debian: dpkg-dev)");
        QCOMPARE(QProcess::execute("dpkg-deb", {"--extract", deb_, debDir_.filePath("root")}), 0);
        QCOMPARE(filesUnder(debDir_.filePath("root")), expectedFiles(QStringLiteral("/usr")));

        QCOMPARE(QProcess::execute("dpkg-deb", {"--control", deb_, debDir_.path()}), 0);
        const QString depends = capture(debDir_.filePath("control"), "^Depends: (.*)$");
        // The Qt libraries come from the binary's links; the others are named by the package.
        for (const QString needed :
             {"libqt6widgets6", "libqt6gui6", "fonts-liberation", "fonts-dejavu-core", "xdg-utils"})
            QVERIFY2(depends.contains(QRegularExpression("(^|, )" + needed + "( |,|$)")),
                     qPrintable(needed + " missing from: " + depends));
    }

    // Every character of every catalogue has a glyph in the fonts the package depends on or
    // recommends, so that no language is drawn as empty boxes on a fresh desktop.
    void everyLanguageHasItsGlyphs() {
        if (deb_.isEmpty())
            QSKIP("no package: dpkg-shlibdeps is not installed (Debian: dpkg-dev)");
        QProcess fields;
        fields.start("dpkg-deb", {"--field", deb_, "Depends", "Recommends"});
        QVERIFY(fields.waitForFinished());
        QStringList faces;
        for (const QString &name : QString::fromUtf8(fields.readAllStandardOutput())
                                       .split(QRegularExpression("[^a-z0-9.+-]+"))) {
            if (!name.startsWith(QLatin1String("fonts-")))
                continue;
            QProcess files;
            files.start("dpkg", {"-L", name});
            QVERIFY2(files.waitForFinished() && files.exitCode() == 0,
                     qPrintable(name + " is not installed, and the package names it"));
            for (const QString &file : QString::fromUtf8(files.readAllStandardOutput()).split('\n'))
                if (file.contains(QRegularExpression("\\.(ttf|otf|ttc)$")))
                    faces << file;
        }
        QHash<QString, QRawFont> loaded; // a face is read when first asked for: there are many
        const auto written = [&](char32_t c) {
            return std::any_of(faces.cbegin(), faces.cend(), [&](const QString &face) {
                auto font = loaded.find(face);
                if (font == loaded.end())
                    font = loaded.insert(face, QRawFont(face, 16));
                return font->supportsCharacter(c);
            });
        };
        for (QDirIterator ts(ZF_SOURCE_DIR "/translations", {"*.ts"}); ts.hasNext();) {
            QFile file(ts.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QString missing;
            for (QXmlStreamReader xml(&file); !xml.atEnd();) {
                if (xml.readNext() != QXmlStreamReader::StartElement ||
                    xml.name() != u"translation")
                    continue;
                for (const char32_t c : xml.readElementText().toUcs4())
                    if (!QChar::isSpace(c) && !missing.contains(QString::fromUcs4(&c, 1)) &&
                        !written(c))
                        missing += QString::fromUcs4(&c, 1);
            }
            QVERIFY2(missing.isEmpty(), qPrintable(ts.fileName() + ": no font has " + missing));
        }
    }

private:
    QString usr() const { return usrTree_.path() + QStringLiteral("/usr"); }
    QString desktopEntry() const { return usr() + "/share/applications/" + AppId + ".desktop"; }
    QString metainfo() const { return usr() + "/share/metainfo/" + AppId + ".metainfo.xml"; }

    QTemporaryDir usrTree_; // One installation under /usr, shared by the checks of its files.
    QTemporaryDir debDir_;
    QString deb_; // The package built from the same tree, when dpkg-dev is there to build it.
};

QTEST_MAIN(TestPackaging) // the fonts are read through the toolkit's font engine
#include "test_packaging.moc"

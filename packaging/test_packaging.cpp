// Installs the build the ways users and package builders do and checks what lands where.

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

namespace {

const QString AppId = QStringLiteral(ZF_APP_ID);
const QString BinaryDir = QStringLiteral(ZF_BINARY_DIR);
const QString Version = QStringLiteral(ZF_VERSION);
const QList<int> IconSizes{32, 48, 64, 128, 256};

// Runs a command in the build directory to its end: its exit code and its output.
std::pair<int, QString> run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(BinaryDir);
    process.start(program, arguments);
    if (!process.waitForFinished(240'000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, program + QStringLiteral(" did not finish: ") + process.errorString()};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

// Installs the build under prefix, staged in destDir as package builders do.
std::pair<int, QString> install(const QTemporaryDir &destDir, const QString &prefix) {
    return run(QStringLiteral("env"), {"DESTDIR=" + destDir.path(), QStringLiteral(ZF_CMAKE),
                                       "--install", BinaryDir, "--prefix", prefix});
}

QString iconFile(int size) {
    return QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId);
}

// Everything an installation holds, relative to DESTDIR.
QStringList expectedFiles(const QString &prefix) {
    QStringList files{"bin/zembrofact", "share/man/man6/zembrofact.6.gz",
                      "share/doc/zembrofact/copyright", "share/doc/zembrofact/changelog.gz"};
    files << "share/applications/" + AppId + ".desktop"
          << "share/metainfo/" + AppId + ".metainfo.xml"
          << "share/icons/hicolor/scalable/apps/" + AppId + ".svg";
    for (const int size : IconSizes)
        files << iconFile(size);
    for (QString &file : files)
        file.prepend(prefix.mid(1) + QLatin1Char('/'));
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

// The first capture of pattern in the file's text.
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
        const auto [installed, installLog] = install(usrTree_, QStringLiteral("/usr"));
        QVERIFY2(installed == 0, qPrintable(installLog));
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty())
            return; // No package: debianPackage says so.
        const auto [packed, packLog] = run(ZF_CPACK, {"-G", "DEB", "-B", debDir_.path()});
        QVERIFY2(packed == 0, qPrintable(packLog));
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
        const auto [status, output] = install(destDir, prefix);
        QVERIFY2(status == 0, qPrintable(output));
        QCOMPARE(filesUnder(destDir.path()), expectedFiles(prefix));
    }

    void installedFilesPassTheirValidators_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList{desktopEntry()};
        QTest::newRow("metainfo") << "appstreamcli"
                                  << QStringList{"validate", "--no-net", metainfo()};
        // The whole tree: the metainfo's launchable must name an installed desktop entry.
        QTest::newRow("tree") << "appstreamcli" << QStringList{"validate-tree", "--no-net", usr()};
        // Debian's own checks of the package: an error or a warning fails.
        if (!deb_.isEmpty())
            QTest::newRow("lintian") << "lintian" << QStringList{"--fail-on=error,warning", deb_};
    }
    void installedFilesPassTheirValidators() {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP(qPrintable(tool + " is not installed"));
        const auto [status, output] = run(tool, arguments);
        QVERIFY2(status == 0, qPrintable(output));
    }

    void entriesNameTheInstalledProgram() {
        // Started from the menu with no arguments and no field codes: just the program's name.
        const QString exec = capture(desktopEntry(), QStringLiteral("^Exec=(.*)$"));
        QCOMPARE(exec, QStringLiteral("zembrofact"));
        QVERIFY(QFileInfo(usr() + "/bin/" + exec).isExecutable());
        QCOMPARE(capture(desktopEntry(), QStringLiteral("^TryExec=(.*)$")), exec);
        QCOMPARE(capture(desktopEntry(), QStringLiteral("^Icon=(.*)$")), AppId);
        QCOMPARE(capture(metainfo(), QStringLiteral("<id>(.*)</id>")), AppId);
        QCOMPARE(capture(metainfo(), QStringLiteral("<binary>(.*)</binary>")), exec);
        // Release notes list the newest first; the newest is the version being built.
        QCOMPARE(capture(metainfo(), QStringLiteral("<release version=\"([^\"]*)\"")), Version);
        QCOMPARE(capture(BinaryDir + "/packaging/changelog", "^zembrofact \\((.*)\\)"), Version);
    }

    void iconsMatchTheirSizeFolders() {
        for (const int size : IconSizes)
            QCOMPARE(QImage(usr() + QLatin1Char('/') + iconFile(size)).size(), QSize(size, size));
    }

    void debianPackage() {
        if (deb_.isEmpty())
            QSKIP("no package: dpkg-shlibdeps is not installed (Debian: dpkg-dev)");
        QTemporaryDir unpacked;
        QCOMPARE(run("dpkg-deb", {"--extract", deb_, unpacked.path()}).first, 0);
        QCOMPARE(filesUnder(unpacked.path()), expectedFiles(QStringLiteral("/usr")));

        const QString depends = run("dpkg-deb", {"--field", deb_, "Depends"}).second;
        // The Qt libraries come from the binary's links; the others are named by the package.
        for (const QString needed :
             {"libqt6widgets6", "libqt6gui6", "fonts-liberation", "fonts-dejavu-core", "xdg-utils"})
            QVERIFY2(QRegularExpression("(^|, )" + needed + "( |,|$)").match(depends).hasMatch(),
                     qPrintable(needed + " missing from: " + depends));
    }

private:
    QString usr() const { return usrTree_.path() + QStringLiteral("/usr"); }
    QString desktopEntry() const { return usr() + "/share/applications/" + AppId + ".desktop"; }
    QString metainfo() const { return usr() + "/share/metainfo/" + AppId + ".metainfo.xml"; }

    QTemporaryDir usrTree_; // One installation under /usr, shared by the checks of its files.
    QTemporaryDir debDir_;
    QString deb_; // The package built from the same tree, when dpkg-dev is there to build it.
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "test_packaging.moc"

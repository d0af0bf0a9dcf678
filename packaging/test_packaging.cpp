// Installs the build the ways users and package builders do and checks what lands where.

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <array>

namespace {

const QString AppId = QStringLiteral(ZF_APP_ID);
const QString BinaryDir = QStringLiteral(ZF_BINARY_DIR);
constexpr std::array IconSizes{32, 48, 64, 128, 256};

struct Result {
    int exitCode = -1;
    QString output;
};

// Runs a command in the build directory to its end; its output goes into failure messages.
// destDir, when given, is the DESTDIR that an installation is staged in.
Result run(const QString &program, const QStringList &arguments, const QString &destDir = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!destDir.isEmpty())
        environment.insert(QStringLiteral("DESTDIR"), destDir);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(BinaryDir);
    process.start(program, arguments);
    if (!process.waitForFinished(240'000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, program + QStringLiteral(" did not finish: ") + process.errorString()};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

Result install(const QTemporaryDir &destDir, const QString &prefix) {
    return run(QStringLiteral(ZF_CMAKE), {"--install", BinaryDir, "--prefix", prefix},
               destDir.path());
}

QString iconFile(int size) {
    return QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId);
}

// Everything an installation holds, relative to DESTDIR.
QStringList expectedFiles(const QString &prefix) {
    QStringList files{QStringLiteral("bin/zembrofact"), "share/applications/" + AppId + ".desktop",
                      "share/metainfo/" + AppId + ".metainfo.xml",
                      "share/icons/hicolor/scalable/apps/" + AppId + ".svg"};
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
        const Result installed = install(usrTree_, QStringLiteral("/usr"));
        QVERIFY2(installed.exitCode == 0, qPrintable(installed.output));
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
        const Result installed = install(destDir, prefix);
        QVERIFY2(installed.exitCode == 0, qPrintable(installed.output));
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
    }
    void installedFilesPassTheirValidators() {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP(qPrintable(tool + " is not installed (Debian: desktop-file-utils, appstream)"));
        const Result check = run(tool, arguments);
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
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
        // Releases are listed newest first; the newest is the version being built.
        QCOMPARE(capture(metainfo(), QStringLiteral("<release version=\"([^\"]*)\"")),
                 QStringLiteral(ZF_VERSION));
    }

    void iconsMatchTheirSizeFolders_data() {
        QTest::addColumn<int>("size");
        for (const int size : IconSizes)
            QTest::addRow("%dx%d", size, size) << size;
    }
    void iconsMatchTheirSizeFolders() {
        QFETCH(int, size);
        QCOMPARE(QImage(usr() + QLatin1Char('/') + iconFile(size)).size(), QSize(size, size));
    }

    void debianPackage() {
        for (const QString tool : {"dpkg-deb", "dpkg-shlibdeps"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(tool + " is not installed (Debian: dpkg-dev)"));
        QTemporaryDir outDir;
        const Result pack = run(QStringLiteral(ZF_CPACK), {"-G", "DEB", "-B", outDir.path(),
                                                           "--config", "CPackConfig.cmake"});
        QVERIFY2(pack.exitCode == 0, qPrintable(pack.output));
        const QStringList debs = QDir(outDir.path()).entryList({QStringLiteral("*.deb")});
        QCOMPARE(debs.size(), 1);
        QVERIFY2(debs[0].startsWith(QStringLiteral("zembrofact_" ZF_VERSION "_")),
                 qPrintable(debs[0]));
        const QString deb = outDir.filePath(debs[0]);

        // The regular files: "-rw-r--r-- root/root 455 2026-01-01 12:00 ./usr/share/...".
        QStringList files;
        const QString contents = run(QStringLiteral("dpkg-deb"), {"--contents", deb}).output;
        for (const QString &line : contents.split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1Char('-')))
                files << line.section(QStringLiteral(" ./"), 1);
        files.sort();
        QCOMPARE(files, expectedFiles(QStringLiteral("/usr")));

        const QString depends = run(QStringLiteral("dpkg-deb"), {"--field", deb, "Depends"}).output;
        // The Qt libraries come from the binary's links; the others are named by the package.
        for (const QString needed :
             {"libqt6widgets6", "libqt6gui6", "fonts-liberation", "xdg-utils"})
            QVERIFY2(QRegularExpression("(^|, )" + needed + "( |,|$)").match(depends).hasMatch(),
                     qPrintable(needed + " missing from: " + depends));
    }

private:
    QString usr() const { return usrTree_.path() + QStringLiteral("/usr"); }
    QString desktopEntry() const { return usr() + "/share/applications/" + AppId + ".desktop"; }
    QString metainfo() const { return usr() + "/share/metainfo/" + AppId + ".metainfo.xml"; }

    QTemporaryDir usrTree_; // One installation under /usr, shared by the checks of its files.
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "test_packaging.moc"

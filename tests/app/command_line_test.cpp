// What the installed program adds to the dialog: files and folders named on
// its command line (as the desktop entry passes them) and the names it leaves
// out, --help and --version without a window, the help page found in a build
// tree and in an installed prefix, and one version in --version and About.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "app/about_dlg.h"
#include "app/vextora_app.h"
#include "app/vextora_dlg.h"

namespace {

QStringList ListedPaths(const CVextoraDlg& dialog) {
    QStringList paths;
    for (int row = 0; row < dialog.FileList()->topLevelItemCount(); ++row)
        paths << dialog.FileList()->topLevelItem(row)->text(0);
    return paths;
}

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_settings;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    }

    void filesOnTheCommandLineAreAddedWithFullPaths() {
        QTemporaryDir work;
        const QString elsewhere = work.filePath("elsewhere/b c.svg");
        for (const char* name : {"drawings/a.svg", "notes.txt", "set/2.svg", "set/1.SVG", "set/x.txt",
                                 "set/3.svgz", "z.svgz"})
            Touch(work.filePath(name));
        Touch(elsewhere);
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(work.path()));
        CVextoraDlg dialog;
        // A relative name first: the output folder is cut from it, so it must be completed.
        // A folder brings its SVG files as a drop does; other names are reported.
        const QStringList report = AddCommandLineFiles(
            dialog, {"vextora", "drawings/a.svg", "--unknown", elsewhere, "notes.txt", "set",
                     "gone.svg", "z.svgz"});
        QDir::setCurrent(previous);

        QCOMPARE(ListedPaths(dialog),
                 QStringList({work.filePath("drawings/a.svg"), elsewhere, work.filePath("set/1.SVG"),
                              work.filePath("set/2.svg"), work.filePath("set/3.svgz"),
                              work.filePath("z.svgz")}));
        QCOMPARE(report, QStringList({"--unknown: unknown option (see vextora --help)",
                                      "notes.txt: not an SVG file or folder",
                                      "gone.svg: no such file or folder"}));
        // The window says it too, not only standard error.
        QCOMPARE(dialog.StatusLine()->text(), report.join('\n'));
        QCOMPARE(dialog.OutputFolderEdit()->text(), work.path() + "/drawings/");
        QCOMPARE(dialog.Converter().Options().outputFolder, (work.path() + "/drawings/").toStdString());
    }

    void noFilesLeaveTheDialogAsItStarts() {
        CVextoraDlg dialog;
        const QString folder = dialog.OutputFolderEdit()->text();
        QVERIFY(AddCommandLineFiles(dialog, {"vextora"}).isEmpty());
        QCOMPARE(AddCommandLineFiles(dialog, {"vextora", "-style"}).size(), 1);
        QCOMPARE(dialog.FileList()->topLevelItemCount(), 0);
        QCOMPARE(dialog.OutputFolderEdit()->text(), folder);
    }

    void helpPageIsFoundBesideTheProgramThenInTheInstalledPrefix() {
        QTemporaryDir prefix;
        const QString bin = prefix.filePath("bin");
        const QString installed = prefix.filePath("share/vextora/help.html");
        QDir().mkpath(bin);
        // Nothing anywhere: the build tree's name, so a failure names a real place.
        QCOMPARE(HelpPagePath(bin), bin + "/help.html");
        Touch(installed);
        QCOMPARE(HelpPagePath(bin), installed);
        QCOMPARE(HelpPagePath(bin + "/"), installed);
        // A build tree's copy beside the program wins.
        Touch(bin + "/help.html");
        QCOMPARE(HelpPagePath(bin), bin + "/help.html");
    }

    void versionIsTheSameInAbout() {
        CAboutDlg about;
        QStringList texts;
        for (const QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
        QVERIFY2(texts.contains(QStringLiteral("Vextora Version " VEXTORA_VERSION)),
                 qPrintable(texts.join('|')));
    }

    void helpAndVersionPrintWithoutAWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("outputStart");
        QTest::newRow("version") << QStringList{"--version"} << QByteArray("vextora " VEXTORA_VERSION "\n");
        // Neither --help nor its neighbours open anything.
        QTest::newRow("help") << QStringList{"x.svg", "--help", "--version"}
                              << QByteArray("Usage: vextora [FILE.svg | FOLDER]...\n");
    }

    void helpAndVersionPrintWithoutAWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, outputStart);
        // Answered before any window system is needed.
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VX_VEXTORA_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(program.readAllStandardOutput().startsWith(outputStart));
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"

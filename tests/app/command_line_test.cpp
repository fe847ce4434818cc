// What the installed program adds to the dialog: files named on its command
// line (as the desktop entry passes them), the help page found in a build
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
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(work.path()));
        CVextoraDlg dialog;
        // A relative name first: the output folder is cut from it, so it must be completed.
        AddCommandLineFiles(dialog, {"vextora", "drawings/a.svg", "--unknown", "/elsewhere/b c.svg"});
        QDir::setCurrent(previous);

        QCOMPARE(ListedPaths(dialog),
                 QStringList({work.path() + "/drawings/a.svg", "/elsewhere/b c.svg"}));
        QCOMPARE(dialog.OutputFolderEdit()->text(), work.path() + "/drawings/");
        QCOMPARE(dialog.Converter().m_strOutputFolder, (work.path() + "/drawings/").toStdString());
    }

    void noFilesLeaveTheDialogAsItStarts() {
        CVextoraDlg dialog;
        const QString folder = dialog.OutputFolderEdit()->text();
        AddCommandLineFiles(dialog, {"vextora"});
        AddCommandLineFiles(dialog, {"vextora", "-style", "--x"});
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

    void versionIsTheSameInAboutAndOnTheCommandLine() {
        CAboutDlg about;
        QStringList texts;
        for (const QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
        QVERIFY2(texts.contains(QStringLiteral("Vextora Version " VEXTORA_VERSION)),
                 qPrintable(texts.join('|')));

        // Answered before any window system is needed.
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VX_VEXTORA_PROGRAM), {"--version"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardOutput(), QByteArray("vextora " VEXTORA_VERSION "\n"));
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"

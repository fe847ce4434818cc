#include "app/vextora_app.h"

#include <cstdio>

#include <QDir>
#include <QFileInfo>

#include "app/dropped_files.h"
#include "app/screenshot_run.h"
#include "app/vextora_dlg.h"

CVextoraApp::CVextoraApp(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    setApplicationName(QStringLiteral("Vextora"));
    setApplicationVersion(QStringLiteral(VEXTORA_VERSION));
}

int CVextoraApp::Run() {
    CVextoraDlg dialog;
    CScreenshotRun screenshot;
    if (screenshot.Parse(arguments())) return screenshot.Run(dialog);
    for (const QString& line : AddCommandLineFiles(dialog, arguments()))
        std::fprintf(stderr, "vextora: %s\n", qPrintable(line));
    dialog.exec();
    return 0;
}

QStringList AddCommandLineFiles(CVextoraDlg& dialog, const QStringList& arguments) {
    QStringList names;
    QStringList report;
    for (const QString& argument : arguments.mid(1)) {
        // Qt has taken its own options out already; any other is unknown.
        if (argument.startsWith(QLatin1Char('-')))
            report << argument + QStringLiteral(": unknown option (see vextora --help)");
        else
            names << argument;
    }
    QStringList leftOut;
    dialog.AddFiles(SvgFilesFromPaths(names, &leftOut));
    report << LeftOutLines(leftOut);
    dialog.ShowStatus(report.join(QLatin1Char('\n')));
    return report;
}

QString HelpPagePath(const QString& programFolder) {
    const QDir folder(programFolder);
    const QString beside = folder.filePath(QStringLiteral("help.html"));
    const QString installed = QDir::cleanPath(folder.filePath(QStringLiteral("../share/vextora/help.html")));
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

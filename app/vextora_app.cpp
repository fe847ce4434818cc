#include "app/vextora_app.h"

#include <QDir>
#include <QFileInfo>

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
    AddCommandLineFiles(dialog, arguments());
    dialog.exec();
    return 0;
}

void AddCommandLineFiles(CVextoraDlg& dialog, const QStringList& arguments) {
    QStringList paths;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        // Qt has taken its own options out already; any other option is
        // not a file. The file dialog gives full paths, and the output
        // folder is cut from the first one, so relative names are completed.
        if (!arguments[i].startsWith(QLatin1Char('-')))
            paths << QFileInfo(arguments[i]).absoluteFilePath();
    }
    dialog.AddFiles(paths);
}

QString HelpPagePath(const QString& programFolder) {
    const QDir folder(programFolder);
    const QString beside = folder.filePath(QStringLiteral("help.html"));
    const QString installed = QDir::cleanPath(folder.filePath(QStringLiteral("../share/vextora/help.html")));
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

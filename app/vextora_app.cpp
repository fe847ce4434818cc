#include "app/vextora_app.h"

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
    dialog.exec();
    return 0;
}

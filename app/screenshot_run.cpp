#include "app/screenshot_run.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QTreeWidget>
#include <QWindow>

#include "app/vextora_dlg.h"
#include "platform/qt/message_box.h"

namespace {

const char kSwitch[] = "--screenshot";

// Until the window manager has put the window on screen (bounded wait).
void WaitUntilExposed(QWidget& window) {
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() &&
           !(window.windowHandle() && window.windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
}

}  // namespace

bool CScreenshotRun::Parse(const QStringList& arguments) {
    const int at = arguments.indexOf(QLatin1String(kSwitch));
    if (at < 0 || arguments.size() < at + 4) return false;
    m_strPicture = arguments.at(at + 1);
    m_strOutputFolder = arguments.at(at + 2);
    // Full paths, as the file dialog gives them.
    for (const QString& input : arguments.mid(at + 3)) m_inputs << QFileInfo(input).absoluteFilePath();
    return true;
}

int CScreenshotRun::Run(CVextoraDlg& dialog) const {
    SetMessageBoxHook([](const QString&, QMessageBox::StandardButtons) { return QMessageBox::No; });
    dialog.resize(dialog.sizeHint().expandedTo(QSize(680, 440)));
    dialog.show();
    WaitUntilExposed(dialog);
    dialog.AddFiles(m_inputs);
    dialog.OutputFolderEdit()->setText(m_strOutputFolder);
    QEventLoop batch;
    QObject::connect(&dialog, &CVextoraDlg::BatchFinished, &batch, &QEventLoop::quit);
    dialog.Convert();
    if (dialog.IsConverting()) batch.exec();
    // Show the first result selected, as after a user's click.
    if (QTreeWidgetItem* first = dialog.FileList()->topLevelItem(0)) first->setSelected(true);
    QCoreApplication::processEvents();
    return dialog.grab().save(m_strPicture) ? 0 : 1;
}

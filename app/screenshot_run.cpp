#include "app/screenshot_run.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>
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

const QTreeWidgetItem* FirstFailedRow(const QTreeWidget& list) {
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        if (list.topLevelItem(row)->text(1).startsWith(QStringLiteral("failed: ")))
            return list.topLevelItem(row);
    }
    return nullptr;
}

// The tooltip window as Qt shows it for text over a widget.
QPixmap TipPicture(const QString& text, QWidget& over) {
    QToolTip::showText(over.mapToGlobal(QPoint()), text, &over);
    QCoreApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible()) return window->grab();
    }
    return QPixmap();
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
    dialog.resize(dialog.sizeHint().expandedTo(QSize(900, 440)));
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

    // The tooltip of the first failed row, as when the pointer rests on it.
    // It is a window of its own, so it is drawn into the picture, which is
    // made wide enough for it.
    const QTreeWidgetItem* failed = FirstFailedRow(*dialog.FileList());
    const QPixmap tip = failed ? TipPicture(failed->toolTip(1), dialog) : QPixmap();
    dialog.resize(qMax(dialog.width(), tip.width() + 16), dialog.height());
    QCoreApplication::processEvents();
    QPixmap picture = dialog.grab();
    if (failed) {
        QTreeWidget* list = dialog.FileList();
        const QPoint below(list->columnViewportPosition(1) + 24, list->visualItemRect(failed).bottom() + 4);
        QPoint at = list->viewport()->mapTo(&dialog, below);
        at.setX(qBound(0, at.x(), picture.width() - tip.width() - 8));
        QPainter(&picture).drawPixmap(at, tip);
    }
    return picture.save(m_strPicture) ? 0 : 1;
}

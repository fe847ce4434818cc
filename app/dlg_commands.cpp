// The main dialog's commands other than the batch: adding and removing
// files, the output folder, the fill option, help, about and dropped files.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTreeWidget>

#include "app/about_dlg.h"
#include "app/dropped_files.h"
#include "app/file_dialogs.h"
#include "app/vextora_app.h"
#include "app/vextora_dlg.h"
#include "platform/qt/desktop.h"

void CVextoraDlg::AddFiles(const QStringList& paths) {
    if (paths.isEmpty()) return;
    QList<QTreeWidgetItem*> rows;
    rows.reserve(paths.size());
    for (const QString& path : paths) rows << new QTreeWidgetItem(QStringList{path});
    m_pList->addTopLevelItems(rows);

    // The output path stays empty until the first conversion: from then on
    // the user's folder is kept. During a batch the converter is the worker's.
    if (!IsConverting() && m_converter.OutputPath().empty()) {
        const QString folder = paths.first().left(paths.first().lastIndexOf(QLatin1Char('/')) + 1);
        SetOutputFolder(QFile::encodeName(folder).toStdString());
        m_pFolderEdit->setText(folder);
    }
}

void CVextoraDlg::OnAddFiles() {
    CFECFileDialog dialog(this);
    if (dialog.DoModal()) AddFiles(dialog.GetPathNames());
}

void CVextoraDlg::Remove() {
    if (IsConverting()) return;
    qDeleteAll(m_pList->selectedItems());
    m_pList->clearSelection();
}

void CVextoraDlg::OnBrowse() {
    const QString current = QFile::decodeName(QByteArray::fromStdString(m_converter.Options().outputFolder));
    CFolderDialog dialog(this, current, tr("Select a folder you want convert to:"));
    if (!dialog.DoModal()) return;
    SetOutputFolder(QFile::encodeName(dialog.GetFolderPath()).toStdString());
    m_pFolderEdit->setText(dialog.GetFolderPath());
}

// The cut outlines go with the hatch only: without fill their box waits, greyed.
void CVextoraDlg::OnFillOption() {
    const int fill = !m_pFillCheck->isChecked() ? kFillOutline
                     : m_pCutCheck->isChecked() ? kFillBoth
                                                : kFillHatch;
    ChangeOptions([fill](CConvertOptions& options) { options.fillOption = fill; });
    m_pCutCheck->setEnabled(m_pFillCheck->isChecked());
}

void CVextoraDlg::ShowFillOption() {
    const int fill = m_converter.Options().fillOption;
    m_pFillCheck->setChecked(fill != kFillOutline);
    m_pCutCheck->setChecked(fill == kFillBoth);
    m_pCutCheck->setEnabled(fill != kFillOutline);
}

void CVextoraDlg::OnBrowserRules() {
    const bool browser = m_pBrowserCheck->isChecked();
    ChangeOptions([browser](CConvertOptions& options) {
        options.svgRules = browser ? SvgRules::Browser : SvgRules::Classic;
    });
}

void CVextoraDlg::ChangeOptions(const std::function<void(CConvertOptions&)>& change) {
    CConvertOptions options = m_converter.Options();
    change(options);
    m_converter.SetOptions(std::move(options));
}

void CVextoraDlg::SetOutputFolder(std::string folder) {
    ChangeOptions([&folder](CConvertOptions& options) { options.outputFolder = std::move(folder); });
}

void CVextoraDlg::OnHelp() { OpenOrSay(HelpPagePath(QCoreApplication::applicationDirPath())); }

void CVextoraDlg::OpenOrSay(const QString& path) {
    if (!OpenWithDesktop(path))
        VextoraMessageBox(this, tr("No program could be found to open %1.").arg(path));
}

void CVextoraDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CVextoraDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!IsConverting() && !SvgFilesFromUrls(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void CVextoraDlg::dropEvent(QDropEvent* event) {
    QStringList leftOut;
    const QStringList paths = SvgFilesFromUrls(event->mimeData()->urls(), &leftOut);
    if (paths.isEmpty()) return;
    AddFiles(paths);
    ShowStatus(LeftOutLines(leftOut).join(QLatin1Char('\n')));
    event->acceptProposedAction();
}

void CVextoraDlg::ShowStatus(const QString& text) { m_pStatus->setText(text); }

void CVextoraDlg::keyPressEvent(QKeyEvent* event) {
    const bool asks = event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
                      !IsConverting() && m_pList->topLevelItemCount() > 0;
    if (!asks) {
        QDialog::keyPressEvent(event);
        return;
    }
    const QString question = tr("Close Vextora? The list of files will be lost.");
    if (VextoraMessageBox(this, question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        reject();
}

// The Convert batch: checks, one conversion per row in list order with its
// result in column 1, then the offer to open the output folder.
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QTreeWidget>

#include "app/vextora_dlg.h"
#include "convert/text.h"
#include "platform/qt/desktop.h"

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString DisplayPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Lets the window repaint between files; clicks and keys wait for the batch.
void ShowProgressOnScreen() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

void CVextoraDlg::Convert() {
    m_converter.m_strOutputFolder = LocalPath(m_pFolderEdit->text());
    if (m_pList->topLevelItemCount() == 0) {
        VextoraMessageBox(this, tr("Select svg file."));
        return;
    }
    if (!PrepareOutputFolder()) {
        VextoraMessageBox(this, tr("Select output folder."));
        return;
    }
    m_bConverting = true;
    for (int row = 0; row < m_pList->topLevelItemCount(); ++row) {
        ConvertRow(m_pList->topLevelItem(row));
        ShowProgressOnScreen();
    }
    m_bConverting = false;
    OfferOutputFolder();
}

// Trailing blanks go; a folder without a final separator gets one. False
// when nothing is left.
bool CVextoraDlg::PrepareOutputFolder() {
    std::string& folder = m_converter.m_strOutputFolder;
    folder.resize(vx::TrimRightView(folder).size());
    if (folder.empty()) return false;
    if (folder.back() != '/') folder += '/';
    return true;
}

void CVextoraDlg::ConvertRow(QTreeWidgetItem* row) {
    const QString input = row->text(0);
    std::string outName;
    if (m_converter.ConvertFile(LocalPath(input), outName))
        row->setText(1, DisplayPath(outName));
    else
        row->setText(1, QStringLiteral("Convert\t%1 failed.").arg(input));
    const QModelIndex index = m_pList->indexFromItem(row);
    m_pList->scrollToItem(row);
    // The row the batch has reached gets the focus mark without being selected.
    m_pList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    m_pList->viewport()->update(m_pList->visualItemRect(row));
}

void CVextoraDlg::OfferOutputFolder() {
    const QString folder = DisplayPath(m_converter.m_strOutputFolder);
    const QString question =
        QStringLiteral("%1 %2").arg(
            tr("Convert finished, do you need to open the output folder now? \nOutput folder is"),
            folder);
    if (VextoraMessageBox(this, question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        OpenWithDesktop(folder);
}

// The Convert batch: checks, one conversion per row in list order on the
// batch's worker thread with each result shown in column 1 as the file ends,
// stopping it, then the counts and the offer to open the output folder.
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "app/batch_worker.h"
#include "app/text_progress_ctrl.h"
#include "app/vextora_dlg.h"
#include "base/text.h"

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString DisplayPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// What the row's tooltip says: why it failed, and what was left out.
QString RowTip(const CRowResult& result) {
    QStringList lines = result.warnings;
    if (!result.converted) lines.prepend(result.failure);
    return lines.join(QLatin1Char('\n'));
}

QIcon RowMark(const QStyle& style, const CRowResult& result) {
    if (!result.converted) return style.standardIcon(QStyle::SP_MessageBoxCritical);
    if (!result.warnings.isEmpty()) return style.standardIcon(QStyle::SP_MessageBoxWarning);
    return QIcon();
}

}  // namespace

void CVextoraDlg::Convert() {
    if (IsConverting()) return;
    SetOutputFolder(LocalPath(m_pFolderEdit->text()));
    if (m_pList->topLevelItemCount() == 0) {
        VextoraMessageBox(this, tr("Select svg file."));
        return;
    }
    if (!PrepareOutputFolder()) {
        VextoraMessageBox(this, tr("Select output folder."));
        return;
    }
    std::vector<std::string> inputs;
    for (int row = 0; row < m_pList->topLevelItemCount(); ++row)
        inputs.push_back(LocalPath(m_pList->topLevelItem(row)->text(0)));
    StartBatch(std::move(inputs));
}

// Trailing blanks go; a folder without a final separator gets one. False
// when nothing is left.
bool CVextoraDlg::PrepareOutputFolder() {
    std::string folder(vx::TrimRightView(m_converter.Options().outputFolder));
    if (!folder.empty() && folder.back() != '/') folder += '/';
    SetOutputFolder(folder);
    return !folder.empty();
}

void CVextoraDlg::StartBatch(std::vector<std::string> inputs) {
    ClearResults();
    m_tally = CBatchTally();
    m_bStopped = false;
    EnableCommands(false);
    m_pWorker = new CBatchWorker(m_converter, std::move(inputs), this);
    connect(m_pWorker, &CBatchWorker::NewsArrived, this, &CVextoraDlg::ShowBatchNews,
            Qt::QueuedConnection);
    m_pWorker->Start();
}

// A message box opened here turns the event loop, which may take later news
// first; each piece is taken once, in order.
void CVextoraDlg::ShowBatchNews() {
    CBatchNews news;
    while (m_pWorker && m_pWorker->TakeNews(news)) {
        switch (news.kind) {
            case CBatchNews::RowDone: ShowRowResult(news.row, news.result); break;
            case CBatchNews::Message: OnEngineMessage(news.message); break;
            case CBatchNews::Finished: OnBatchFinished(); break;
        }
    }
}

// A row from the previous batch would pass for this one's until its file is redone.
void CVextoraDlg::ClearResults() {
    ShowStatus(QString());
    for (int row = 0; row < m_pList->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_pList->topLevelItem(row);
        item->setText(1, QString());
        item->setIcon(1, QIcon());
        for (int column = 0; column < 2; ++column) item->setToolTip(column, QString());
    }
}

// After a stop, the rows that have no result yet never started.
void CVextoraDlg::MarkRowsNotStarted() {
    for (int row = 0; row < m_pList->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_pList->topLevelItem(row);
        if (!item->text(1).isEmpty()) continue;
        item->setText(1, tr("not converted"));
        ++m_tally.notStarted;
    }
}

void CVextoraDlg::ShowRowResult(int row, const CRowResult& result) {
    QTreeWidgetItem* item = m_pList->topLevelItem(row);
    if (!item) return;
    m_tally.Count(result);
    item->setText(1, result.converted ? result.outName : tr("failed: %1").arg(result.reason));
    item->setIcon(1, RowMark(*style(), result));
    const QString tip = RowTip(result);
    for (int column = 0; column < 2; ++column) item->setToolTip(column, tip);
    m_pList->scrollToItem(item);
    // The row the batch has reached gets the focus mark without being selected.
    m_pList->selectionModel()->setCurrentIndex(m_pList->indexFromItem(item),
                                               QItemSelectionModel::NoUpdate);
}

void CVextoraDlg::OnEngineMessage(const QString& text) {
    BatchMessageBox(text, QMessageBox::Ok);
    FinishIfPending();
}

void CVextoraDlg::OnCancel() {
    if (IsConverting())
        Stop();
    else
        reject();
}

void CVextoraDlg::Stop() {
    if (!m_pWorker) return;
    m_bStopped = true;
    m_pWorker->Stop();
    m_pCancelButton->setEnabled(false);  // until the file in progress is abandoned
}

void CVextoraDlg::reject() {
    if (!IsConverting()) {
        QDialog::reject();
        return;
    }
    const QString question = tr("Files are being converted. Stop the conversion and close Vextora?");
    if (BatchMessageBox(question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
        m_bCloseWhenStopped = true;
        if (m_pWorker) m_pWorker->Stop();
    }
    FinishIfPending();
}

// A box opened during the batch holds the batch's end until it is answered,
// so that the final question never opens over it.
QMessageBox::StandardButton CVextoraDlg::BatchMessageBox(const QString& text,
                                                         QMessageBox::StandardButtons buttons) {
    ++m_nOpenBoxes;
    const QMessageBox::StandardButton answer = VextoraMessageBox(this, text, buttons);
    --m_nOpenBoxes;
    return answer;
}

void CVextoraDlg::FinishIfPending() {
    if (m_bFinishPending && m_nOpenBoxes == 0) OnBatchFinished();
}

void CVextoraDlg::OnBatchFinished() {
    m_bFinishPending = m_nOpenBoxes > 0;
    if (m_bFinishPending) return;
    // The worker's signal may still be on its way out: it goes once this call is over.
    m_pWorker->Wait();
    m_pWorker->deleteLater();
    m_pWorker = nullptr;
    m_pProgress->TakeSinkState();
    m_pProgress->setVisible(false);
    m_pCancelButton->setEnabled(true);
    EnableCommands(true);
    if (m_bCloseWhenStopped) {
        m_bCloseWhenStopped = false;
        QDialog::reject();
    } else if (m_bStopped) {
        MarkRowsNotStarted();
        ShowStatus(tr("Stopped: %1").arg(m_tally.StatusText()));
    } else {
        ShowStatus(m_tally.StatusText());
        OfferOutputFolder();
    }
    emit BatchFinished();
}

void CVextoraDlg::OfferOutputFolder() {
    const QString folder = DisplayPath(m_converter.Options().outputFolder);
    QString question = QStringLiteral("%1 %2").arg(
        tr("Convert finished, do you need to open the output folder now? \nOutput folder is"), folder);
    if (m_tally.failed > 0) question.prepend(m_tally.FailedLead() + QLatin1Char(' '));
    if (VextoraMessageBox(this, question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    // Every file failed before it could be written: there is nothing to open.
    if (!QFileInfo(folder).isDir())
        VextoraMessageBox(this, tr("The output folder %1 does not exist.").arg(folder));
    else
        OpenOrSay(folder);
}

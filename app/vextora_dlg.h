#pragma once
#include <functional>
// The main dialog: the list of SVG files with their results, the output
// folder, the fill option, the Convert batch, help and about. It owns the
// converter for the whole run of the application and hands it to a worker
// thread for each batch.
#include <string>
#include <vector>

#include <QDialog>
#include <QStringList>

#include "app/batch_tally.h"
#include "convert/svg_converter.h"
#include "platform/qt/message_box.h"
#include "platform/qt/qt_profile.h"

class CBatchWorker;
class CCoolBtn;
struct CRowResult;
class CTextProgressCtrl;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CVextoraDlg : public QDialog {
    Q_OBJECT
public:
    explicit CVextoraDlg(QWidget* parent = nullptr);
    ~CVextoraDlg() override;

    // One row per path, the full path in column 0. While no conversion has
    // run, the folder of the first path becomes the output folder.
    void AddFiles(const QStringList& paths);
    // Deletes the selected rows (not during a batch, whose rows stay put).
    void Remove();
    // Starts the batch: clears the previous results, then every row in list
    // order, results into column 1 as each file ends, the counts in the status
    // line and the offer to open the output folder. Returns at once;
    // BatchFinished follows the final question.
    void Convert();
    // During a batch: abandons the file in progress, marks the rows not
    // started and keeps the window and the list.
    void Stop();
    // The status line under the list: the batch's counts, or names left out.
    void ShowStatus(const QString& text);
    bool IsConverting() const { return m_pWorker != nullptr; }

    CSvgConverter& Converter() { return m_converter; }
    QTreeWidget* FileList() const { return m_pList; }
    QLineEdit* OutputFolderEdit() const { return m_pFolderEdit; }
    QCheckBox* FillCheck() const { return m_pFillCheck; }
    QCheckBox* CutCheck() const { return m_pCutCheck; }
    QLabel* StatusLine() const { return m_pStatus; }
    QCheckBox* BrowserCheck() const { return m_pBrowserCheck; }
    CTextProgressCtrl* Progress() const { return m_pProgress; }
    CCoolBtn* HelpButton() const { return m_pHelpButton; }
    QPushButton* ConvertButton() const { return m_pConvertButton; }
    QPushButton* CancelButton() const { return m_pCancelButton; }

    // Closing and Esc during a batch ask whether to stop it; stopping
    // abandons the file in progress and closes the window once the worker ends.
    void reject() override;

signals:
    void BatchFinished();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Esc on an idle window with files listed asks before closing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void LayOutControls();
    void InitDialog();
    void OnAddFiles();
    void OnBrowse();
    void OnFillOption();
    void ShowFillOption();
    void OnCancel();
    void OnBrowserRules();
    void OnHelp();
    void OnAbout();
    bool PrepareOutputFolder();
    // The converter's options with change applied.
    void ChangeOptions(const std::function<void(CConvertOptions&)>& change);
    void SetOutputFolder(std::string folder);
    void StartBatch(std::vector<std::string> inputs);
    void ClearResults();
    void MarkRowsNotStarted();
    void ShowBatchNews();
    void EnableCommands(bool enable);
    void ShowRowResult(int row, const CRowResult& result);
    void OnEngineMessage(const QString& text);
    void OnBatchFinished();
    QMessageBox::StandardButton BatchMessageBox(const QString& text,
                                                QMessageBox::StandardButtons buttons);
    void FinishIfPending();
    void OfferOutputFolder();
    // A message box naming the path when no program opens it.
    void OpenOrSay(const QString& path);

    CQtProfile m_profile;  // outlives the converter, which writes to it last
    CSvgConverter m_converter;
    CBatchWorker* m_pWorker = nullptr;  // while a batch runs
    int m_nOpenBoxes = 0;            // message boxes open during the batch
    bool m_bFinishPending = false;   // the batch ended while a box was open
    bool m_bCloseWhenStopped = false;
    bool m_bStopped = false;         // the user stopped the batch
    CBatchTally m_tally;

    QTreeWidget* m_pList = nullptr;
    QPushButton* m_pAddButton = nullptr;
    QPushButton* m_pRemoveButton = nullptr;
    QLineEdit* m_pFolderEdit = nullptr;
    QPushButton* m_pBrowseButton = nullptr;
    QCheckBox* m_pFillCheck = nullptr;
    QCheckBox* m_pCutCheck = nullptr;
    QCheckBox* m_pBrowserCheck = nullptr;
    QLabel* m_pStatus = nullptr;
    CTextProgressCtrl* m_pProgress = nullptr;
    CCoolBtn* m_pHelpButton = nullptr;
    QPushButton* m_pConvertButton = nullptr;
    QPushButton* m_pCancelButton = nullptr;
};

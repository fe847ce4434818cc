#pragma once
// The main dialog: the list of SVG files with their results, the output
// folder, the fill option, the Convert batch, help and about. It owns the
// converter for the whole run of the application.
#include <QDialog>
#include <QStringList>

#include "convert/svg_converter.h"
#include "platform/qt/message_box.h"
#include "platform/qt/qt_profile.h"

class CCoolBtn;
class CTextProgressCtrl;
class QCheckBox;
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
    // Deletes the selected rows.
    void Remove();
    // The batch: every row in list order, results into column 1, then the
    // offer to open the output folder.
    void Convert();

    CSvgConverter& Converter() { return m_converter; }
    QTreeWidget* FileList() const { return m_pList; }
    QLineEdit* OutputFolderEdit() const { return m_pFolderEdit; }
    QCheckBox* FillCheck() const { return m_pFillCheck; }
    CTextProgressCtrl* Progress() const { return m_pProgress; }
    CCoolBtn* HelpButton() const { return m_pHelpButton; }
    QPushButton* ConvertButton() const { return m_pConvertButton; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void LayOutControls();
    void InitDialog();
    void OnAddFiles();
    void OnBrowse();
    void OnFillOption();
    void OnHelp();
    void OnAbout();
    bool PrepareOutputFolder();
    void ConvertRow(QTreeWidgetItem* row);
    void OfferOutputFolder();

    CQtProfile m_profile;  // outlives the converter, which writes to it last
    CSvgConverter m_converter;
    CMessageBoxSink m_messages;
    bool m_bConverting = false;

    QTreeWidget* m_pList = nullptr;
    QPushButton* m_pAddButton = nullptr;
    QPushButton* m_pRemoveButton = nullptr;
    QLineEdit* m_pFolderEdit = nullptr;
    QPushButton* m_pBrowseButton = nullptr;
    QCheckBox* m_pFillCheck = nullptr;
    CTextProgressCtrl* m_pProgress = nullptr;
    CCoolBtn* m_pHelpButton = nullptr;
    QPushButton* m_pConvertButton = nullptr;
    QPushButton* m_pCancelButton = nullptr;
};

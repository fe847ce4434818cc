// The main dialog's controls, their layout and their initial state.
#include "app/vextora_dlg.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/batch_worker.h"
#include "app/cool_btn.h"
#include "app/list_columns.h"
#include "app/text_progress_ctrl.h"

namespace {

const int kInputColumnWidth = 260;
const int kOutputColumnWidth = 250;
const int kBannerHeight = 64;

QFrame* EtchedLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

CVextoraDlg::CVextoraDlg(QWidget* parent)
    : QDialog(parent), m_converter(&m_profile) {
    setWindowTitle(QStringLiteral("Vextora"));
    setAcceptDrops(true);
    BuildControls();
    LayOutControls();
    InitDialog();
}

CVextoraDlg::~CVextoraDlg() {
    delete m_pWorker;  // stops a running batch before the converter and the bar go
    m_converter.SetProgressSink(nullptr);
}

void CVextoraDlg::BuildControls() {
    m_pList = new QTreeWidget(this);
    m_pAddButton = new QPushButton(tr("Add File(s)"), this);
    m_pRemoveButton = new QPushButton(tr("Remove"), this);
    m_pFolderEdit = new QLineEdit(this);
    m_pBrowseButton = new QPushButton(QStringLiteral("..."), this);
    m_pFillCheck = new QCheckBox(tr("Output fill entities"), this);
    m_pCutCheck = new QCheckBox(tr("Also write outlines to cut"), this);
    m_pCutCheck->setToolTip(
        tr("Each filled shape's boundary as a polyline after its hatch, for laser and CNC cutting."));
    m_pBrowserCheck = new QCheckBox(tr("Read as browsers draw"), this);
    m_pBrowserCheck->setToolTip(
        tr("Style sheets, inherited styles, every transform, clip paths, markers and true sizes "
           "in millimetres, as a browser shows the drawing. Off: Vextora's classic rules."));
    m_pStatus = new QLabel(this);
    m_pStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pProgress = new CTextProgressCtrl(this);
    m_pHelpButton = new CCoolBtn(tr("Help"), this);
    m_pConvertButton = new QPushButton(tr("Convert"), this);
    m_pCancelButton = new QPushButton(tr("Cancel"), this);

    connect(m_pAddButton, &QPushButton::clicked, this, &CVextoraDlg::OnAddFiles);
    connect(m_pRemoveButton, &QPushButton::clicked, this, &CVextoraDlg::Remove);
    connect(m_pBrowseButton, &QPushButton::clicked, this, &CVextoraDlg::OnBrowse);
    connect(m_pFillCheck, &QCheckBox::clicked, this, &CVextoraDlg::OnFillOption);
    connect(m_pCutCheck, &QCheckBox::clicked, this, &CVextoraDlg::OnFillOption);
    connect(m_pBrowserCheck, &QCheckBox::clicked, this, &CVextoraDlg::OnBrowserRules);
    connect(m_pConvertButton, &QPushButton::clicked, this, &CVextoraDlg::Convert);
    connect(m_pCancelButton, &QPushButton::clicked, this, &CVextoraDlg::OnCancel);
}

void CVextoraDlg::LayOutControls() {
    auto* banner = new QLabel(this);
    banner->setPixmap(VextoraBanner(kInputColumnWidth + kOutputColumnWidth + 120, kBannerHeight));
    banner->setScaledContents(true);
    banner->setFixedHeight(kBannerHeight);
    banner->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(m_pAddButton);
    listButtons->addWidget(m_pRemoveButton);
    listButtons->addStretch();

    auto* files = new QGridLayout;
    files->addWidget(new QLabel(tr("Select SVG File:"), this), 0, 0);
    files->addWidget(m_pList, 1, 0);
    files->addLayout(listButtons, 1, 1);
    files->addWidget(m_pStatus, 2, 0);

    auto* folder = new QHBoxLayout;
    folder->addWidget(new QLabel(tr("Output DXF File:"), this));
    folder->addWidget(m_pFolderEdit, 1);
    folder->addWidget(m_pBrowseButton);
    m_pBrowseButton->setFixedWidth(m_pBrowseButton->fontMetrics().horizontalAdvance("...") + 24);

    auto* commands = new QHBoxLayout;
    commands->addWidget(m_pHelpButton);
    commands->addStretch();
    commands->addWidget(m_pConvertButton);
    commands->addWidget(m_pCancelButton);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(11, 6, 11, 11);
    body->addLayout(files, 1);
    body->addLayout(folder);
    auto* fill = new QHBoxLayout;
    fill->addWidget(m_pFillCheck);
    fill->addWidget(m_pCutCheck);
    fill->addStretch();
    body->addLayout(fill);
    body->addWidget(m_pBrowserCheck);
    body->addWidget(m_pProgress);
    body->addWidget(EtchedLine(this));
    body->addLayout(commands);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(banner);
    layout->addWidget(EtchedLine(this));
    layout->addLayout(body, 1);
}

void CVextoraDlg::InitDialog() {
    // Qt gives no portable access to the window's system menu; the entry
    // lives in the dialog's context menu instead.
    auto* about = new QAction(tr("&About Vextora..."), this);
    connect(about, &QAction::triggered, this, &CVextoraDlg::OnAbout);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    setWindowIcon(VextoraIcon());

    m_pHelpButton->AddMenuItem(tr("&Help"), [this] { OnHelp(); });
    m_pHelpButton->AddMenuItem(tr("&About"), [this] { OnAbout(); });

    m_pList->setColumnCount(2);
    m_pList->setHeaderLabels({tr("Input Files"), tr("Output Files")});
    m_pList->setColumnWidth(0, kInputColumnWidth);
    m_pList->setColumnWidth(1, kOutputColumnWidth);
    m_pList->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ShareColumnWidths(m_pList, double(kInputColumnWidth) / (kInputColumnWidth + kOutputColumnWidth));
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setMinimumWidth(kInputColumnWidth + kOutputColumnWidth + 8);

    m_pProgress->setVisible(false);
    m_pProgress->SetTextMode(true);
    m_pProgress->SetRange(0, 100);
    m_pProgress->SetPosition(0);
    m_converter.SetProgressSink(m_pProgress);

    ShowFillOption();
    m_pBrowserCheck->setChecked(m_converter.Options().svgRules == SvgRules::Browser);
    m_pConvertButton->setDefault(true);
}

// Everything but Cancel, which is Stop during the batch. The fill option and
// the output folder were read when the batch started.
void CVextoraDlg::EnableCommands(bool enable) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_pAddButton, m_pRemoveButton, m_pFolderEdit, m_pBrowseButton, m_pFillCheck,
             m_pBrowserCheck, m_pHelpButton, m_pConvertButton})
        control->setEnabled(enable);
    m_pCutCheck->setEnabled(enable && m_pFillCheck->isChecked());
    m_pCancelButton->setText(enable ? tr("Cancel") : tr("Stop"));
}

#include "app/about_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/artwork.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Vextora"));
    auto* icon = new QLabel(this);
    icon->setPixmap(VextoraIcon().pixmap(48, 48));
    auto* name = new QLabel(QStringLiteral("Vextora Version " VEXTORA_VERSION), this);
    auto* note = new QLabel(tr("Converts SVG drawings into DXF 2000 files."), this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(note);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

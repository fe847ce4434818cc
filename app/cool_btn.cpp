#include "app/cool_btn.h"

#include <QMenu>

CCoolBtn::CCoolBtn(const QString& text, QWidget* parent)
    : QPushButton(text, parent), m_pMenu(new QMenu(this)) {}

void CCoolBtn::AddMenuItem(const QString& text, std::function<void()> command) {
    m_pMenu->addAction(text, this, std::move(command));
    // Qt's button opens an attached menu on any press and draws the arrow.
    if (!menu()) setMenu(m_pMenu);
}

void CCoolBtn::AddMenuSeparator() { m_pMenu->addSeparator(); }

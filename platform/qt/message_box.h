#pragma once
// Every message box of the application goes through VextoraMessageBox, with
// the caption "Vextora". A hook can answer the boxes instead of the user
// (tests and the unattended screenshot run install one).
#include <functional>

#include <QMessageBox>
#include <QString>

using MessageBoxHook =
    std::function<QMessageBox::StandardButton(const QString& text, QMessageBox::StandardButtons)>;

// Replaces the hook; an empty hook shows real boxes again.
void SetMessageBoxHook(MessageBoxHook hook);

// Ok alone shows a warning box, Yes and No a question; returns the answer.
QMessageBox::StandardButton VextoraMessageBox(
    QWidget* parent, const QString& text,
    QMessageBox::StandardButtons buttons = QMessageBox::Ok);

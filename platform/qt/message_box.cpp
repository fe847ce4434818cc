#include "platform/qt/message_box.h"

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

QMessageBox::StandardButton VextoraMessageBox(QWidget* parent, const QString& text,
                                              QMessageBox::StandardButtons buttons) {
    if (Hook()) return Hook()(text, buttons);
    const bool question = buttons.testFlag(QMessageBox::Yes);
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::Warning,
                    QStringLiteral("Vextora"), text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

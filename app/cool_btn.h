#pragma once
// A push button with a drop-down menu: once the menu has an item, a press
// anywhere on the button (face or arrow) opens the menu below it, and the
// chosen item's command runs; without items it is an ordinary button.
#include <functional>

#include <QPushButton>

class QMenu;

class CCoolBtn : public QPushButton {
    Q_OBJECT
public:
    CCoolBtn(const QString& text, QWidget* parent);

    void AddMenuItem(const QString& text, std::function<void()> command);
    void AddMenuSeparator();
    QMenu* Menu() const { return m_pMenu; }

private:
    QMenu* m_pMenu;
};

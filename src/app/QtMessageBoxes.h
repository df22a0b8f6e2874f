#pragma once

#include "app/MessageBoxes.h"

class QWidget;

// Message boxes shown with QMessageBox, modal over the window.
class QtMessageBoxes : public MessageBoxes
{
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : m_parent(parent) {}

    // The window the boxes are modal over.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    Answer show(const QString& prompt, const QString& title, Buttons buttons, Icon icon) override;

private:
    QWidget* m_parent;
};

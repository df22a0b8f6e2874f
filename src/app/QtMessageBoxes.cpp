#include "app/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

MessageBoxes::Answer QtMessageBoxes::show(const QString& prompt, const QString& title,
                                          Buttons buttons, Icon icon)
{
    QMessageBox box(m_parent);
    // Prompts join their lines with CR LF; the box breaks lines at LF alone.
    box.setText(QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
    box.setIcon(icon == Icon::Question      ? QMessageBox::Question
                : icon == Icon::Information ? QMessageBox::Information
                                            : QMessageBox::NoIcon);
    // The prompts speak of the buttons by their Chinese names ("点击[确定]开始").
    box.setStandardButtons(buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                        : QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.setDefaultButton(QMessageBox::Ok);
    if (buttons == Buttons::OkCancel) {
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
        box.setEscapeButton(QMessageBox::Cancel);
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Closed;
    }
}

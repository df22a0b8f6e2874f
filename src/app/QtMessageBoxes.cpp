#include "app/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

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
    if (buttons == Buttons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
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

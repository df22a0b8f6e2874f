// The real message boxes, answered by a timer that finds the open box and presses a button.
#include "app/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs inspect on the box once it is open.
void whenOpen(std::function<void(QMessageBox&)> inspect)
{
    QTimer::singleShot(50, [inspect] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        inspect(*box);
    });
}

TEST(QtMessageBoxes, ConfirmationShowsItsLinesTitleIconAndChineseButtons)
{
    QtMessageBoxes boxes;
    QString text, title, okText, cancelText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenOpen([&](QMessageBox& box) {
        text = box.text();
        title = box.windowTitle();
        icon = box.icon();
        okText = box.button(QMessageBox::Ok)->text();
        cancelText = box.button(QMessageBox::Cancel)->text();
        box.button(QMessageBox::Ok)->click();
    });
    const auto answer = boxes.show("a\r\nb", "即将开始", MessageBoxes::Buttons::OkCancel,
                                   MessageBoxes::Icon::Question);
    EXPECT_EQ(answer, MessageBoxes::Answer::Ok);
    EXPECT_EQ(text, "a\nb");
    EXPECT_EQ(title, "即将开始");
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(okText, "确定");
    EXPECT_EQ(cancelText, "取消");
}

// Whatever is not OK leaves the task alone; the window closed without a choice says so.
TEST(QtMessageBoxes, CancelEscapeAndClosingAreNotOk)
{
    QtMessageBoxes boxes;
    whenOpen([](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
    EXPECT_EQ(boxes.show("x", "t", MessageBoxes::Buttons::OkCancel, MessageBoxes::Icon::None),
              MessageBoxes::Answer::Cancel);
    whenOpen([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(boxes.show("x", "t", MessageBoxes::Buttons::OkCancel, MessageBoxes::Icon::None),
              MessageBoxes::Answer::Cancel);
    whenOpen([](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(boxes.show("x", "t", MessageBoxes::Buttons::OkCancel, MessageBoxes::Icon::None),
              MessageBoxes::Answer::Closed);
}

TEST(QtMessageBoxes, BoxWithoutTitleShowsTheApplicationsTitle)
{
    QtMessageBoxes boxes;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Information;
    int buttons = 0;
    whenOpen([&](QMessageBox& box) {
        title = box.windowTitle();
        icon = box.icon();
        buttons = int(box.buttons().size());
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(boxes.show("用户名或者密码都不能为空", {}, MessageBoxes::Buttons::Ok,
                         MessageBoxes::Icon::None),
              MessageBoxes::Answer::Ok);
    EXPECT_EQ(title, QApplication::applicationDisplayName());
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, 1);
}

} // namespace

#include "app/FormMain.h"
#include "FakeBrowser.h"
#include "FakeMessageBoxes.h"
#include "app/ClickableLabel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FormMainTest : public testing::Test
{
protected:
    FormMainTest() : browser(new FakeBrowser), form(browser, boxes, SiteEndpoints{}, "/nowhere")
    {
        form.show();
    }

    FakeMessageBoxes boxes;
    FakeBrowser* browser;
    FormMain form;
};

struct ControlCase
{
    const char* name;
    QRect geometry; // pixels: twips / 15
    const char* text;
    const char* toolTip;
};

QString textOf(QWidget* widget)
{
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return box->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    return {};
}

TEST_F(FormMainTest, ControlsStartWithTheirPlaceAndText)
{
    const ControlCase cases[] = {
        {"FrmUserLogin", {8, 8, 233, 73}, "校内登陆用户", ""},
        {"LbUserName", {8, 20, 57, 17}, "用户名:", ""},
        {"TxtUserName", {56, 16, 97, 18}, "", ""},
        {"LbPassWord", {8, 50, 57, 17}, "密  码:", ""},
        {"TxtPassWord", {56, 48, 97, 18}, "", ""},
        {"CmdAddLogin", {160, 16, 65, 47}, "开始任务", ""},
        {"Frame1", {248, 8, 369, 73}, "生成设置", ""},
        {"Option1", {8, 16, 97, 17}, "生成好友列表", ""},
        {"Label1", {8, 48, 65, 17}, "每行个数:", ""},
        {"TextNtd", {64, 45, 49, 18}, "10", ""},
        {"Option2", {152, 16, 73, 17}, "生成名字", ""},
        {"TextName", {224, 16, 137, 18}, "鹭岚", "这里写上你的名字吧"},
        {"Label3", {152, 48, 57, 17}, "头像大小:", ""},
        {"TxtHeight", {208, 45, 33, 18}, "30", "单元格高度"},
        {"TxtWidth", {256, 45, 33, 18}, "30", "单元格宽度"},
        {"Label2", {296, 48, 33, 17}, "间隔:", ""},
        {"TextLine", {328, 45, 33, 18}, "4", "每个字的空行数"},
        {"Frame2", {624, 8, 257, 73}, "作者信息:", ""},
        {"Label6", {16, 48, 225, 17}, "点这里进入软件更新页面", ""},
    };
    for (const ControlCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.geometry);
        EXPECT_EQ(textOf(widget), QString::fromUtf8(c.text));
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(c.toolTip));
        EXPECT_TRUE(widget->isEnabled());
        EXPECT_TRUE(widget->isVisible());
    }
    EXPECT_FALSE(form.Option1->isChecked());
    EXPECT_TRUE(form.Option2->isChecked());
    EXPECT_FALSE(form.Label4->text().isEmpty());
    EXPECT_FALSE(form.Label5->text().isEmpty());
}

TEST_F(FormMainTest, StartsIdleWithTheAuthorsHomePage)
{
    EXPECT_EQ(form.size(), QSize(944, 519));
    EXPECT_FALSE(form.flags().bBusy);
    EXPECT_FALSE(form.flags().bGenerated);
    EXPECT_EQ(form.flags().nLoginTries, 0);
    for (QTimer* timer : {form.TimerStart, form.TimerShow}) {
        EXPECT_FALSE(timer->isActive());
        EXPECT_EQ(timer->interval(), 5);
    }
    EXPECT_EQ(browser->navigations, QStringList{SiteEndpoints::authorHomePage()});
    EXPECT_EQ(form.TxtPassWord->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_EQ(form.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
}

TEST_F(FormMainTest, LinkLabelsAreRedAndBlueUnderlined)
{
    EXPECT_EQ(form.Label5->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(form.Label6->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    for (QLabel* link : {static_cast<QLabel*>(form.Label5), static_cast<QLabel*>(form.Label6)}) {
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->font().pointSize(), 9);
    }
}

// Labels and frames take no focus; the chain of controls that Tab visits starts at the browser.
TEST_F(FormMainTest, TabOrderStartsAtTheBrowser)
{
    QList<QWidget*> chain;
    QWidget* widget = browser->widget();
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain << widget;
        widget = widget->nextInFocusChain();
    } while (widget != browser->widget() && chain.size() < 20);
    const QList<QWidget*> expected{browser->widget(), form.TxtUserName, form.TxtPassWord,
                                   form.CmdAddLogin,  form.TextNtd,     form.Option1,
                                   form.Option2,      form.TextName,    form.TxtHeight,
                                   form.TxtWidth,     form.TextLine};
    EXPECT_EQ(chain, expected);
}

TEST_F(FormMainTest, RowLengthBoxTakesTypedDigitsAndBackspaceOnly)
{
    form.TextNtd->setFocus();
    form.TextNtd->end(false);
    QTest::keyClicks(form.TextNtd, "a-. x");
    EXPECT_EQ(form.TextNtd->text(), "10");
    QTest::keyClick(form.TextNtd, Qt::Key_Return);
    QTest::keyClick(form.TextNtd, Qt::Key_Enter);
    EXPECT_EQ(form.TextNtd->text(), "10");
    QTest::keyClicks(form.TextNtd, "25");
    EXPECT_EQ(form.TextNtd->text(), "1025");
    QTest::keyClick(form.TextNtd, Qt::Key_Backspace);
    EXPECT_EQ(form.TextNtd->text(), "102");
    // Keys that type nothing still edit, and pasted text is not checked.
    QTest::keyClick(form.TextNtd, Qt::Key_Home);
    QTest::keyClick(form.TextNtd, Qt::Key_Delete);
    EXPECT_EQ(form.TextNtd->text(), "02");
    form.TextNtd->insert("x-1");
    EXPECT_EQ(form.TextNtd->text(), "x-102");
}

TEST_F(FormMainTest, KeyPressFilterTable)
{
    for (int code : std::initializer_list<int>{'0', '5', '9', 8})
        EXPECT_EQ(FormMain::TextNtd_KeyPress(code), code);
    for (int code : std::initializer_list<int>{'a', '-', '.', ' ', 13, 27, '/', ':', 0x4E00})
        EXPECT_EQ(FormMain::TextNtd_KeyPress(code), 0) << code;
}

TEST_F(FormMainTest, OtherBoxesTakeAnyCharacter)
{
    for (QLineEdit* box : {form.TxtWidth, form.TxtHeight, form.TextLine, form.TextName}) {
        box->clear();
        QTest::keyClicks(box, "a-. 3");
        EXPECT_EQ(box->text(), "a-. 3");
    }
}

TEST_F(FormMainTest, LinkLabelsNavigateOnlyBetweenTasks)
{
    browser->navigations.clear();
    form.flags().bBusy = true;
    QTest::mouseClick(form.Label5, Qt::LeftButton);
    QTest::mouseClick(form.Label6, Qt::LeftButton);
    EXPECT_TRUE(browser->navigations.isEmpty());

    form.flags().bBusy = false;
    QTest::mouseClick(form.Label5, Qt::LeftButton);
    QTest::mouseClick(form.Label6, Qt::LeftButton);
    EXPECT_EQ(browser->navigations,
              (QStringList{SiteEndpoints::authorHomePage(), SiteEndpoints::authorUpdatePage()}));
}

TEST_F(FormMainTest, BrowserFillsTheClientAreaBelowTheFrames)
{
    EXPECT_EQ(browser->widget()->geometry(), QRect(8, 88, 944 - 16, 519 - 88 - 8));
    form.resize(1200, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(browser->widget()->geometry(), QRect(8, 88, 1184, 604));
    // Lower than the browser's top: the width still follows, the height stops at 0.
    form.resize(300, 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(browser->widget()->geometry(), QRect(8, 88, 284, 0));
}

} // namespace

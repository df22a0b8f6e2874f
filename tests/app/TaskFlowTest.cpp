// The whole task over a scripted browser: start and stop, the page-load dispatcher, generation
// from TimerStart, the blog entry filler and the closing message.
#include "FakeBrowser.h"
#include "FakeMessageBoxes.h"
#include "WaitUntil.h"
#include "app/FormMain.h"
#include "app/TaskController.h"
#include "publish/BlogEntryFiller.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kLogin = "http://site.test/GLogin.do";
const QString kHome = "http://site.test/home";
const QString kFriends = "http://site.test/myfriendlistx.do";
const QString kNewEntry = "http://site.test/NewEntry.do";
const QString kPassword = "right";

QString payload(int friends)
{
    QString text = "[";
    for (int i = 1; i <= friends; ++i)
        text +=
            QString(
                "{\"id\":\"%1\",\"sex\":\"1\",\"online\":\"0\",\"school\":\"x\","
                "\"name\":\"\\u5f20%1\",\"head\":\"http:\\/\\/img.test\\/%1.png\",\"groups\":[]},")
                .arg(i);
    return text + "]";
}

// A small site: the login page has the form, the right password leads home, anything else
// back to the login page.
class TaskFlowTest : public testing::Test
{
protected:
    TaskFlowTest()
    {
        EXPECT_TRUE(QFile::copy(NAMEART_FONT, folder.filePath("HZK16")));
        browser = new FakeBrowser;
        browser->pageFor = [this](const QString& url) { return pageFor(url); };
        browser->clickLeadsTo = [this](const QString& name) {
            if (name != "submit")
                return QString();
            return browser->values.value("password") == kPassword ? kHome : kLogin;
        };
        SiteEndpoints site;
        site.mainHost = site.friendListHost = site.blogHost = "site.test";
        form = std::make_unique<FormMain>(browser, boxes, site, folder.path());
        form->TxtUserName->setText("me@site.test");
        form->TxtPassWord->setText(kPassword);
        waitUntil([this] { return browser->pendingLoads() == 0; });
        browser->navigations.clear();
    }

    FakePage pageFor(const QString& url)
    {
        if (url == kLogin)
            return {url, {"email", "password", "submit"}, "<p>login</p>"};
        if (url == kFriends)
            return {url, {}, friendListPayload};
        if (url == kNewEntry) {
            onNewEntryLoad();
            return {url, {"Title", "editor", "publish"}, "<p>form</p>"};
        }
        return {url, {}, "<p></p>"};
    }

    bool doneShown() const
    {
        for (const auto& box : boxes.shown)
            if (box.prompt == QString::fromUtf8(TaskController::kDonePrompt))
                return true;
        return false;
    }

    int shownCount(const QString& prompt) const
    {
        int count = 0;
        for (const auto& box : boxes.shown)
            count += box.prompt == prompt;
        return count;
    }

    void expectIdle()
    {
        EXPECT_EQ(form->CmdAddLogin->text(), "开始任务");
        EXPECT_TRUE(form->CmdAddLogin->isEnabled());
        EXPECT_FALSE(form->flags().bBusy);
    }

    QString pageFile() const { return folder.filePath("temp.html"); }

    QTemporaryDir folder;
    QString friendListPayload = payload(3);
    std::function<void()> onNewEntryLoad = [] {};
    FakeMessageBoxes boxes;
    FakeBrowser* browser;
    std::unique_ptr<FormMain> form;
};

TEST_F(TaskFlowTest, NameArtTaskFillsTheBlogEditorAndEndsOnce)
{
    form->CmdAddLogin->click();
    EXPECT_EQ(form->CmdAddLogin->text(), "终止任务");
    ASSERT_TRUE(waitUntil([this] { return doneShown(); }));
    QCoreApplication::processEvents();

    EXPECT_EQ(browser->navigations, (QStringList{kLogin, kFriends, kNewEntry}));
    EXPECT_EQ(browser->values.value("Title"), QString::fromUtf8(kEntryTitle));
    const QString editor = browser->values.value("editor");
    EXPECT_TRUE(editor.startsWith("<table border='0' cellspacing='0' cellpadding='0' "
                                  "align='center'><tr>友情提示:"));
    EXPECT_TRUE(editor.contains("<a href='http://site.test/profile.do?id=2'target='_blank'>"));
    EXPECT_TRUE(editor.contains("<img src='http://img.test/3.png'alt='姓名: 张3'"));
    EXPECT_FALSE(editor.contains("\r")) << "line ends are removed";
    EXPECT_FALSE(QFile::exists(pageFile()));

    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].prompt, TaskController::confirmPrompt());
    EXPECT_EQ(boxes.shown[0].title, "即将开始");
    EXPECT_EQ(boxes.shown[0].buttons, MessageBoxes::Buttons::OkCancel);
    EXPECT_EQ(boxes.shown[0].icon, MessageBoxes::Icon::Question);
    EXPECT_EQ(boxes.shown[1].title, "恭喜");
    EXPECT_EQ(boxes.shown[1].icon, MessageBoxes::Icon::Information);
    expectIdle();
    EXPECT_TRUE(form->flags().bGenerated);
    EXPECT_EQ(form->flags().nLoginTries, 1);
    EXPECT_FALSE(form->TimerStart->isActive());
    EXPECT_FALSE(form->TimerShow->isActive());
    EXPECT_EQ(browser->clicks, QStringList{"submit"});
}

TEST_F(TaskFlowTest, ConfirmationPromptIsThreeLinesJoinedByCrLf)
{
    const QStringList lines = TaskController::confirmPrompt().split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0],
              "开始任务后，请不要随意点击鼠标，以免程序混乱，造成麻烦!直到出现发布新日志的页面!");
    EXPECT_EQ(lines[1], "中途可能因为网速问题出现假死现象,请耐心等待,切勿关闭窗口！");
    EXPECT_EQ(lines[2], "您清楚了我说的了么？点击[确定]开始");
}

TEST_F(TaskFlowTest, FriendTableHandsOverTheButtonBeforeTheBlogPageLoads)
{
    form->Option1->setChecked(true);
    QString captionAtLoad;
    bool busyAtLoad = false;
    onNewEntryLoad = [&] {
        captionAtLoad = form->CmdAddLogin->text();
        busyAtLoad = form->flags().bBusy;
    };
    form->CmdAddLogin->click();
    ASSERT_TRUE(waitUntil([this] { return doneShown(); }));

    EXPECT_EQ(captionAtLoad, "开始任务");
    EXPECT_TRUE(busyAtLoad);
    const QString editor = browser->values.value("editor");
    EXPECT_TRUE(
        editor.startsWith("<html><head></head><body><table border='0' cellspacing='0' "
                          "cellpadding='0'><tr><td><a href='http://site.test/profile.do?id=1'"));
    EXPECT_TRUE(editor.endsWith("</table></body></html>"));
    EXPECT_EQ(browser->values.value("Title"), QString::fromUtf8(kEntryTitle));
    expectIdle();
}

// Between the friend table's hand-over and the blog page's load the caption already reads
// start: a click there asks for confirmation and starts a new task.
TEST_F(TaskFlowTest, ClickWhileHandingOverStartsANewTask)
{
    form->Option1->setChecked(true);
    browser->autoComplete = false;
    form->CmdAddLogin->click();
    for (int load = 0; load < 3; ++load) // login page, member's home, friend list
        browser->completeLoad();
    ASSERT_TRUE(waitUntil([this] { return form->flags().bGenerated; }));
    ASSERT_EQ(browser->navigations.last(), kNewEntry);
    EXPECT_EQ(form->CmdAddLogin->text(), "开始任务");
    EXPECT_TRUE(form->flags().bBusy);

    boxes.shown.clear();
    form->CmdAddLogin->click();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].prompt, TaskController::confirmPrompt());
    EXPECT_EQ(browser->navigations.last(), kLogin);
    EXPECT_EQ(form->CmdAddLogin->text(), "终止任务");
    EXPECT_FALSE(form->flags().bGenerated);
    EXPECT_EQ(form->flags().nLoginTries, 0);
}

TEST_F(TaskFlowTest, TenthLoginPageLoadGivesUp)
{
    form->TxtPassWord->setText("wrong");
    bool busyDuringMessage = false;
    boxes.whileOpen = [&](const FakeMessageBoxes::Shown& box) {
        if (box.prompt == "用户名或者密码错误！")
            busyDuringMessage = form->flags().bBusy;
    };
    form->CmdAddLogin->click();
    ASSERT_TRUE(waitUntil([this] { return boxes.shown.size() == 2; }));
    QCoreApplication::processEvents();

    EXPECT_EQ(browser->clicks.size(), 10);
    EXPECT_EQ(boxes.shown[1].prompt, "用户名或者密码错误！");
    EXPECT_EQ(boxes.shown[1].title, "");
    EXPECT_EQ(boxes.shown[1].buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(boxes.shown[1].icon, MessageBoxes::Icon::None);
    EXPECT_TRUE(busyDuringMessage);
    EXPECT_EQ(browser->navigations, (QStringList{kLogin, SiteEndpoints::authorHomePage()}));
    EXPECT_EQ(form->flags().nLoginTries, 0);
    expectIdle();
}

TEST_F(TaskFlowTest, LoginPageWithoutTheFormStillCounts)
{
    form->flags().bBusy = true;
    for (int i = 0; i < 3; ++i)
        browser->showPage({kLogin + "?error=1", {}, ""});
    EXPECT_EQ(form->flags().nLoginTries, 3);
    EXPECT_TRUE(browser->clicks.isEmpty());
}

TEST_F(TaskFlowTest, EveryNotificationOfALoginPageSubmitsAndCounts)
{
    form->flags().bBusy = true;
    browser->clickLeadsTo = nullptr;
    browser->showPage(pageFor(kLogin));
    browser->repeatDocumentComplete();
    EXPECT_EQ(form->flags().nLoginTries, 2);
    EXPECT_EQ(browser->clicks.size(), 2);
    // The account texts are read again at each load.
    form->TxtUserName->setText("other@site.test");
    browser->repeatDocumentComplete();
    EXPECT_EQ(browser->values.value("email"), "other@site.test");
}

TEST_F(TaskFlowTest, PageLoadsDoNothingWhileNoTaskRuns)
{
    for (const QString& url : {kLogin, kHome, kFriends, kNewEntry})
        browser->showPage(pageFor(url));
    EXPECT_EQ(browser->silentWrites, 0);
    EXPECT_TRUE(browser->clicks.isEmpty());
    EXPECT_TRUE(browser->navigations.isEmpty());
    EXPECT_FALSE(form->TimerStart->isActive());
    EXPECT_FALSE(form->TimerShow->isActive());
}

TEST_F(TaskFlowTest, StopEndsTheTaskAtOnceWithoutConfirmation)
{
    browser->autoComplete = false;
    form->CmdAddLogin->click();
    browser->completeLoad(); // login page: submitted once
    ASSERT_EQ(form->flags().nLoginTries, 1);
    boxes.shown.clear();

    form->CmdAddLogin->click();
    EXPECT_TRUE(boxes.shown.isEmpty());
    expectIdle();
    EXPECT_EQ(form->flags().nLoginTries, 1);
    EXPECT_EQ(browser->navigations.last(), SiteEndpoints::authorHomePage());
    // The pending loads arrive after the stop and are ignored.
    while (browser->pendingLoads() > 0)
        browser->completeLoad();
    EXPECT_EQ(browser->clicks.size(), 1);
    EXPECT_EQ(form->flags().nLoginTries, 1);

    // The next start resets the count.
    form->CmdAddLogin->click();
    EXPECT_EQ(form->flags().nLoginTries, 0);
    EXPECT_TRUE(form->flags().bBusy);
}

TEST_F(TaskFlowTest, CancelOrAnEmptyAccountChangesNothing)
{
    struct Case
    {
        MessageBoxes::Answer answer;
        QString user, password;
        bool emptyMessage;
    };
    const Case cases[] = {
        {MessageBoxes::Answer::Cancel, "u", "p", false},
        {MessageBoxes::Answer::Closed, "u", "p", false},
        {MessageBoxes::Answer::Ok, "u", "", true},
        {MessageBoxes::Answer::Ok, "", "p", true},
    };
    for (const Case& c : cases) {
        boxes.shown.clear();
        boxes.answers = {c.answer};
        form->TxtUserName->setText(c.user);
        form->TxtPassWord->setText(c.password);
        form->flags().nLoginTries = 7;
        form->CmdAddLogin->click();
        EXPECT_EQ(boxes.shown.size(), c.emptyMessage ? 2 : 1);
        if (c.emptyMessage) {
            EXPECT_EQ(boxes.shown[1].prompt, "用户名或者密码都不能为空");
            EXPECT_EQ(boxes.shown[1].title, "");
            EXPECT_EQ(boxes.shown[1].icon, MessageBoxes::Icon::None);
        }
        EXPECT_TRUE(browser->navigations.isEmpty());
        EXPECT_EQ(form->flags().nLoginTries, 7);
        expectIdle();
    }
    // Blanks only count as filled.
    form->TxtUserName->setText(" ");
    form->TxtPassWord->setText("  ");
    form->CmdAddLogin->click();
    EXPECT_EQ(browser->navigations, QStringList{kLogin});
    EXPECT_TRUE(form->flags().bBusy);
}

TEST_F(TaskFlowTest, FriendListArmsGenerationOncePerTask)
{
    browser->autoComplete = false;
    form->flags().bBusy = true;
    form->flags().bGenerated = true;
    browser->showPage(pageFor(kFriends));
    EXPECT_FALSE(form->TimerStart->isActive());
    form->flags().bGenerated = false;
    browser->showPage(pageFor(kFriends));
    EXPECT_TRUE(form->TimerStart->isActive());
}

TEST_F(TaskFlowTest, TempBeforeNewEntryDoesNotFillTheEditor)
{
    form->flags().bBusy = true;
    browser->showPage({"http://site.test/temp/NewEntry.do", {"Title", "editor"}, ""});
    EXPECT_TRUE(browser->values.isEmpty());
    EXPECT_TRUE(form->flags().bBusy);
    EXPECT_FALSE(form->TimerShow->isActive());
}

// A second notification of the new-entry page handled inside AddNew's event pass runs AddNew
// again; it finds the page file gone and must not blank the editor the first run filled.
TEST_F(TaskFlowTest, NestedAddNewKeepsTheFilledEditor)
{
    QFile file(pageFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<tr>\r\n<td>\r\n</td>\r\n");
    file.close();
    form->flags().bBusy = true;
    QTimer::singleShot(0, browser, [this] { browser->repeatDocumentComplete(); });
    browser->showPage(pageFor(kNewEntry));

    EXPECT_EQ(browser->values.value("editor"), "<tr><td></td>");
    EXPECT_EQ(browser->values.value("Title"), QString::fromUtf8(kEntryTitle));
    EXPECT_FALSE(QFile::exists(pageFile()));
    expectIdle();
    ASSERT_TRUE(waitUntil([this] { return doneShown(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(shownCount(QString::fromUtf8(TaskController::kDonePrompt)), 1);
}

TEST_F(TaskFlowTest, AddNewWithoutAPageFileStillEndsTheTask)
{
    form->flags().bBusy = true;
    form->CmdAddLogin->setText("终止任务");
    browser->showPage(pageFor(kNewEntry));
    EXPECT_FALSE(browser->values.contains("editor"));
    EXPECT_FALSE(browser->values.contains("Title"));
    expectIdle();
    EXPECT_TRUE(form->TimerShow->isActive());
}

TEST_F(TaskFlowTest, MissingFontEndsTheTaskWithAMessage)
{
    QFile::remove(folder.filePath("HZK16"));
    form->CmdAddLogin->click();
    ASSERT_TRUE(waitUntil([this] { return boxes.shown.size() == 2; }));
    EXPECT_TRUE(boxes.shown[1].prompt.contains("HZK16"));
    expectIdle();
    EXPECT_FALSE(form->TimerStart->isActive());
    EXPECT_FALSE(QFile::exists(pageFile()));
    EXPECT_FALSE(browser->navigations.contains(kNewEntry));
    EXPECT_FALSE(QFile::exists(folder.filePath("HZK16"))) << "the font file is never created";
}

TEST_F(TaskFlowTest, UnwritablePageFileEndsTheTaskWithAMessage)
{
    SiteEndpoints site;
    site.mainHost = site.friendListHost = site.blogHost = "site.test";
    browser = new FakeBrowser;
    browser->pageFor = [this](const QString& url) { return pageFor(url); };
    browser->clickLeadsTo = [](const QString&) { return kHome; };
    form = std::make_unique<FormMain>(browser, boxes, site, folder.filePath("missing/folder"));
    form->TxtUserName->setText("u");
    form->TxtPassWord->setText("p");
    form->Option1->setChecked(true);
    form->CmdAddLogin->click();
    ASSERT_TRUE(waitUntil([this] { return boxes.shown.size() == 2; }));
    EXPECT_TRUE(boxes.shown[1].prompt.contains("temp.html"));
    expectIdle();
    EXPECT_FALSE(form->TimerStart->isActive());
    EXPECT_FALSE(browser->navigations.contains(kNewEntry));
}

TEST_F(TaskFlowTest, ShortPayloadOrBusyBrowserLeavesTheTaskRunning)
{
    for (const bool busy : {false, true}) {
        SCOPED_TRACE(busy ? "busy browser" : "19-character payload");
        friendListPayload = busy ? payload(3) : QString(19, 'x');
        browser->autoComplete = !busy;
        form->flags() = TaskFlags{true, 1, false};
        browser->navigations.clear();
        browser->showPage(pageFor(kFriends));
        if (busy)
            browser->Navigate(kHome); // a load in progress when the timer fires
        ASSERT_TRUE(waitUntil([this] { return form->flags().bGenerated; }));
        EXPECT_FALSE(QFile::exists(pageFile()));
        EXPECT_FALSE(browser->navigations.contains(kNewEntry));
        EXPECT_TRUE(form->flags().bBusy);
        EXPECT_FALSE(form->TimerStart->isActive());
        browser->completeLoad();
    }
}

} // namespace

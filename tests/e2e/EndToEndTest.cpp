// Whole tasks for real: the window, the embedded browser and the simulated site, offscreen.
#include "FakeMessageBoxes.h"
#include "SiteProcess.h"
#include "WaitUntil.h"
#include "app/FormMain.h"
#include "app/TaskController.h"
#include "automation/WebEngineBrowser.h"
#include "publish/BlogEntryFiller.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

constexpr int kTaskTimeoutMs = 90000;
const QString kUnsetAnswer = "<no answer>";

class EndToEndTest : public testing::Test
{
protected:
    void startSite(const QStringList& arguments)
    {
        site = std::make_unique<SiteProcess>(arguments);
        ASSERT_TRUE(site->started());
        ASSERT_TRUE(QFile::copy(NAMEART_FONT, folder.filePath("HZK16")));
        form = std::make_unique<FormMain>(new WebEngineBrowser(nullptr), boxes,
                                          SiteEndpoints::atBase(QUrl(site->base())), folder.path());
        form->TxtUserName->setText("demo@nameart.test");
        form->TxtPassWord->setText("demo123");
        form->show();
        QObject::connect(form->WebMain, &Browser::DocumentComplete, form.get(),
                         [this](const QString& url) { loads << url; });
        ASSERT_TRUE(waitUntil([this] { return !form->WebMain->Busy() && !loads.isEmpty(); }));
    }

    bool shown(const QString& prompt) const
    {
        return std::any_of(boxes.shown.begin(), boxes.shown.end(),
                           [&](const auto& box) { return box.prompt == prompt; });
    }

    bool waitForMessage(const QString& prompt, int timeoutMs = kTaskTimeoutMs)
    {
        return waitUntil([&] { return shown(prompt); }, timeoutMs);
    }

    QString evaluate(const QString& script)
    {
        auto* view = qobject_cast<QWebEngineView*>(form->WebMain->widget());
        QString answer = kUnsetAnswer;
        view->page()->runJavaScript(script,
                                    [&](const QVariant& value) { answer = value.toString(); });
        waitUntil([&] { return answer != kUnsetAnswer; });
        return answer;
    }

    QString editorText() { return evaluate("document.getElementsByName('editor')[0].value"); }

    // Publishes the entry as the user would, and counts the avatars the published page shows.
    int publishAndCountLinkedAvatars()
    {
        const int before = int(loads.size());
        EXPECT_TRUE(form->WebMain->Click("publish"));
        EXPECT_TRUE(waitUntil([&] { return loads.size() > before && !form->WebMain->Busy(); }));
        EXPECT_TRUE(form->WebMain->LocationURL().contains("/blog/entry"))
            << form->WebMain->LocationURL().toStdString() << " after "
            << loads.join(" ").toStdString();
        // Wait for every avatar image to arrive before counting what is shown.
        waitUntil([&] {
            return evaluate("Array.from(document.images).every(i => i.complete)") == "true";
        });
        return evaluate("document.querySelectorAll(\"a[href*='/profile.do?id='] img\").length")
            .toInt();
    }

    void expectIdle()
    {
        EXPECT_EQ(form->CmdAddLogin->text(), "开始任务");
        EXPECT_TRUE(form->CmdAddLogin->isEnabled());
        EXPECT_FALSE(form->flags().bBusy);
    }

    QTemporaryDir folder;
    FakeMessageBoxes boxes;
    std::unique_ptr<SiteProcess> site;
    std::unique_ptr<FormMain> form;
    QStringList loads;
};

const QString kDone = QString::fromUtf8(TaskController::kDonePrompt);

TEST_F(EndToEndTest, NameArtWithThreeHundredFriends)
{
    startSite({"--friends", "300", "--seed", "7"});
    form->CmdAddLogin->click();
    ASSERT_TRUE(waitForMessage(kDone));

    const QString editor = editorText();
    EXPECT_TRUE(editor.startsWith("<table border='0' cellspacing='0' cellpadding='0' "
                                  "align='center'><tr>友情提示:"));
    EXPECT_TRUE(editor.endsWith("</table>"));
    const int avatars = int(editor.count("<img src='"));
    EXPECT_GT(avatars, 100) << "鹭岚 lights more than a hundred dots";
    EXPECT_EQ(editor.count("<td width='30' height='30'>"), 2 * 256) << "16 rows of 16 dots";
    EXPECT_EQ(evaluate("document.getElementsByName('Title')[0].value"),
              QString::fromUtf8(kEntryTitle));
    EXPECT_FALSE(QFile::exists(folder.filePath("temp.html")));
    EXPECT_EQ(std::count_if(boxes.shown.begin(), boxes.shown.end(),
                            [](const auto& box) { return box.prompt == kDone; }),
              1);
    expectIdle();
    EXPECT_EQ(form->flags().nLoginTries, 1);
    EXPECT_TRUE(form->flags().bGenerated);

    EXPECT_EQ(publishAndCountLinkedAvatars(), avatars);
}

TEST_F(EndToEndTest, FriendTableWithHostileNames)
{
    startSite({"--friends", "25", "--seed", "3", "--hostile"});
    form->Option1->setChecked(true);
    form->CmdAddLogin->click();
    ASSERT_TRUE(waitForMessage(kDone));

    const QString editor = editorText();
    EXPECT_TRUE(editor.startsWith("<html><head></head><body>"));
    const int avatars = int(editor.count("<img src='"));
    EXPECT_GE(avatars, 25);
    EXPECT_EQ(editor.count("<tr>"), (avatars + 9) / 10);
    expectIdle();
    // Hostile names add no element and no attribute to the published page.
    EXPECT_EQ(publishAndCountLinkedAvatars(), avatars);
    EXPECT_EQ(evaluate("document.querySelectorAll('[onmouseover], script:not([src])').length"),
              "0");
}

// Refused submissions each bring the login page back and count; a successful one does not
// reset the count. A login page holding a frame still completes once per load here.
TEST_F(EndToEndTest, RefusedLoginsAreCountedAndTheTaskGoesOn)
{
    startSite({"--friends", "10", "--login-fails", "2", "--frames"});
    form->TextName->setText("一");
    form->CmdAddLogin->click();
    ASSERT_TRUE(waitForMessage(kDone));
    EXPECT_EQ(form->flags().nLoginTries, 3);
    EXPECT_EQ(loads.filter("GLogin.do").size(), 3);
    expectIdle();
}

TEST_F(EndToEndTest, WrongPasswordGivesUpAtTheTenthLoginPage)
{
    startSite({"--friends", "5"});
    form->TxtPassWord->setText("wrong");
    int loginLoadsAtMessage = -1;
    boxes.whileOpen = [&](const FakeMessageBoxes::Shown& box) {
        // The load being handled is not in the list yet: the window hears of it first.
        if (box.prompt == "用户名或者密码错误！")
            loginLoadsAtMessage = int(loads.filter("GLogin.do").size()) + 1;
    };
    form->CmdAddLogin->click();
    ASSERT_TRUE(waitForMessage("用户名或者密码错误！"));
    EXPECT_EQ(loginLoadsAtMessage, 10);
    expectIdle();
    EXPECT_EQ(form->flags().nLoginTries, 0);
    EXPECT_FALSE(shown(kDone));
}

TEST_F(EndToEndTest, StopInTheMiddleEndsTheTask)
{
    startSite({"--friends", "20", "--delay-ms", "400"});
    form->CmdAddLogin->click();
    ASSERT_TRUE(waitUntil([this] { return form->flags().nLoginTries == 1; }, 30000));
    form->CmdAddLogin->click();
    expectIdle();
    ASSERT_TRUE(waitUntil([this] { return !form->WebMain->Busy(); }, 30000));
    // Give any late load the time to arrive; none may move the task on.
    QTest::qWait(1500);
    EXPECT_FALSE(loads.filter("NewEntry.do").size() > 0);
    EXPECT_FALSE(form->TimerShow->isActive());
    EXPECT_FALSE(shown(kDone));
    EXPECT_EQ(form->WebMain->LocationURL(), SiteEndpoints::authorHomePage());
}

TEST_F(EndToEndTest, SlowSiteStillCompletes)
{
    startSite({"--friends", "40", "--delay-ms", "600"});
    form->TextName->setText("人");
    form->CmdAddLogin->click();
    ASSERT_TRUE(waitForMessage(kDone));
    EXPECT_GT(editorText().count("<img src='"), 10);
    expectIdle();
}

} // namespace

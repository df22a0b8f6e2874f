#include "app/TaskController.h"

#include "app/FormMain.h"
#include "app/MessageBoxes.h"
#include "app/PageGenerators.h"
#include "automation/Browser.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

const QString& TaskController::confirmPrompt()
{
    static const QString prompt = QStringLiteral(
        "开始任务后，请不要随意点击鼠标，以免程序混乱，造成麻烦!直到出现发布新日志的页面!"
        "\r\n"
        "中途可能因为网速问题出现假死现象,请耐心等待,切勿关闭窗口！"
        "\r\n"
        "您清楚了我说的了么？点击[确定]开始");
    return prompt;
}

// The caption alone decides between start and stop; bBusy may disagree with it (after the
// friend table has handed over to the blog page, the caption already reads start).
void TaskController::CmdAddLogin_Click()
{
    if (m_form.CmdAddLogin->text() == QString::fromUtf8(FormMain::kStop))
        stopTask();
    else
        startTask();
}

// A stop neither disarms TimerStart nor resets the login count: an armed generation still
// runs, and the dispatcher ignores the page it opens.
void TaskController::stopTask()
{
    m_form.CmdAddLogin->setText(QString::fromUtf8(FormMain::kStart));
    m_form.flags().bBusy = false;
    m_form.WebMain->Navigate(SiteEndpoints::authorHomePage());
}

void TaskController::startTask()
{
    MessageBoxes& boxes = m_form.messageBoxes();
    const auto answer = boxes.show(confirmPrompt(), QString::fromUtf8(kConfirmTitle),
                                   MessageBoxes::Buttons::OkCancel, MessageBoxes::Icon::Question);
    if (answer != MessageBoxes::Answer::Ok)
        return;
    // Blanks count as filled: the account texts are sent as typed.
    if (m_form.TxtUserName->text().isEmpty() || m_form.TxtPassWord->text().isEmpty()) {
        m_form.showMessage(QString::fromUtf8(kEmptyAccount));
        return;
    }
    TaskFlags& flags = m_form.flags();
    flags.nLoginTries = 0;
    flags.bBusy = true;
    flags.bGenerated = false;
    m_form.WebMain->Navigate(m_form.site().loginPage());
    m_form.CmdAddLogin->setText(QString::fromUtf8(FormMain::kStop));
}

// The mode is read when the timer fires, not when the task started.
void TaskController::TimerStart_Timer()
{
    if (m_inTimerStart)
        return;
    m_inTimerStart = true;
    PageGenerators& generators = m_form.pageGenerators();
    const std::optional<QString> failure =
        m_form.Option1->isChecked() ? generators.GetInfo() : generators.MakeName();
    m_form.flags().bGenerated = true;
    m_form.TimerStart->stop();
    m_inTimerStart = false;
    if (failure)
        endWithFailure(*failure);
}

// A generator that could not write its page ends the task: the user learns what failed and the
// window is ready for the next start.
void TaskController::endWithFailure(const QString& what)
{
    m_form.restoreStartButton();
    m_form.flags().bBusy = false;
    m_form.showMessage(what);
}

void TaskController::TimerShow_Timer()
{
    if (m_inTimerShow)
        return;
    m_inTimerShow = true;
    m_form.messageBoxes().show(QString::fromUtf8(kDonePrompt), QString::fromUtf8(kDoneTitle),
                               MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information);
    m_form.TimerShow->stop();
    m_inTimerShow = false;
}

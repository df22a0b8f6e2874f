#pragma once

#include <QString>

class FormMain;

// Starts and stops the task from the start/stop button, and runs the two one-shot timers:
// TimerStart generates the page outside the browser's page-load event, TimerShow shows the
// closing message once the blog editor has been filled.
class TaskController
{
public:
    static constexpr const char* kConfirmTitle = "即将开始";
    static const QString& confirmPrompt();
    static constexpr const char* kEmptyAccount = "用户名或者密码都不能为空";
    static constexpr const char* kDoneTitle = "恭喜";
    static constexpr const char* kDonePrompt = "现在您可以编辑并发布您的作品了，感谢您支持岫园！";

    explicit TaskController(FormMain& form) : m_form(form) {}

    void CmdAddLogin_Click();
    void TimerStart_Timer();
    void TimerShow_Timer();

private:
    void stopTask();
    void startTask();
    void endWithFailure(const QString& what);

    FormMain& m_form;
    // The handlers run nested event loops (a script call, a message box); a timer must not
    // run its handler again from inside one.
    bool m_inTimerStart = false;
    bool m_inTimerShow = false;
};

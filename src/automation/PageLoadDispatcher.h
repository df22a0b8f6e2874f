#pragma once

class TaskWindow;

// Moves a running task one step on each time the browser has finished loading a page:
// logs in, walks from the member's home page to the friend list, arms generation there and
// hands the blog new-entry page to the entry filler.
class PageLoadDispatcher
{
public:
    static constexpr int kLoginLimit = 10;
    static constexpr int kBusyRoundMs = 20;

    explicit PageLoadDispatcher(TaskWindow& window) : m_window(window) {}

    void WebMain_DocumentComplete();

private:
    void waitWhileBusy();
    void submitLogin();
    void giveUpLogin();

    TaskWindow& m_window;
};

#pragma once

#include "automation/TaskFlags.h"

#include <QString>

class Browser;
struct SiteEndpoints;

// What the page-load dispatcher and the blog entry filler need of the window that runs the
// task. FormMain implements it.
class TaskWindow
{
public:
    virtual ~TaskWindow() = default;

    virtual TaskFlags& flags() = 0;
    virtual Browser& webMain() = 0;
    virtual const SiteEndpoints& site() const = 0;

    // The account texts as the boxes hold them right now.
    virtual QString userName() const = 0;
    virtual QString passWord() const = 0;

    // The start button back to "开始任务", enabled.
    virtual void restoreStartButton() = 0;
    virtual void armTimerStart() = 0;
    virtual void armTimerShow() = 0;
    // A message with an OK button only, no icon, the application's title.
    virtual void showMessage(const QString& prompt) = 0;

    // Fills the blog editor from the page file and ends the task.
    virtual void AddNew() = 0;
    // Where the page file lives: beside the program.
    virtual QString pageFilePath() const = 0;
};

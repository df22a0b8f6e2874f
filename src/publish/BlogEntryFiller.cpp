#include "publish/BlogEntryFiller.h"

#include "automation/Browser.h"
#include "automation/TaskWindow.h"
#include "publish/EntryText.h"

#include <QCoreApplication>
#include <QFile>

void BlogEntryFiller::AddNew()
{
    fillEntryForm();
    QFile::remove(m_window.pageFilePath());
    // Events that are due run here, before the task ends. A second load of the new-entry page
    // handled now runs AddNew again; it finds the file gone and leaves the form alone.
    QCoreApplication::processEvents();
    endTask();
}

// Without a page file (missing, or already used by an earlier run in this task) the title and
// the editor keep what they hold, so a nested run never blanks a form the first run filled.
void BlogEntryFiller::fillEntryForm()
{
    const std::optional<std::string> entryText =
        readEntryText(QFile::encodeName(m_window.pageFilePath()).toStdString());
    if (!entryText)
        return;
    Browser& browser = m_window.webMain();
    browser.setValue(QStringLiteral("Title"), QString::fromUtf8(kEntryTitle));
    browser.setValue(QStringLiteral("editor"), QString::fromStdString(*entryText));
}

void BlogEntryFiller::endTask()
{
    m_window.restoreStartButton();
    m_window.flags().bBusy = false;
    m_window.armTimerShow();
}

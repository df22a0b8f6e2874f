#pragma once

#include "app/MessageBoxes.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class FormMain;

// Message boxes answered at once with OK, for a run without anyone at the screen.
// Every box shown is passed on to a listener.
class AutoMessageBoxes : public MessageBoxes
{
public:
    std::function<void(const QString& prompt)> onShown;

    Answer show(const QString& prompt, const QString& title, Buttons buttons, Icon icon) override;
};

// Runs one whole task by itself, as a user would: presses the start button, confirms, waits
// for the closing message, saves a screenshot of the window with the filled blog editor,
// publishes the entry on the site and saves a screenshot of the published page.
class AutoDemo : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QString screenshotFolder;
        int timeoutSeconds = 120;
    };

    AutoDemo(FormMain& form, AutoMessageBoxes& boxes, Options options, QObject* parent = nullptr);

    void start();

signals:
    // 0 on success; otherwise the reason has been printed on standard error.
    void finished(int exitCode);

private:
    void onMessage(const QString& prompt);
    void noteEntrySize();
    void captureEditor();
    void publish();
    void onPageLoaded();
    void capturePublished();
    QString saveScreenshot(const QString& fileName);
    void fail(const QString& reason);
    void finish(int exitCode);
    // A line of the task's timeline, in milliseconds since the start button was pressed.
    void mark(const QString& what);

    FormMain& m_form;
    Options m_options;
    QElapsedTimer m_clock;
    qint64 m_entryBytes = -1;
    bool m_publishing = false;
    bool m_done = false;
};

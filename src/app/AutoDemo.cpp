#include "app/AutoDemo.h"

#include "app/FormMain.h"
#include "app/TaskController.h"
#include "automation/Browser.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace {

// Time for the page to paint (avatars arrive one by one) before its picture is taken.
constexpr int kSettleMs = 1500;

void printLine(FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

} // namespace

MessageBoxes::Answer AutoMessageBoxes::show(const QString& prompt, const QString&, Buttons, Icon)
{
    if (onShown)
        onShown(prompt);
    return Answer::Ok;
}

AutoDemo::AutoDemo(FormMain& form, AutoMessageBoxes& boxes, Options options, QObject* parent)
    : QObject(parent), m_form(form), m_options(std::move(options))
{
    boxes.onShown = [this](const QString& prompt) { onMessage(prompt); };
    // Connected after the window's own handler, so the page file has just been written when
    // this runs, and AddNew has not yet deleted it.
    connect(m_form.TimerStart, &QTimer::timeout, this, &AutoDemo::noteEntrySize);
    connect(m_form.WebMain, &Browser::DocumentComplete, this, &AutoDemo::onPageLoaded);
}

void AutoDemo::start()
{
    QTimer::singleShot(m_options.timeoutSeconds * 1000, this, [this] {
        fail(QStringLiteral("time limit of %1 s reached").arg(m_options.timeoutSeconds));
    });
    QTimer::singleShot(0, this, [this] {
        m_clock.start();
        m_form.CmdAddLogin->click();
    });
}

void AutoDemo::onMessage(const QString& prompt)
{
    printLine(stdout, QStringLiteral("message: ") + QString(prompt).replace("\r\n", " / "));
    if (prompt == TaskController::confirmPrompt())
        return;
    if (prompt == QString::fromUtf8(TaskController::kDonePrompt)) {
        mark(QStringLiteral("blog editor filled, closing message shown"));
        QTimer::singleShot(kSettleMs, this, &AutoDemo::captureEditor);
        return;
    }
    // Any other message ends the task without an entry.
    QTimer::singleShot(0, this, [this, prompt] { fail(prompt); });
}

void AutoDemo::noteEntrySize()
{
    const QFileInfo page(m_form.pageFilePath());
    if (page.exists())
        m_entryBytes = page.size();
    mark(QStringLiteral("page generated (%1 bytes)").arg(m_entryBytes));
}

void AutoDemo::captureEditor()
{
    const QString path = saveScreenshot(QStringLiteral("nameart-editor.png"));
    if (path.isEmpty())
        return;
    printLine(stdout, QStringLiteral("screenshot of the filled blog editor: ") + path);
    printLine(stdout, QStringLiteral("entry size: %1 bytes").arg(m_entryBytes));
    publish();
}

// Publishing is the user's step; only this unattended run takes it, for the second picture.
void AutoDemo::publish()
{
    m_publishing = true;
    if (!m_form.WebMain->Click(QStringLiteral("publish")))
        fail(QStringLiteral("the blog page has no publish button"));
}

void AutoDemo::onPageLoaded()
{
    mark(QStringLiteral("loaded ") + m_form.WebMain->LocationURL());
    if (m_publishing && !m_done)
        QTimer::singleShot(kSettleMs, this, &AutoDemo::capturePublished);
}

void AutoDemo::capturePublished()
{
    if (m_done)
        return;
    const QString path = saveScreenshot(QStringLiteral("nameart-published.png"));
    if (path.isEmpty())
        return;
    printLine(stdout, QStringLiteral("screenshot of the published entry: ") + path +
                          QStringLiteral(" (") + m_form.WebMain->LocationURL() +
                          QStringLiteral(")"));
    finish(0);
}

QString AutoDemo::saveScreenshot(const QString& fileName)
{
    QDir().mkpath(m_options.screenshotFolder);
    const QString path = QDir(m_options.screenshotFolder).absoluteFilePath(fileName);
    if (!m_form.grab().save(path)) {
        fail(QStringLiteral("cannot save the screenshot ") + path);
        return {};
    }
    return path;
}

void AutoDemo::mark(const QString& what)
{
    if (m_clock.isValid() && !m_done)
        printLine(stdout, QStringLiteral("t=%1 ms  ").arg(m_clock.elapsed(), 6) + what);
}

void AutoDemo::fail(const QString& reason)
{
    printLine(stderr, QStringLiteral("nameart --auto failed: ") + reason);
    finish(1);
}

void AutoDemo::finish(int exitCode)
{
    if (m_done)
        return;
    m_done = true;
    emit finished(exitCode);
}

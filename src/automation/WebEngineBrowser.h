#pragma once

#include "automation/Browser.h"

#include <QPointer>
#include <QTimer>
#include <QVariant>

class QWebEngineProfile;
class QWebEngineView;
class SilentWebPage;

// The embedded browser over Qt WebEngine: a view placed in the window, showing one page of an
// off-the-record profile, so no cookie, cache entry or history outlives the program.
//
// DocumentComplete is raised once per finished top-level load (once for a page with frames),
// and only when the browser is idle again: a load that a new navigation replaces is folded into
// that one and raises nothing of its own.
//
// Document operations run a short script in the page and wait for its answer in a local event
// loop, bounded by the script timeout. While one waits, the window's events keep being handled:
// a DocumentComplete handler (or any other) may run inside the wait and may itself call the
// browser; each call still ends with its own answer or its own timeout.
class WebEngineBrowser final : public Browser
{
    Q_OBJECT

public:
    static constexpr int DefaultScriptTimeoutMs = 5000;
    static constexpr int PendingNavigationGuardMs = 5000;

    // The view is a child widget of parent, and the browser a child object of parent: both go
    // with it. The window may move the view elsewhere; deleting the browser takes the view along.
    explicit WebEngineBrowser(QWidget* parent);
    ~WebEngineBrowser() override;

    void Navigate(const QString& url) override;
    bool Busy() const override;
    void setSilent(bool silent) override;
    QString LocationURL() const override;

    bool setValue(const QString& nameOrId, const QString& text) override;
    bool Click(const QString& nameOrId) override;
    std::optional<int> Length() override;
    std::optional<QString> innerHtml(int index) override;

    int Top() const override;
    void setWidth(int width) override;
    void setHeight(int height) override;

    QWidget* widget() override;

    // How long a document operation waits for the page's answer before it fails.
    void setScriptTimeout(int ms) { m_scriptTimeoutMs = ms; }

private:
    // The script's value, or nothing when the page did not answer in time or the script threw.
    std::optional<QVariant> evaluate(const QString& script);
    bool evaluatesToTrue(const QString& script);
    void endPendingNavigation();
    void onLoadFinished();

    QWebEngineProfile* m_profile;
    QPointer<QWebEngineView> m_view;
    SilentWebPage* m_page;
    // Set by Navigate until the engine reports the load's start, so that a caller who navigates
    // and asks at once already sees the browser busy. A navigation inside the same document
    // reports no load at all: the address change ends it, and failing that the guard does, so
    // the browser never stays busy for a load that never comes.
    bool m_navigationPending = false;
    QTimer m_pendingGuard;
    int m_scriptTimeoutMs = DefaultScriptTimeoutMs;
};

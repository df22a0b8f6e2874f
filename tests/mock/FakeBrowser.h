#pragma once

#include "automation/Browser.h"

#include <QMap>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

// A page as the fake browser shows it: its address, the names of its form elements and the
// inner HTML of its last element.
struct FakePage
{
    QString url;
    QStringList elements;
    QString lastElementHtml;
    int length = 1;
};

// A scripted browser. Navigate starts a load that completes from the event loop (like a real
// one) with the page that pageFor gives for the address; Click on an element may lead to
// another address. Everything the task does to it is recorded.
class FakeBrowser : public Browser
{
    Q_OBJECT

public:
    FakeBrowser();
    ~FakeBrowser() override;

    std::function<FakePage(const QString& url)> pageFor;
    // Address a click on the named element leads to, or empty for none.
    std::function<QString(const QString& nameOrId)> clickLeadsTo;
    // False: loads stay pending until completeLoad() is called.
    bool autoComplete = true;

    QStringList navigations;
    QStringList clicks;
    QMap<QString, QString> values; // element values written on the current page
    int silentWrites = 0;
    int pendingLoads() const { return m_pending.size(); }

    // Finishes the oldest pending load: the page becomes current, then DocumentComplete.
    void completeLoad();
    // Shows a page at once and raises DocumentComplete for it (a load the task did not ask for).
    void showPage(const FakePage& page);
    // Raises DocumentComplete again for the page shown, as for a frame of it.
    void repeatDocumentComplete() { emit DocumentComplete(m_page.url); }

    void Navigate(const QString& url) override;
    bool Busy() const override { return !m_pending.isEmpty(); }
    void setSilent(bool silent) override;
    QString LocationURL() const override { return m_page.url; }
    bool setValue(const QString& nameOrId, const QString& text) override;
    bool Click(const QString& nameOrId) override;
    std::optional<int> Length() override;
    std::optional<QString> innerHtml(int index) override;
    int Top() const override;
    void setWidth(int width) override;
    void setHeight(int height) override;
    QWidget* widget() override { return m_widget; }

private:
    FakePage pageAt(const QString& url) const;

    QWidget* m_widget; // owned by whoever parents it (the window), else by us
    std::unique_ptr<QWidget> m_ownedWidget;
    QStringList m_pending;
    FakePage m_page;
};

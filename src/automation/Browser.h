#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QWidget;

// The embedded browser as the task sees it: the operations the window, the dispatcher,
// the generators and the blog entry filler call, and nothing more. WebEngineBrowser is the
// real one; tests put a scripted fake in its place.
//
// Document operations are synchronous for their callers. An operation that fails (no such
// element, no document, no answer from the page in time) reports it through its result and
// never hangs.
class Browser : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~Browser() override = default;

    // Starts loading the address and returns at once.
    virtual void Navigate(const QString& url) = 0;
    // True while a page is loading.
    virtual bool Busy() const = 0;
    // True: the page's own dialogs (alert, confirm, prompt, certificate, authentication) are
    // answered silently instead of being shown.
    virtual void setSilent(bool silent) = 0;
    // Address of the top-level page.
    virtual QString LocationURL() const = 0;

    // Writes the value of the element whose name or id is nameOrId.
    virtual bool setValue(const QString& nameOrId, const QString& text) = 0;
    // Clicks the element whose name or id is nameOrId.
    virtual bool Click(const QString& nameOrId) = 0;
    // Number of elements in the document's collection of all elements.
    virtual std::optional<int> Length() = 0;
    // innerHTML of the element at index (counted from 0) of that collection.
    virtual std::optional<QString> innerHtml(int index) = 0;

    // Placement in the window, in pixels of the browser's container.
    virtual int Top() const = 0;
    virtual void setWidth(int width) = 0;
    virtual void setHeight(int height) = 0;

    // The widget that shows the pages; the window places it.
    virtual QWidget* widget() = 0;

signals:
    // Raised once for every completed document load.
    void DocumentComplete(const QString& url);
};

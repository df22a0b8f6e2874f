#include "FakeBrowser.h"

#include <QPointer>
#include <QTimer>

FakeBrowser::FakeBrowser() : m_ownedWidget(std::make_unique<QWidget>())
{
    m_widget = m_ownedWidget.get();
    m_widget->setFocusPolicy(Qt::StrongFocus); // as a browser view takes the focus
}

FakeBrowser::~FakeBrowser()
{
    // A window that took the widget as its child deletes it itself.
    if (m_ownedWidget && m_ownedWidget->parent())
        m_ownedWidget.release();
}

FakePage FakeBrowser::pageAt(const QString& url) const
{
    FakePage page = pageFor ? pageFor(url) : FakePage{};
    if (page.url.isEmpty())
        page.url = url;
    return page;
}

void FakeBrowser::Navigate(const QString& url)
{
    navigations << url;
    m_pending << url;
    if (autoComplete)
        QTimer::singleShot(0, this, &FakeBrowser::completeLoad);
}

void FakeBrowser::completeLoad()
{
    if (m_pending.isEmpty())
        return;
    const QString url = m_pending.takeFirst();
    m_page = pageAt(url);
    values.clear();
    emit DocumentComplete(m_page.url);
}

void FakeBrowser::showPage(const FakePage& page)
{
    m_page = page;
    values.clear();
    emit DocumentComplete(m_page.url);
}

void FakeBrowser::setSilent(bool)
{
    ++silentWrites;
}

bool FakeBrowser::setValue(const QString& nameOrId, const QString& text)
{
    if (!m_page.elements.contains(nameOrId))
        return false;
    values[nameOrId] = text;
    return true;
}

bool FakeBrowser::Click(const QString& nameOrId)
{
    if (!m_page.elements.contains(nameOrId))
        return false;
    clicks << nameOrId;
    if (clickLeadsTo) {
        const QString next = clickLeadsTo(nameOrId);
        if (!next.isEmpty()) {
            // A click's navigation is not one the task asked for: keep it out of navigations.
            m_pending << next;
            if (autoComplete)
                QTimer::singleShot(0, this, &FakeBrowser::completeLoad);
        }
    }
    return true;
}

std::optional<int> FakeBrowser::Length()
{
    if (m_page.length < 1)
        return std::nullopt;
    return m_page.length;
}

std::optional<QString> FakeBrowser::innerHtml(int index)
{
    if (index != m_page.length - 1)
        return std::nullopt;
    return m_page.lastElementHtml;
}

int FakeBrowser::Top() const
{
    return m_widget->y();
}

void FakeBrowser::setWidth(int width)
{
    m_widget->resize(width, m_widget->height());
}

void FakeBrowser::setHeight(int height)
{
    if (height >= 0)
        m_widget->resize(m_widget->width(), height);
}

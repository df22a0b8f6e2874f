#include "automation/WebEngineBrowser.h"

#include "automation/SilentWebPage.h"

#include <QEventLoop>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <memory>

namespace {

// A JavaScript string literal holding text exactly: everything outside printable ASCII, and
// the quote and backslash, is written as an escape, so no character of the text (line
// breaks, U+2028, lone surrogates, "</script>") can end the literal or change its meaning.
QString jsString(const QString& text)
{
    QString literal = QStringLiteral("\"");
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'"' || unit == u'\\') {
            literal += u'\\';
            literal += c;
        } else if (unit < 0x20 || unit > 0x7e) {
            literal += QStringLiteral("\\u%1").arg(unsigned(unit), 4, 16, QChar(u'0'));
        } else {
            literal += c;
        }
    }
    return literal + u'"';
}

// The element a name stands for: the first one carrying it as its name, else the one carrying
// it as its id.
QString elementByNameOrId(const QString& nameOrId)
{
    return QStringLiteral("(document.getElementsByName(%1)[0] || document.getElementById(%1))")
        .arg(jsString(nameOrId));
}

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

} // namespace

WebEngineBrowser::WebEngineBrowser(QWidget* parent)
    : Browser(parent), m_profile(new QWebEngineProfile(this)), m_view(new QWebEngineView(parent)),
      m_page(new SilentWebPage(m_profile, this))
{
    m_view->setPage(m_page);
    m_pendingGuard.setSingleShot(true);
    m_pendingGuard.setInterval(PendingNavigationGuardMs);
    connect(&m_pendingGuard, &QTimer::timeout, this, &WebEngineBrowser::endPendingNavigation);
    connect(m_page, &QWebEnginePage::loadStarted, this, &WebEngineBrowser::endPendingNavigation);
    connect(m_page, &QWebEnginePage::urlChanged, this, &WebEngineBrowser::endPendingNavigation);
    connect(m_page, &QWebEnginePage::loadFinished, this, &WebEngineBrowser::onLoadFinished);
}

WebEngineBrowser::~WebEngineBrowser()
{
    // The page must go before its profile, the first of this object's children.
    delete m_view;
    delete m_page;
}

void WebEngineBrowser::Navigate(const QString& url)
{
    m_navigationPending = true;
    m_pendingGuard.start();
    m_view->load(QUrl(url));
}

bool WebEngineBrowser::Busy() const
{
    return m_navigationPending || m_page->isLoading();
}

void WebEngineBrowser::setSilent(bool silent)
{
    m_page->setSilent(silent);
}

QString WebEngineBrowser::LocationURL() const
{
    return m_page->url().toString(QUrl::FullyEncoded);
}

bool WebEngineBrowser::setValue(const QString& nameOrId, const QString& text)
{
    return evaluatesToTrue(
        QStringLiteral("(function (e) { if (!e) return false; e.value = %2; return true; })(%1)")
            .arg(elementByNameOrId(nameOrId), jsString(text)));
}

bool WebEngineBrowser::Click(const QString& nameOrId)
{
    return evaluatesToTrue(
        QStringLiteral("(function (e) { if (!e) return false; e.click(); return true; })(%1)")
            .arg(elementByNameOrId(nameOrId)));
}

std::optional<int> WebEngineBrowser::Length()
{
    const auto value = evaluate(QStringLiteral("document.getElementsByTagName('*').length"));
    if (!value || !isNumber(*value))
        return std::nullopt;
    return value->toInt();
}

std::optional<QString> WebEngineBrowser::innerHtml(int index)
{
    if (index < 0)
        return std::nullopt;
    const auto value = evaluate(QStringLiteral("(function (e) { return e ? e.innerHTML : null; })"
                                               "(document.getElementsByTagName('*')[%1])")
                                    .arg(index));
    if (!value || value->typeId() != QMetaType::QString)
        return std::nullopt;
    return value->toString();
}

int WebEngineBrowser::Top() const
{
    return m_view ? m_view->y() : 0;
}

void WebEngineBrowser::setWidth(int width)
{
    if (m_view && width >= 0)
        m_view->resize(width, m_view->height());
}

void WebEngineBrowser::setHeight(int height)
{
    if (m_view && height >= 0)
        m_view->resize(m_view->width(), height);
}

QWidget* WebEngineBrowser::widget()
{
    return m_view;
}

std::optional<QVariant> WebEngineBrowser::evaluate(const QString& script)
{
    // The answer may come after this call has given up, or never; it then lands in a record
    // nobody reads any more and finds the event loop gone.
    auto answer = std::make_shared<std::optional<QVariant>>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    m_page->runJavaScript(script, QWebEngineScript::MainWorld,
                          [answer, waiting](const QVariant& value) {
                              *answer = value;
                              if (waiting)
                                  waiting->quit();
                          });
    if (!answer->has_value()) {
        QTimer::singleShot(m_scriptTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    // A script that throws answers with an invalid value.
    if (!answer->has_value() || !(*answer)->isValid())
        return std::nullopt;
    return *answer;
}

bool WebEngineBrowser::evaluatesToTrue(const QString& script)
{
    const auto value = evaluate(script);
    return value && value->typeId() == QMetaType::Bool && value->toBool();
}

void WebEngineBrowser::endPendingNavigation()
{
    m_navigationPending = false;
    m_pendingGuard.stop();
}

void WebEngineBrowser::onLoadFinished()
{
    // The engine folds a load that a navigation replaces into the replacing one and reports a
    // single finish for both, so a finish ends whatever Navigate asked for. A finish that arrives
    // while the engine is already loading again is followed by that load's own finish.
    if (m_page->isLoading())
        return;
    endPendingNavigation();
    emit DocumentComplete(LocationURL());
}

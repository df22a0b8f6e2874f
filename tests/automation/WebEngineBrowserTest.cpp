#include "automation/WebEngineBrowser.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <httplib.h>
#include <memory>
#include <string>
#include <thread>

namespace {

constexpr int kLoadWaitMs = 15000;

// The login form of the site, reduced to what the dispatcher fills in and clicks.
const char* const kLoginPage = R"html(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>login</title></head>
<body><form method="post" action="/echo">
<input type="text" name="email"><input type="password" name="password">
<input type="submit" name="submit" value="Log in">
</form></body></html>)html";

// "who" is the id of one field and the name of another; "note" is only an id. The report
// button puts every value, percent-encoded, into the last element.
const char* const kFieldsPage = R"html(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>fields</title></head>
<body><input id="who" value="first"><input name="who" value="second">
<textarea id="note"></textarea>
<button id="report" onclick="report()">report</button>
<script>
function report() {
  document.getElementById('out').textContent =
    encodeURIComponent(document.getElementById('who').value) + '|' +
    encodeURIComponent(document.getElementsByName('who')[0].value) + '|' +
    encodeURIComponent(document.getElementById('note').value);
}
</script>
<p id="out"></p></body></html>)html";

// Every kind of page dialog while the page loads; the last element tells how they were answered.
const char* const kDialogsPage = R"html(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>dialogs</title>
<script>
alert('hello');
var answer = 'after:' + confirm('sure?') + ':' + prompt('name?', 'default');
document.addEventListener('DOMContentLoaded', function () {
  document.getElementById('out').textContent = answer;
});
</script></head>
<body><p id="out">before</p></body></html>)html";

// A page that objects to being left.
const char* const kLeavePage = R"html(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>leave</title></head>
<body style="margin:0"><div style="width:100%;height:400px">stay</div>
<script>
window.addEventListener('beforeunload', function (e) { e.preventDefault(); e.returnValue = 'x'; });
</script></body></html>)html";

// The button keeps the page's only thread busy for a while, from a task of its own so that the
// click itself is answered.
const char* const kSpinPage = R"html(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>spin</title></head>
<body><button id="spin" onclick="setTimeout(spin, 0)">spin</button>
<script>
function spin() { var end = Date.now() + 3000; while (Date.now() < end) {} }
</script><p>idle</p></body></html>)html";

const char* const kFramesPage = R"html(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>frames</title></head>
<body><iframe src="/doc/1"></iframe><iframe src="/doc/2"></iframe><p>frames</p></body></html>)html";

struct DocumentCase
{
    const char* html;
    int length;
    const char* lastInnerHtml;
};

// Served at /doc/<index>.
const DocumentCase kDocuments[] = {
    {"<html><head></head><body></body></html>", 3, ""},
    {"<html><head><title>t</title></head><body><div>x</div><p>id:1,name:\\u5f20</p></body></html>",
     6, "id:1,name:\\u5f20"},
    {"<html><body><ul><li>a</li><li>b <b>c &amp; d</b></li></ul></body></html>", 7, "c &amp; d"},
    {"<html><body><p>x</p><script>var s = \"</\" + \"p>\";</script></body></html>", 5,
     "var s = \"</\" + \"p>\";"},
};

std::string escapeHtmlText(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

void serve(httplib::Server& server, const std::string& path, const std::string& html)
{
    server.Get(path, [html](const httplib::Request&, httplib::Response& res) {
        res.set_content(html, "text/html; charset=utf-8");
    });
}

// The pages above, on loopback, for the lifetime of the test suite.
class PageServer
{
  public:
    PageServer()
    {
        serve(m_server, "/login", kLoginPage);
        serve(m_server, "/fields", kFieldsPage);
        serve(m_server, "/dialogs", kDialogsPage);
        serve(m_server, "/leave", kLeavePage);
        serve(m_server, "/spin", kSpinPage);
        serve(m_server, "/frames", kFramesPage);
        for (size_t i = 0; i < std::size(kDocuments); ++i)
            serve(m_server, "/doc/" + std::to_string(i), kDocuments[i].html);
        m_server.Get("/slow", [](const httplib::Request&, httplib::Response& res) {
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
            res.set_content("<html><body><p>slow</p></body></html>", "text/html");
        });
        m_server.Post("/echo", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content("<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body><p>"
                            "email=" +
                                escapeHtmlText(req.get_param_value("email")) +
                                "|password=" + escapeHtmlText(req.get_param_value("password")) +
                                "|submit=" + escapeHtmlText(req.get_param_value("submit")) +
                                "</p></body></html>",
                            "text/html; charset=utf-8");
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        QDeadlineTimer deadline(5000);
        while (!m_server.is_running() && !deadline.hasExpired())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    ~PageServer()
    {
        m_server.stop();
        m_thread.join();
    }

    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
    }

  private:
    httplib::Server m_server;
    int m_port = -1;
    std::thread m_thread;
};

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

void pause(int ms)
{
    waitUntil([] { return false; }, ms);
}

// Counts the dialog windows that open and closes each one as if the user cancelled it, so a
// dialog the browser should not have shown makes a test fail instead of blocking it.
class DialogCloser
{
  public:
    DialogCloser()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { closeOpenDialogs(); });
        m_timer.start(20);
    }

    int seen() const { return m_seen; }

  private:
    void closeOpenDialogs()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (dialog && dialog->isVisible()) {
                ++m_seen;
                dialog->reject();
            }
        }
    }

    QTimer m_timer;
    int m_seen = 0;
};

class WebEngineBrowserTest : public testing::Test
{
  protected:
    static void SetUpTestSuite() { server = new PageServer; }

    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    void SetUp() override
    {
        container = std::make_unique<QWidget>();
        container->resize(800, 600);
        browser = new WebEngineBrowser(container.get());
        browser->widget()->setGeometry(0, 0, 800, 600);
        QObject::connect(browser, &Browser::DocumentComplete,
                         [this](const QString& url) { completed.push_back(url); });
        container->show();
    }

    void TearDown() override { container.reset(); }

    // Navigates and waits for the load's notification.
    bool load(const QString& path)
    {
        browser->Navigate(server->url(path));
        return waitForCompletion();
    }

    bool waitForCompletion()
    {
        const qsizetype before = completed.size();
        return waitUntil([&] { return completed.size() > before; }, kLoadWaitMs);
    }

    std::optional<QString> lastInnerHtml()
    {
        const auto length = browser->Length();
        if (!length)
            return std::nullopt;
        return browser->innerHtml(*length - 1);
    }

    // The values of the fields page, as its report button shows them.
    QStringList reportFields()
    {
        EXPECT_TRUE(browser->Click(QStringLiteral("report")));
        const QStringList encoded = lastInnerHtml().value_or(QString()).split(u'|');
        QStringList fields;
        for (const QString& field : encoded)
            fields << QUrl::fromPercentEncoding(field.toLatin1());
        return fields;
    }

    // A press of the mouse on the page, which gives it the user's attention.
    void clickIntoPage()
    {
        QWidget* target = browser->widget()->focusProxy();
        ASSERT_NE(target, nullptr);
        const QPointF at(20, 20);
        QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
        pause(300);
    }

    static PageServer* server;
    std::unique_ptr<QWidget> container;
    WebEngineBrowser* browser = nullptr;
    QStringList completed;
};

PageServer* WebEngineBrowserTest::server = nullptr;

TEST_F(WebEngineBrowserTest, IsBusyFromNavigateUntilTheLoadHasCompleted)
{
    EXPECT_FALSE(browser->Busy());
    EXPECT_EQ(browser->LocationURL(), QString());

    std::optional<bool> busyWhenNotified;
    QObject::connect(browser, &Browser::DocumentComplete,
                     [&] { busyWhenNotified = browser->Busy(); });
    browser->Navigate(server->url(QStringLiteral("/slow")));
    EXPECT_TRUE(browser->Busy());
    pause(200);
    EXPECT_TRUE(browser->Busy());

    ASSERT_TRUE(waitForCompletion());
    EXPECT_EQ(busyWhenNotified, false);
    EXPECT_FALSE(browser->Busy());
    EXPECT_EQ(browser->LocationURL(), server->url(QStringLiteral("/slow")));
}

TEST_F(WebEngineBrowserTest, IsBusyWhileALoadStartedByThePageRuns)
{
    ASSERT_TRUE(load(QStringLiteral("/login")));
    ASSERT_TRUE(browser->Click(QStringLiteral("submit")));
    EXPECT_TRUE(waitUntil([&] { return browser->Busy(); }, kLoadWaitMs));
    ASSERT_TRUE(waitForCompletion());
    EXPECT_FALSE(browser->Busy());
}

TEST_F(WebEngineBrowserTest, NotifiesOncePerLoadWithTheAddressOfThePage)
{
    for (const char* const page : {"/login", "/frames", "/slow", "/doc/1"}) {
        SCOPED_TRACE(page);
        const QString path = QString::fromLatin1(page);
        const qsizetype before = completed.size();
        ASSERT_TRUE(load(path));
        pause(300);
        EXPECT_EQ(completed.size(), before + 1);
        EXPECT_EQ(completed.back(), server->url(path));
    }
}

TEST_F(WebEngineBrowserTest, ALoadReplacedByAnotherCompletesNoDocument)
{
    struct Case
    {
        const char* shown;
        const char* replaced;
        const char* replacement;
    };
    for (const Case& step : {Case{"/login", "/slow", "/doc/0"}, Case{"/doc/0", "/slow", "/doc/0"},
                             Case{"/slow", "/slow", "/slow"}}) {
        SCOPED_TRACE(std::string(step.shown) + " " + step.replaced + " " + step.replacement);
        const QString replacement = server->url(QString::fromLatin1(step.replacement));
        ASSERT_TRUE(load(QString::fromLatin1(step.shown)));
        completed.clear();

        browser->Navigate(server->url(QString::fromLatin1(step.replaced)));
        pause(100);
        browser->Navigate(replacement);
        ASSERT_TRUE(waitUntil([&] { return !completed.isEmpty(); }, kLoadWaitMs));
        pause(500);

        EXPECT_EQ(completed, QStringList{replacement});
        EXPECT_FALSE(browser->Busy());
    }
}

TEST_F(WebEngineBrowserTest, ANavigationInsideTheDocumentLeavesTheBrowserIdle)
{
    ASSERT_TRUE(load(QStringLiteral("/doc/1")));
    browser->Navigate(server->url(QStringLiteral("/doc/1#part")));
    // Well before the browser's last-resort guard would end the wait.
    EXPECT_TRUE(waitUntil([&] { return !browser->Busy(); }, 2000));
    EXPECT_EQ(browser->LocationURL(), server->url(QStringLiteral("/doc/1#part")));
}

TEST_F(WebEngineBrowserTest, SubmitsTheFormWithTheValuesWrittenAndTheButtonClicked)
{
    ASSERT_TRUE(load(QStringLiteral("/login")));
    const QString password = QStringLiteral("p\"a's\\w<o>rd&;密码");

    ASSERT_TRUE(browser->setValue(QStringLiteral("email"), QStringLiteral("user+tag@example.com")));
    ASSERT_TRUE(browser->setValue(QStringLiteral("password"), password));
    ASSERT_TRUE(browser->Click(QStringLiteral("submit")));
    ASSERT_TRUE(waitForCompletion());

    EXPECT_EQ(completed.back(), server->url(QStringLiteral("/echo")));
    EXPECT_EQ(lastInnerHtml(), QStringLiteral("email=user+tag@example.com"
                                              "|password=p\"a's\\w&lt;o&gt;rd&amp;;密码"
                                              "|submit=Log in"));
}

TEST_F(WebEngineBrowserTest, WritesAnyTextExactly)
{
    ASSERT_TRUE(load(QStringLiteral("/fields")));
    const QString texts[] = {
        QString(),
        QStringLiteral("He said \"hi\" & it's <b>fine</b>"),
        QStringLiteral("C:\\new\\table \\\\ \\u2028 \\\""),
        QStringLiteral("line one\nline two\n\tindented\n"),
        QStringLiteral("</script><script>alert(1)</script><!--"),
        QStringLiteral("\"); throw 1; (\"' + '"),
        QString::fromUtf16(u"sep\u2028ara\u2029tors"),
        QStringLiteral("朋友们，你们咋都在我名字里...赞 😀"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        ASSERT_TRUE(browser->setValue(QStringLiteral("note"), text));
        EXPECT_EQ(reportFields().value(2), text);
    }
}

TEST_F(WebEngineBrowserTest, FindsAnElementByNameBeforeOneById)
{
    ASSERT_TRUE(load(QStringLiteral("/fields")));
    ASSERT_TRUE(browser->setValue(QStringLiteral("who"), QStringLiteral("written")));
    EXPECT_EQ(reportFields(), (QStringList{"first", "written", ""}));
}

TEST_F(WebEngineBrowserTest, CountsTheElementsAndReadsTheLastOne)
{
    for (size_t i = 0; i < std::size(kDocuments); ++i) {
        SCOPED_TRACE(kDocuments[i].html);
        ASSERT_TRUE(load(QStringLiteral("/doc/%1").arg(i)));
        EXPECT_EQ(browser->Length(), kDocuments[i].length);
        EXPECT_EQ(lastInnerHtml(), QString::fromUtf8(kDocuments[i].lastInnerHtml));
    }
}

TEST_F(WebEngineBrowserTest, OperationsOnMissingElementsFail)
{
    ASSERT_TRUE(load(QStringLiteral("/doc/1")));
    const int length = browser->Length().value_or(0);
    ASSERT_EQ(length, 6);

    EXPECT_FALSE(browser->setValue(QStringLiteral("nosuch"), QStringLiteral("x")));
    EXPECT_FALSE(browser->setValue(QString(), QStringLiteral("x")));
    EXPECT_FALSE(browser->Click(QStringLiteral("nosuch")));
    EXPECT_FALSE(browser->Click(QStringLiteral("') || document.body; ('")));
    EXPECT_EQ(browser->innerHtml(length), std::nullopt);
    EXPECT_EQ(browser->innerHtml(-1), std::nullopt);
    EXPECT_EQ(browser->innerHtml(1 << 30), std::nullopt);
}

TEST_F(WebEngineBrowserTest, SilentAnswersThePagesDialogsWithoutShowingThem)
{
    DialogCloser dialogs;
    browser->setSilent(true);
    ASSERT_TRUE(load(QStringLiteral("/dialogs")));
    EXPECT_EQ(lastInnerHtml(), QStringLiteral("after:false:null"));
    EXPECT_EQ(dialogs.seen(), 0);
}

TEST_F(WebEngineBrowserTest, WithoutSilentThePagesDialogsAreShown)
{
    DialogCloser dialogs;
    ASSERT_TRUE(load(QStringLiteral("/dialogs")));
    EXPECT_EQ(lastInnerHtml(), QStringLiteral("after:false:null"));
    EXPECT_EQ(dialogs.seen(), 3);
}

TEST_F(WebEngineBrowserTest, WithoutSilentAPageCanAskBeforeBeingLeft)
{
    DialogCloser dialogs;
    ASSERT_TRUE(load(QStringLiteral("/leave")));
    clickIntoPage();
    browser->Navigate(server->url(QStringLiteral("/doc/0")));
    EXPECT_TRUE(waitUntil([&] { return dialogs.seen() > 0; }, kLoadWaitMs));
    pause(300);
    EXPECT_EQ(completed.back(), server->url(QStringLiteral("/leave")));
}

TEST_F(WebEngineBrowserTest, SilentLeavesAPageThatAsksBeforeBeingLeft)
{
    DialogCloser dialogs;
    browser->setSilent(true);
    ASSERT_TRUE(load(QStringLiteral("/leave")));
    clickIntoPage();
    ASSERT_TRUE(load(QStringLiteral("/doc/0")));
    EXPECT_EQ(completed.back(), server->url(QStringLiteral("/doc/0")));
    EXPECT_EQ(dialogs.seen(), 0);
}

TEST_F(WebEngineBrowserTest, APageThatDoesNotAnswerFailsTheOperationInTime)
{
    constexpr int timeoutMs = 300;
    browser->setScriptTimeout(timeoutMs);
    ASSERT_TRUE(load(QStringLiteral("/spin")));
    ASSERT_TRUE(browser->Click(QStringLiteral("spin")));
    pause(100);

    const std::function<bool()> operations[] = {
        [&] { return browser->Length().has_value(); },
        [&] { return browser->innerHtml(0).has_value(); },
        [&] { return browser->setValue(QStringLiteral("spin"), QStringLiteral("x")); },
        [&] { return browser->Click(QStringLiteral("spin")); },
    };
    for (const auto& operation : operations) {
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(operation());
        EXPECT_GE(clock.elapsed(), timeoutMs - 20);
        EXPECT_LT(clock.elapsed(), 2000);
    }

    // Once the page is free again, answers arrive as before; the late ones are dropped. The
    // usual bound again: a busy machine may take longer than the short one for a round trip.
    browser->setScriptTimeout(WebEngineBrowser::DefaultScriptTimeoutMs);
    EXPECT_TRUE(waitUntil([&] { return browser->Length().has_value(); }, kLoadWaitMs));
    EXPECT_EQ(browser->Length(), 8);
}

TEST_F(WebEngineBrowserTest, PlacesTheViewInItsContainer)
{
    browser->widget()->setGeometry(8, 88, 640, 480);
    EXPECT_EQ(browser->Top(), 88);

    browser->setWidth(500);
    browser->setHeight(300);
    EXPECT_EQ(browser->widget()->geometry(), QRect(8, 88, 500, 300));

    browser->setHeight(-5);
    browser->setWidth(-1);
    EXPECT_EQ(browser->widget()->geometry(), QRect(8, 88, 500, 300));
}

} // namespace

int main(int argc, char** argv)
{
    // The browser runs without a display and, where the tests run as root, without its sandbox.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-background-networking "
                                              "--disable-component-update --no-first-run");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

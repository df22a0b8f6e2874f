#include "automation/PageLoadDispatcher.h"

#include "automation/Browser.h"
#include "automation/PageClassifier.h"
#include "automation/SiteEndpoints.h"
#include "automation/TaskWindow.h"

#include <QEventLoop>
#include <QTimer>

void PageLoadDispatcher::WebMain_DocumentComplete()
{
    if (!m_window.flags().bBusy)
        return;
    waitWhileBusy();

    Browser& browser = m_window.webMain();
    browser.setSilent(true);
    const std::string tag = ClassifyPage(browser.LocationURL().toStdString());

    if (tag == kTagLogin) {
        submitLogin();
    } else if (tag == kTagHome) {
        browser.Navigate(m_window.site().friendListPage());
    } else if (tag == kTagFriendList) {
        if (!m_window.flags().bGenerated)
            m_window.armTimerStart();
    } else if (tag == kTagNewEntry) {
        m_window.AddNew();
    }
    // "TEMP" and every other address: nothing to do.
}

// Other handlers (clicks, timers, nested page loads) run while we wait. Each round runs a local
// event loop for a short while: it sleeps until an event arrives, so the wait burns no CPU,
// and unlike a bare "wait for more events" it also delivers events posted from inside the
// handler that called us, so the load's end always gets through.
void PageLoadDispatcher::waitWhileBusy()
{
    while (m_window.webMain().Busy()) {
        QEventLoop round;
        QTimer::singleShot(kBusyRoundMs, &round, &QEventLoop::quit);
        round.exec();
    }
}

// The form is filled and submitted once per login-page load; each load counts, whether or not
// the page had the form, and the tenth gives up.
void PageLoadDispatcher::submitLogin()
{
    Browser& browser = m_window.webMain();
    browser.setValue(QStringLiteral("email"), m_window.userName());
    browser.setValue(QStringLiteral("password"), m_window.passWord());
    browser.Click(QStringLiteral("submit"));

    TaskFlags& flags = m_window.flags();
    ++flags.nLoginTries;
    if (flags.nLoginTries == kLoginLimit)
        giveUpLogin();
}

void PageLoadDispatcher::giveUpLogin()
{
    m_window.webMain().Navigate(SiteEndpoints::authorHomePage());
    // bBusy is still true while the message is open: page loads arriving meanwhile are
    // classified like any other.
    m_window.showMessage(QStringLiteral("用户名或者密码错误！"));
    m_window.flags().nLoginTries = 0;
    m_window.restoreStartButton();
    m_window.flags().bBusy = false;
}

#pragma once

#include <QString>
#include <QUrl>

// Where the tool finds the social site and the author's pages.
// The service hosts default to the real site; `--site http://HOST:PORT` points all three at one
// base (the simulated site used by the demo and the tests).
struct SiteEndpoints
{
    QString mainHost = QStringLiteral("www.renren.com");
    QString friendListHost = QStringLiteral("friend.renren.com");
    QString blogHost = QStringLiteral("blog.renren.com");

    // All three hosts at the authority (host and port) of base; an invalid base changes nothing.
    static SiteEndpoints atBase(const QUrl& base);

    QString loginPage() const { return http(mainHost, QStringLiteral("/GLogin.do")); }
    QString friendListPage() const
    {
        return http(friendListHost, QStringLiteral("/myfriendlistx.do"));
    }
    QString newEntryPage() const { return http(blogHost, QStringLiteral("/NewEntry.do")); }

    // The author's pages are bundled with the program. Their addresses hold none of the
    // substrings by which the page-load dispatcher tells the site's pages apart, so showing
    // them while a task runs does nothing.
    static QString authorHomePage() { return QStringLiteral("qrc:/nameart/pages/author.html"); }
    static QString authorUpdatePage() { return QStringLiteral("qrc:/nameart/pages/update.html"); }

private:
    static QString http(const QString& host, const QString& path)
    {
        return QStringLiteral("http://") + host + path;
    }
};

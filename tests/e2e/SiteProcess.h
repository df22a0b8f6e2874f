#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The simulated site as a child process on a free loopback port, stopped with the object.
class SiteProcess
{
public:
    explicit SiteProcess(const QStringList& arguments);
    ~SiteProcess();

    bool started() const { return !m_base.isEmpty(); }
    // "http://127.0.0.1:PORT"
    QString base() const { return m_base; }

private:
    QProcess m_process;
    QString m_base;
};

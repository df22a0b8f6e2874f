#include "SiteProcess.h"

#include <QDeadlineTimer>

SiteProcess::SiteProcess(const QStringList& arguments)
{
    // The site stops by itself even if this process dies without stopping it.
    m_process.start(QStringLiteral(SITESIM_PATH),
                    QStringList{"--port", "0", "--exit-after", "600"} + arguments);
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && m_process.waitForReadyRead(deadline.remainingTime())) {
        if (!m_process.canReadLine())
            continue;
        const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
        if (line.startsWith("listening on "))
            m_base = line.mid(int(qstrlen("listening on ")));
        break;
    }
}

SiteProcess::~SiteProcess()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(1000);
}

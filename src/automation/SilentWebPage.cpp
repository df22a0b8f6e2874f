#include "automation/SilentWebPage.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QWebEngineCertificateError>

namespace {

// The engine asks before leaving a page whose script objects to being left, through the
// confirm hook with this fixed text. A silent browser must never stall a navigation the
// task asked for, so that question is answered "leave".
QString leavePageQuestion()
{
    return QCoreApplication::translate("QWebEnginePage",
                                       "Are you sure you want to leave this page? Changes that "
                                       "you made may not be saved.");
}

} // namespace

SilentWebPage::SilentWebPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent)
{
    connect(this, &QWebEnginePage::certificateError, this, &SilentWebPage::onCertificateError);
    connect(this, &QWebEnginePage::authenticationRequired, this,
            [this](const QUrl&, QAuthenticator* authenticator) {
                onAuthenticationRequired(authenticator);
            });
    connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
            [this](const QUrl&, QAuthenticator* authenticator, const QString&) {
                onAuthenticationRequired(authenticator);
            });
}

void SilentWebPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg)
{
    if (!m_silent)
        QWebEnginePage::javaScriptAlert(securityOrigin, msg);
}

bool SilentWebPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg)
{
    if (!m_silent)
        return QWebEnginePage::javaScriptConfirm(securityOrigin, msg);
    return msg == leavePageQuestion();
}

bool SilentWebPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                                     const QString& defaultValue, QString* result)
{
    if (!m_silent)
        return QWebEnginePage::javaScriptPrompt(securityOrigin, msg, defaultValue, result);
    return false;
}

QStringList SilentWebPage::chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                                       const QStringList& acceptedMimeTypes)
{
    if (!m_silent)
        return QWebEnginePage::chooseFiles(mode, oldFiles, acceptedMimeTypes);
    return {};
}

void SilentWebPage::onCertificateError(const QWebEngineCertificateError& error)
{
    if (!m_silent)
        return;
    // The error shares its state with the engine's request: rejecting a copy rejects it.
    QWebEngineCertificateError answer = error;
    answer.rejectCertificate();
}

void SilentWebPage::onAuthenticationRequired(QAuthenticator* authenticator)
{
    // A null authenticator tells the engine the request was cancelled.
    if (m_silent)
        *authenticator = QAuthenticator();
}

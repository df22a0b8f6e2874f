#pragma once

#include <QWebEnginePage>

class QAuthenticator;
class QWebEngineCertificateError;

// The page behind the embedded browser. Everything the engine would ask the user about goes
// through here: with silent on, the page's dialogs are answered without being shown (an alert is
// dismissed, a confirm or prompt is cancelled), certificate errors are rejected and
// authentication requests are cancelled. With silent off the engine's own behaviour applies.
class SilentWebPage final : public QWebEnginePage
{
    Q_OBJECT

public:
    SilentWebPage(QWebEngineProfile* profile, QObject* parent);

    void setSilent(bool silent) { m_silent = silent; }
    bool silent() const { return m_silent; }

protected:
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                          const QString& defaultValue, QString* result) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;

private:
    void onCertificateError(const QWebEngineCertificateError& error);
    void onAuthenticationRequired(QAuthenticator* authenticator);

    bool m_silent = false;
};

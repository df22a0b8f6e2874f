#include "app/PageGenerators.h"

#include "app/FormMain.h"
#include "automation/Browser.h"
#include "generate/PageFile.h"
#include "generate/PageGenerator.h"

#include <QFile>
#include <QLineEdit>

namespace {

GenerationSettings settingsFrom(const FormMain& form, PageMode mode)
{
    GenerationSettings settings;
    settings.mode = mode;
    settings.name = form.TextName->text().toStdString();
    settings.width = form.TxtWidth->text().toStdString();
    settings.height = form.TxtHeight->text().toStdString();
    settings.blankRows = form.TextLine->text().toStdString();
    settings.perRow = form.TextNtd->text().toStdString();
    settings.mainHost = form.site().mainHost.toStdString();
    settings.fontPath = QFile::encodeName(form.fontFilePath()).toStdString();
    return settings;
}

} // namespace

// The payload is the inner HTML of the document's last element.
void PageGenerators::fetchPayload()
{
    Browser& browser = *m_form.WebMain;
    const std::optional<int> length = browser.Length();
    if (!length || *length < 1)
        return;
    if (const std::optional<QString> html = browser.innerHtml(*length - 1))
        sPageData = html->toStdString();
}

std::optional<QString> PageGenerators::MakeName()
{
    if (m_form.WebMain->Busy())
        return std::nullopt;
    fetchPayload();
    return publishPage(generatePage(sPageData, settingsFrom(m_form, PageMode::NameArt)));
}

// The friend table hands the button back as soon as its page is on its way; the blog entry
// filler ends the task when that page has loaded.
std::optional<QString> PageGenerators::GetInfo()
{
    fetchPayload();
    const GenerationResult result =
        generatePage(sPageData, settingsFrom(m_form, PageMode::FriendTable));
    std::optional<QString> failure = publishPage(result);
    if (result.status == GenerationResult::Status::Written && !failure)
        m_form.restoreStartButton();
    return failure;
}

std::optional<QString> PageGenerators::publishPage(const GenerationResult& result)
{
    switch (result.status) {
    case GenerationResult::Status::PayloadTooShort:
        return std::nullopt;
    case GenerationResult::Status::FontMissing:
        return QStringLiteral("无法生成名字：字库文件 HZK16 缺失、无法读取或为空（%1）")
            .arg(m_form.fontFilePath());
    case GenerationResult::Status::Written:
        break;
    }
    std::string error;
    const QString path = m_form.pageFilePath();
    if (!writePageFile(QFile::encodeName(path).toStdString(), result.pageBytes, &error))
        return QStringLiteral("无法写入页面文件 %1：%2").arg(path, QString::fromStdString(error));
    m_form.WebMain->Navigate(m_form.site().newEntryPage());
    return std::nullopt;
}

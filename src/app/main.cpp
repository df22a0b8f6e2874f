#include "app/AutoDemo.h"
#include "app/FormMain.h"
#include "app/QtMessageBoxes.h"
#include "automation/WebEngineBrowser.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>
#include <cstdio>

namespace {

struct Arguments
{
    SiteEndpoints site;
    QString email, password, mode, name, screenshotFolder;
    bool autoRun = false;
    int timeoutSeconds = 120;
};

Arguments parseArguments(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws a name with your friends' avatars and puts it into a blog entry."));
    parser.addHelpOption();
    const QCommandLineOption site(QStringLiteral("site"),
                                  QStringLiteral("Base address of the site (all service hosts)."),
                                  QStringLiteral("URL"));
    const QCommandLineOption email(QStringLiteral("email"),
                                   QStringLiteral("Account e-mail to fill in."),
                                   QStringLiteral("TEXT"));
    const QCommandLineOption password(QStringLiteral("password"),
                                      QStringLiteral("Account password to fill in."),
                                      QStringLiteral("TEXT"));
    const QCommandLineOption autoRun(
        QStringLiteral("auto"),
        QStringLiteral("Run one task unattended, save two screenshots and exit."));
    const QCommandLineOption mode(QStringLiteral("mode"),
                                  QStringLiteral("art (name art) or table (friend table)."),
                                  QStringLiteral("MODE"));
    const QCommandLineOption name(QStringLiteral("name"), QStringLiteral("The name to draw."),
                                  QStringLiteral("TEXT"));
    const QCommandLineOption timeout(QStringLiteral("timeout"),
                                     QStringLiteral("Time limit of --auto in seconds (120)."),
                                     QStringLiteral("SECONDS"), QStringLiteral("120"));
    const QCommandLineOption screenshots(
        QStringLiteral("screenshots"),
        QStringLiteral("Folder for the screenshots of --auto (default: screenshots beside the "
                       "program's folder)."),
        QStringLiteral("DIR"));
    parser.addOptions({site, email, password, autoRun, mode, name, timeout, screenshots});
    parser.process(app);

    Arguments arguments;
    if (parser.isSet(site))
        arguments.site = SiteEndpoints::atBase(QUrl(parser.value(site)));
    arguments.email = parser.value(email);
    arguments.password = parser.value(password);
    arguments.autoRun = parser.isSet(autoRun);
    arguments.mode = parser.value(mode);
    arguments.name = parser.value(name);
    arguments.timeoutSeconds = parser.value(timeout).toInt();
    arguments.screenshotFolder = parser.isSet(screenshots)
                                     ? parser.value(screenshots)
                                     : QDir(QApplication::applicationDirPath())
                                           .absoluteFilePath(QStringLiteral("../screenshots"));
    if (!arguments.mode.isEmpty() && arguments.mode != QLatin1String("art") &&
        arguments.mode != QLatin1String("table")) {
        std::fprintf(stderr, "nameart: --mode takes art or table\n");
        std::exit(2);
    }
    return arguments;
}

void fillForm(FormMain& form, const Arguments& arguments)
{
    form.TxtUserName->setText(arguments.email);
    form.TxtPassWord->setText(arguments.password);
    if (arguments.mode == QLatin1String("table"))
        form.Option1->setChecked(true);
    if (!arguments.name.isEmpty())
        form.TextName->setText(arguments.name);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nameart"));
    QApplication::setApplicationDisplayName(QStringLiteral("好友头像拼名字"));
    const Arguments arguments = parseArguments(app);

    QtMessageBoxes interactiveBoxes;
    AutoMessageBoxes autoBoxes;
    MessageBoxes& boxes = arguments.autoRun ? static_cast<MessageBoxes&>(autoBoxes)
                                            : static_cast<MessageBoxes&>(interactiveBoxes);

    FormMain form(new WebEngineBrowser(nullptr), boxes, arguments.site,
                  QApplication::applicationDirPath());
    interactiveBoxes.setParentWidget(&form);
    fillForm(form, arguments);
    form.showCentred();

    if (!arguments.autoRun)
        return app.exec();

    AutoDemo demo(form, autoBoxes, {arguments.screenshotFolder, arguments.timeoutSeconds});
    QObject::connect(&demo, &AutoDemo::finished, &app, [](int code) { QApplication::exit(code); });
    demo.start();
    return app.exec();
}

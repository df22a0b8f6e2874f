#include "app/FormMain.h"

#include "app/AppIcon.h"
#include "app/ClickableLabel.h"
#include "app/MessageBoxes.h"
#include "app/PageGenerators.h"
#include "app/TaskController.h"
#include "app/Twips.h"
#include "automation/Browser.h"
#include "automation/PageLoadDispatcher.h"
#include "generate/ProgramFiles.h"
#include "publish/BlogEntryFiller.h"

#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr QSize kClientSize(twips(14160), twips(7785));
constexpr int kBrowserLeft = twips(120);
constexpr int kBrowserMargin = twips(120); // right and bottom, as on the left
constexpr int kTimerIntervalMs = 5;
constexpr int kBackspace = 8;

template <typename Widget> Widget* place(Widget* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    return place(new QLabel(text, parent), name, geometry);
}

QLineEdit* textBox(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                   const QString& toolTip = {})
{
    auto* box = place(new QLineEdit(text, parent), name, geometry);
    box->setToolTip(toolTip);
    return box;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& title, const QRect& geometry)
{
    return place(new QGroupBox(title, parent), name, geometry);
}

ClickableLabel* linkLabel(QWidget* parent, const char* name, const QString& text,
                          const QRect& geometry, const QColor& colour)
{
    auto* link = place(new ClickableLabel(text, parent), name, geometry);
    QFont font;
    font.setFamilies(
        {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSize(9);
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, colour);
    link->setPalette(palette);
    link->setCursor(Qt::PointingHandCursor);
    return link;
}

} // namespace

FormMain::FormMain(Browser* browser, MessageBoxes& messageBoxes, SiteEndpoints site,
                   QString programFolder, QWidget* parent)
    : QWidget(parent), WebMain(browser), m_messageBoxes(messageBoxes), m_site(std::move(site)),
      m_programFolder(std::move(programFolder)),
      m_taskController(std::make_unique<TaskController>(*this)),
      m_pageGenerators(std::make_unique<PageGenerators>(*this)),
      m_dispatcher(std::make_unique<PageLoadDispatcher>(*this)),
      m_blogEntryFiller(std::make_unique<BlogEntryFiller>(*this))
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("好友头像拼名字 nameart — 岫园 (内置主页) — 联系: "
                                  "xiuyuan@nameart.cn"));
    setWindowIcon(makeAppIcon());
    resize(kClientSize);

    createAccountFrame();
    createSettingsFrame();
    createAuthorFrame();
    createBrowserAndTimers();
    setTabOrder();
    Form_Load();
}

FormMain::~FormMain() = default;

void FormMain::createAccountFrame()
{
    FrmUserLogin = frame(this, "FrmUserLogin", QStringLiteral("校内登陆用户"),
                         twipsRect(120, 120, 3495, 1095));
    LbUserName =
        label(FrmUserLogin, "LbUserName", QStringLiteral("用户名:"), twipsRect(120, 300, 855, 255));
    TxtUserName = textBox(FrmUserLogin, "TxtUserName", {}, twipsRect(840, 240, 1455, 270));
    LbPassWord =
        label(FrmUserLogin, "LbPassWord", QStringLiteral("密  码:"), twipsRect(120, 750, 855, 255));
    TxtPassWord = textBox(FrmUserLogin, "TxtPassWord", {}, twipsRect(840, 720, 1455, 270));
    // A password on screen in clear text is there for anyone to read.
    TxtPassWord->setEchoMode(QLineEdit::Password);
    CmdAddLogin = place(new QPushButton(QString::fromUtf8(kStart), FrmUserLogin), "CmdAddLogin",
                        twipsRect(2400, 240, 975, 705));
    connect(CmdAddLogin, &QPushButton::clicked, this,
            [this] { m_taskController->CmdAddLogin_Click(); });
}

void FormMain::createSettingsFrame()
{
    Frame1 = frame(this, "Frame1", QStringLiteral("生成设置"), twipsRect(3720, 120, 5535, 1095));
    Option1 = place(new QRadioButton(QStringLiteral("生成好友列表"), Frame1), "Option1",
                    twipsRect(120, 240, 1455, 255));
    Label1 = label(Frame1, "Label1", QStringLiteral("每行个数:"), twipsRect(120, 720, 975, 255));
    TextNtd = textBox(Frame1, "TextNtd", QStringLiteral("10"), twipsRect(960, 680, 735, 270));
    TextNtd->installEventFilter(this);
    // A vertical divider from (2040, 120) to (2040, 1080), drawn centred in a 3-pixel frame.
    Line1 = place(new QFrame(Frame1), "Line1",
                  QRect(twips(2040) - 1, twips(120), 3, twips(1080 - 120)));
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Option2 = place(new QRadioButton(QStringLiteral("生成名字"), Frame1), "Option2",
                    twipsRect(2280, 240, 1095, 255));
    Option2->setChecked(true);
    TextName = textBox(Frame1, "TextName", QStringLiteral("鹭岚"), twipsRect(3360, 240, 2055, 270),
                       QStringLiteral("这里写上你的名字吧"));
    Label3 = label(Frame1, "Label3", QStringLiteral("头像大小:"), twipsRect(2280, 720, 855, 255));
    TxtHeight = textBox(Frame1, "TxtHeight", QStringLiteral("30"), twipsRect(3120, 680, 495, 270),
                        QStringLiteral("单元格高度"));
    TxtWidth = textBox(Frame1, "TxtWidth", QStringLiteral("30"), twipsRect(3840, 680, 495, 270),
                       QStringLiteral("单元格宽度"));
    Label2 = label(Frame1, "Label2", QStringLiteral("间隔:"), twipsRect(4440, 720, 495, 255));
    TextLine = textBox(Frame1, "TextLine", QStringLiteral("4"), twipsRect(4920, 680, 495, 270),
                       QStringLiteral("每个字的空行数"));
}

void FormMain::createAuthorFrame()
{
    Frame2 = frame(this, "Frame2", QStringLiteral("作者信息:"), twipsRect(9360, 120, 3855, 1095));
    Label4 = label(Frame2, "Label4", QStringLiteral("作者: 岫园  联系: xiuyuan@nameart.cn"),
                   twipsRect(240, 240, 3495, 255));
    Label5 = linkLabel(Frame2, "Label5", QStringLiteral("岫园 (内置主页: 使用说明)"),
                       twipsRect(240, 480, 3255, 255), QColor(255, 0, 0));
    Label6 = linkLabel(Frame2, "Label6", QStringLiteral("点这里进入软件更新页面"),
                       twipsRect(240, 720, 3375, 255), QColor(0, 0, 255));
    connect(Label5, &ClickableLabel::clicked, this, &FormMain::Label5_Click);
    connect(Label6, &ClickableLabel::clicked, this, &FormMain::Label6_Click);
}

void FormMain::createBrowserAndTimers()
{
    WebMain->setParent(this);
    QWidget* view = WebMain->widget();
    view->setParent(this);
    place(view, "WebMain", twipsRect(120, 1320, 6735, 3495));
    connect(WebMain, &Browser::DocumentComplete, this,
            [this] { m_dispatcher->WebMain_DocumentComplete(); });

    TimerStart = new QTimer(this);
    TimerStart->setObjectName(QStringLiteral("TimerStart"));
    TimerStart->setInterval(kTimerIntervalMs);
    connect(TimerStart, &QTimer::timeout, this, [this] { m_taskController->TimerStart_Timer(); });
    TimerShow = new QTimer(this);
    TimerShow->setObjectName(QStringLiteral("TimerShow"));
    TimerShow->setInterval(kTimerIntervalMs);
    connect(TimerShow, &QTimer::timeout, this, [this] { m_taskController->TimerShow_Timer(); });
}

// The browser takes the focus first; the two option buttons share one stop.
void FormMain::setTabOrder()
{
    const QList<QWidget*> order{WebMain->widget(), TxtUserName, TxtPassWord, CmdAddLogin,
                                TextNtd,           Option1,     Option2,     TextName,
                                TxtHeight,         TxtWidth,    TextLine};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    WebMain->widget()->setFocus();
}

void FormMain::Form_Load()
{
    m_flags.bGenerated = false;
    m_flags.bBusy = false;
    WebMain->Navigate(SiteEndpoints::authorHomePage());
}

void FormMain::showCentred()
{
    if (QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    WebMain->widget()->setFocus();
}

// The browser fills the window below the three frames, inside the client area.
void FormMain::Form_Resize()
{
    WebMain->setWidth(std::max(0, width() - kBrowserLeft - kBrowserMargin));
    WebMain->setHeight(std::max(0, height() - WebMain->Top() - kBrowserMargin));
}

void FormMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void FormMain::Label5_Click()
{
    if (!m_flags.bBusy)
        WebMain->Navigate(SiteEndpoints::authorHomePage());
}

void FormMain::Label6_Click()
{
    if (!m_flags.bBusy)
        WebMain->Navigate(SiteEndpoints::authorUpdatePage());
}

int FormMain::TextNtd_KeyPress(int keyAscii)
{
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    return digit || keyAscii == kBackspace ? keyAscii : 0;
}

// Only typed characters are filtered: keys that type nothing (arrows, Delete, Tab), shortcuts
// (Ctrl+V and the like) and pasted text pass, and the box's text is never checked again.
bool FormMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TextNtd && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool typesCharacter =
            !key->text().isEmpty() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) &&
            key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab &&
            key->key() != Qt::Key_Delete;
        if (typesCharacter &&
            TextNtd_KeyPress(static_cast<int>(key->text().toUcs4().value(0))) == 0)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

QString FormMain::userName() const
{
    return TxtUserName->text();
}

QString FormMain::passWord() const
{
    return TxtPassWord->text();
}

void FormMain::restoreStartButton()
{
    CmdAddLogin->setEnabled(true);
    CmdAddLogin->setText(QString::fromUtf8(kStart));
}

void FormMain::armTimerStart()
{
    TimerStart->start();
}

void FormMain::armTimerShow()
{
    TimerShow->start();
}

void FormMain::showMessage(const QString& prompt)
{
    m_messageBoxes.show(prompt, {}, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::None);
}

void FormMain::AddNew()
{
    m_blogEntryFiller->AddNew();
}

QString FormMain::pageFilePath() const
{
    return QString::fromStdString(fileBesideProgram(m_programFolder.toStdString(), kPageFileName));
}

QString FormMain::fontFilePath() const
{
    return QString::fromStdString(fileBesideProgram(m_programFolder.toStdString(), kFontFileName));
}

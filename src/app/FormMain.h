#pragma once

#include "automation/SiteEndpoints.h"
#include "automation/TaskWindow.h"

#include <QWidget>
#include <memory>
#include <string>

class BlogEntryFiller;
class Browser;
class ClickableLabel;
class MessageBoxes;
class PageGenerators;
class PageLoadDispatcher;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class TaskController;

// The one window: the account, the generation settings, the author's links and the embedded
// browser in which every step of a task happens in front of the user.
//
// Controls are named members, reached by name from the task's parts and from tests.
class FormMain : public QWidget, public TaskWindow
{
    Q_OBJECT

public:
    static constexpr const char* kStart = "开始任务";
    static constexpr const char* kStop = "终止任务";

    // Takes ownership of the browser and shows its widget as WebMain.
    FormMain(Browser* browser, MessageBoxes& messageBoxes, SiteEndpoints site,
             QString programFolder, QWidget* parent = nullptr);
    ~FormMain() override;

    // Centres the window on its screen, then shows it.
    void showCentred();

    // TaskWindow
    TaskFlags& flags() override { return m_flags; }
    Browser& webMain() override { return *WebMain; }
    const SiteEndpoints& site() const override { return m_site; }
    QString userName() const override;
    QString passWord() const override;
    void restoreStartButton() override;
    void armTimerStart() override;
    void armTimerShow() override;
    void showMessage(const QString& prompt) override;
    void AddNew() override;
    QString pageFilePath() const override;

    QString fontFilePath() const;
    MessageBoxes& messageBoxes() { return m_messageBoxes; }

    // Returns the character code to let through, or 0 to swallow the keystroke: digits and
    // backspace only.
    static int TextNtd_KeyPress(int keyAscii);

    QGroupBox* FrmUserLogin;
    QLabel* LbUserName;
    QLineEdit* TxtUserName;
    QLabel* LbPassWord;
    QLineEdit* TxtPassWord;
    QPushButton* CmdAddLogin;

    QGroupBox* Frame1;
    QRadioButton* Option1;
    QLabel* Label1;
    QLineEdit* TextNtd;
    QFrame* Line1;
    QRadioButton* Option2;
    QLineEdit* TextName;
    QLabel* Label3;
    QLineEdit* TxtHeight;
    QLineEdit* TxtWidth;
    QLabel* Label2;
    QLineEdit* TextLine;

    QGroupBox* Frame2;
    QLabel* Label4;
    ClickableLabel* Label5;
    ClickableLabel* Label6;

    Browser* WebMain;
    QTimer* TimerStart;
    QTimer* TimerShow;

    // The task's parts, each over this window.
    TaskController& taskController() { return *m_taskController; }
    PageGenerators& pageGenerators() { return *m_pageGenerators; }
    PageLoadDispatcher& dispatcher() { return *m_dispatcher; }

public slots:
    void Form_Resize();
    void Label5_Click();
    void Label6_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createAccountFrame();
    void createSettingsFrame();
    void createAuthorFrame();
    void createBrowserAndTimers();
    void setTabOrder();
    void Form_Load();

    MessageBoxes& m_messageBoxes;
    SiteEndpoints m_site;
    QString m_programFolder;
    TaskFlags m_flags;
    std::unique_ptr<TaskController> m_taskController;
    std::unique_ptr<PageGenerators> m_pageGenerators;
    std::unique_ptr<PageLoadDispatcher> m_dispatcher;
    std::unique_ptr<BlogEntryFiller> m_blogEntryFiller;
};

#pragma once

#include "views/AutoTraceControl.h"
#include "views/CommandIds.h"

#include <QMainWindow>

#include <functional>
#include <map>

class CDataStore;
class CKAVDoc;
class CKAVView;
struct InfoFields;
class JobDock;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;

// The main window: menus, toolbar, status bar and the view. Commands go to
// the view first, then the frame's own (the information dialogs), then the
// application's.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    CMainFrame(CKAVDoc& document, CDataStore& store, AutoTraceFactory autoTraceFactory,
               QWidget* parent = nullptr);

    // Runs a command as if its menu item, button or key had been used.
    void OnCommand(CommandId id);
    // A file given on the command line or dropped on the window: a job is
    // opened beside the tabs, any other file on the tab of its kind. False
    // when it was not opened.
    bool OpenAnyFile(const QString& path);
    // Who handles the commands that neither the view nor the frame does.
    void SetApplicationHandler(std::function<bool(CommandId)> handler);

    // The window caption: `title`, followed by the note that says how the
    // program runs (such as with the simulated instrument), if any.
    // The name of the file on the selected tab goes in front of both.
    void SetCaption(const QString& title);
    void SetCaptionNote(const QString& note);

    // The size, place and tab the window had when it was last closed, from
    // the program's settings; a place off every screen is left to the system.
    void RestorePlacement();
    // The size the window is laid out for: the view's form with the menu
    // bar, toolbar and status bar. It starts at this size where the screen
    // has room for it.
    QSize DesignSize() const;
    // The smallest size at which no page's controls overlap and no chart
    // text is cut; the window keeps to it unless the screen is smaller.
    QSize LayoutMinimum() const { return m_LayoutMinimum; }

    CKAVView* View() const { return m_View; }
    QAction* Action(CommandId id) const;
    QToolBar* ToolBar() const { return m_ToolBar; }
    QMenu* RecentFilesMenu() const { return m_RecentMenu; }
    JobDock* Jobs() const { return m_JobDock; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddCommand(CommandId id, const QString& text, const QString& prompt);
    void CreateMenus();
    void CreateToolBar();
    // Help > Language: the languages the window can speak, the one in
    // effect checked.
    void AddLanguageMenu(QMenu* help);
    void ChooseLanguage(const QString& code);
    void CreateStatusBar();
    QSize WithChrome(const QSize& viewSize) const;
    void SizeToForm();
    void FitMinimumToScreen();
    void UpdateCommandStates();
    void UpdateCaption();
    bool OnFrameCommand(CommandId id);
    // An Edit command on the job, cable and system information: `edit`
    // changes a copy, which the view then holds.
    void EditInformation(void (*edit)(QWidget* owner, InfoFields& fields));
    // Edit > Test Limits...: the limit chosen is shown and remembered.
    void EditLimits();
    // View > Limit, Margin and Result Columns, remembered.
    void ToggleLimitColumns();

    // File > Recent Files: each entry reopens its file on the tab of its kind.
    void AddRecentFilesMenu();
    void UpdateRecentFilesMenu();
    void OpenRecentFile(const QString& path);
    void OnFileOpened(const QString& path);

    bool TitleBarOnAScreen(const QPoint& position) const;
    void SavePlacement();

    CKAVDoc& m_Document;
    CKAVView* m_View;
    JobDock* m_JobDock = nullptr;
    QToolBar* m_ToolBar = nullptr;
    QProgressBar* m_ProgressBar = nullptr;
    QMenu* m_RecentMenu = nullptr;
    std::map<CommandId, QAction*> m_Actions;
    std::function<bool(CommandId)> m_ApplicationHandler;
    bool m_FittedToScreen = false;
    QSize m_LayoutMinimum;
    QString m_CaptionTitle;
    QString m_CaptionNote;
};

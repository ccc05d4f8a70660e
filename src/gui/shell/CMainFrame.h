#pragma once

#include "ChildWindow.h"
#include "Shell.h"
#include "platform/QMessageBoxPresenter.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace vistagon::gui {

class CHelpViewer;
class CVistagonView;

// The main frame: the MDI area, the menus of each window kind, toolbar and
// status bar; it routes commands to the active child window and owns no
// computation.
class CMainFrame : public QMainWindow, public Shell {
    Q_OBJECT
public:
    // messages: the presenter of every box; the frame's own when none is given.
    CMainFrame(std::string profilePath, MessagePresenter* messages = nullptr);
    ~CMainFrame() override;

    MessagePresenter& Messages() override { return *messages_; }
    Profile AppProfile() const override { return Profile(profilePath_); }
    QWidget* DialogParent() override { return this; }
    QMdiSubWindow* AddChildWindow(QWidget* child) override;
    void SetStatusMessage(const QString& text) override;
    void SetPositionText(const QString& text) override;
    void SetZoomText(const QString& text) override;
    void UpdateCommands() override;
    void ShowHelp(const QString& topic) override;

    QMdiArea* mdiArea() const { return mdiArea_; }
    QAction* action(int id) const { return actions_.value(id); }
    // The help window, once opened.
    CHelpViewer* helpViewer() const;
    // The status bar's position and zoom panes.
    QString PositionText() const;
    QString ZoomPaneText() const;
    // The title of the menu bar's menus, for the active window kind.
    QStringList MenuTitles() const;

    // Reads "Settings"/"WindowPos" and shows the frame with it.
    void ShowWithPlacement();
    // File New: a scene form with the new-scene values.
    CVistagonView* NewScene();
    // Opens a scene or an image; "Cannot open file '%s'." when it cannot.
    bool OpenDocumentFile(const QString& path);
    // The scene form opened last: the batch mode renders it.
    CVistagonView* CurrentSceneForm() const;
    // Asks every document, the document manager's first; false when one refuses.
    bool MayCloseAll();

    // Runs a command handler; an exception escaping it is reported in one box.
    void RunGuarded(const std::function<void()>& handler);
    void ReportException(std::exception_ptr error);

    ChildWindow* ActiveChild() const;
    QList<ChildWindow*> Children() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Dropped files open as File Open would open them.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateToolBar();
    void CreateStatusBar();
    void RebuildMenus();
    QMenu* FileMenu(std::optional<WindowKind> kind);
    QMenu* EditMenu(WindowKind kind);
    QMenu* ViewMenu(std::optional<WindowKind> kind);
    QMenu* CalculateMenu(std::optional<WindowKind> kind);
    QMenu* WindowMenu();
    // The open windows below Cascade, Tile and Arrange Icons, the active one checked.
    void ListWindows(QMenu* menu);
    QMenu* HelpMenu();
    void AddRecentFiles(QMenu* menu);
    void AddToolMenus(QMenu* menu);
    void Trigger(int id);
    void FileOpen();
    void Options();
    void About();
    void PrintSetup();
    void WritePlacement();
    // "still.vgs - Vistagon" with the active document's modified mark.
    void UpdateTitle();
    // Title, position and zoom panes for the window just activated or gone.
    void ShowActivePanes();
    void AddActions(QMenu* menu, std::initializer_list<int> ids);
    QString HelpTopicOfActive() const;
    // Makes the help viewer a window of the modal dialog, so that the dialog does not block it.
    void LendHelpTo(QWidget& modal);

    std::string profilePath_;
    QMessageBoxPresenter ownMessages_;
    MessagePresenter* messages_;
    QMdiArea* mdiArea_;
    QToolBar* toolBar_ = nullptr;
    QLabel* positionPane_ = nullptr;
    QLabel* zoomPane_ = nullptr;
    QMap<int, QAction*> actions_;
    QPointer<CVistagonView> currentScene_;
    QPointer<CHelpViewer> help_;
    QString title_;
    std::optional<WindowKind> menuKind_;
    bool menusBuilt_ = false;
    bool closingApproved_ = false;
    int untitledCount_ = 0;
};

}  // namespace vistagon::gui

#include "CMainFrame.h"

#include "CAboutDialog.h"
#include "CommandTable.h"
#include "ExceptionReport.h"
#include "FileDialogs.h"
#include "RecentFileList.h"
#include "ToolIcons.h"
#include "WindowPlacement.h"
#include "convert/ConverterCommand.h"
#include "help/CHelpViewer.h"
#include "help/HelpPlacement.h"
#include "image/ImageWindows.h"
#include "options/COptionsDialog.h"
#include "platform/BinaryFile.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "scene/CVistagonView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>

namespace vistagon::gui {

namespace {

constexpr const char* kAppTitle = "Vistagon";

// A window's title as Qt shows it: the "[*]" placeholder becomes the modified mark.
QString ShownTitle(const QWidget* widget)
{
    if (widget == nullptr) return {};
    QString title = widget->windowTitle();
    return title.replace(QStringLiteral("[*]"), widget->isWindowModified() ? QStringLiteral("*") : QString());
}

ChildWindow* ChildOf(QMdiSubWindow* window)
{
    return window ? dynamic_cast<ChildWindow*>(window->widget()) : nullptr;
}

// Closing asks the document manager's documents first, then the path editors, then the rendering windows.
int CloseOrder(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Scene:
    case WindowKind::Image: return 0;
    case WindowKind::PathEditor: return 1;
    case WindowKind::Rendering: return 2;
    case WindowKind::FlightPlan: return 3;
    }
    return 3;
}

bool IsImagePath(const QString& path)
{
    return path.endsWith(".tga", Qt::CaseInsensitive);
}

}  // namespace

CMainFrame::CMainFrame(std::string profilePath, MessagePresenter* messages)
    : profilePath_(std::move(profilePath)),
      ownMessages_([this] { return static_cast<QWidget*>(this); }),
      messages_(messages ? messages : &ownMessages_),
      mdiArea_(new QMdiArea(this))
{
    UpdateTitle();
    setWindowIcon(QIcon(":/desktop/vistagon.svg"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    CreateActions();
    CreateToolBar();
    CreateStatusBar();
    RebuildMenus();
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] {
        RebuildMenus();
        UpdateCommands();
        ShowActivePanes();
    });
    setAcceptDrops(true);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { UpdateCommands(); });
    UpdateCommands();
}

CMainFrame::~CMainFrame()
{
    // The children go after this part of the frame; their signals must not reach it.
    QObject::disconnect(mdiArea_, nullptr, this, nullptr);
    QObject::disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    for (QMdiSubWindow* window : mdiArea_->findChildren<QMdiSubWindow*>()) {
        QObject::disconnect(window, nullptr, this, nullptr);
        window->removeEventFilter(this);
        if (window->widget() != nullptr) window->widget()->removeEventFilter(this);
    }
}

CHelpViewer* CMainFrame::helpViewer() const
{
    return help_.data();
}

CVistagonView* CMainFrame::CurrentSceneForm() const
{
    return currentScene_.data();
}

void CMainFrame::CreateActions()
{
    for (const CommandInfo& info : CommandTable::All()) {
        auto* action = new QAction(info.text, this);
        action->setShortcuts(info.keys);
        addAction(action);  // accelerators work whatever menu is shown, in the frame and its children
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { RunGuarded([this, id] { Trigger(id); }); });
        actions_.insert(id, action);
    }
    actions_[cmd::kToolbar]->setCheckable(true);
    actions_[cmd::kToolbar]->setChecked(true);
    actions_[cmd::kStatusBar]->setCheckable(true);
    actions_[cmd::kStatusBar]->setChecked(true);
}

void CMainFrame::CreateToolBar()
{
    toolBar_ = addToolBar("Toolbar");
    toolBar_->setObjectName("toolbar");
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(20, 20));
    const int toolSlots[] = {cmd::kNew, cmd::kOpen, cmd::kSave, 0, cmd::kCut, cmd::kCopy, cmd::kPaste, 0,
                         cmd::kPrint, cmd::kAbout, 0, cmd::kPreview, cmd::kRaw, cmd::kFinal, cmd::kFlightPlan, 0,
                         cmd::kStop, 0, cmd::kZoomIn, cmd::kZoomOut, cmd::kZoomOne};
    for (int id : toolSlots) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = actions_[id];
        action->setIcon(ToolIcons::Of(id));
        toolBar_->addAction(action);
    }
}

void CMainFrame::CreateStatusBar()
{
    const QFontMetrics metrics(statusBar()->font());
    positionPane_ = new QLabel(this);
    positionPane_->setMinimumWidth(metrics.horizontalAdvance(QString(22, ' ')) + 8);
    positionPane_->setFrameShape(QFrame::Panel);
    positionPane_->setFrameShadow(QFrame::Sunken);
    zoomPane_ = new QLabel(this);
    zoomPane_->setMinimumWidth(metrics.horizontalAdvance(QString(8, ' ')) + 8);
    zoomPane_->setFrameShape(QFrame::Panel);
    zoomPane_->setFrameShadow(QFrame::Sunken);
    statusBar()->addPermanentWidget(positionPane_);
    statusBar()->addPermanentWidget(zoomPane_);
    statusBar()->showMessage("Ready");
}

void CMainFrame::AddActions(QMenu* menu, std::initializer_list<int> ids)
{
    for (int id : ids) {
        if (id == 0) menu->addSeparator();
        else menu->addAction(actions_[id]);
    }
}

QMenu* CMainFrame::FileMenu(std::optional<WindowKind> kind)
{
    auto* menu = new QMenu("&File", menuBar());
    if (kind == WindowKind::PathEditor) {
        AddActions(menu, {cmd::kApply, cmd::kImportTrack, cmd::kClose, 0, cmd::kPrint, cmd::kPrintPreview, cmd::kPrintSetup, 0, cmd::kExit});
        return menu;
    }
    AddActions(menu, {cmd::kNew, cmd::kOpen});
    if (kind) AddActions(menu, {cmd::kClose, cmd::kSave, cmd::kSaveAs});
    menu->addSeparator();
    if (kind == WindowKind::Image || kind == WindowKind::Rendering) AddActions(menu, {cmd::kPrint, cmd::kPrintPreview});
    AddActions(menu, {cmd::kPrintSetup, 0});
    AddRecentFiles(menu);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        // The list changes as documents close.
        for (QAction* a : menu->actions())
            if (a->property("recent").isValid()) menu->removeAction(a), a->deleteLater();
        AddRecentFiles(menu);
    });
    AddActions(menu, {cmd::kExit});
    return menu;
}

void CMainFrame::AddRecentFiles(QMenu* menu)
{
    QAction* exit = actions_[cmd::kExit];
    QAction* before = menu->actions().contains(exit) ? exit : nullptr;
    const QStringList files = RecentFileList::Read(AppProfile());
    int number = 1;
    for (const QString& file : files) {
        auto* action = new QAction(QString("&%1 %2").arg(number++).arg(file), menu);
        action->setProperty("recent", true);
        connect(action, &QAction::triggered, this, [this, file] { RunGuarded([this, file] { OpenDocumentFile(file); }); });
        menu->insertAction(before, action);
    }
    if (files.isEmpty()) return;
    auto* separator = new QAction(menu);
    separator->setSeparator(true);
    separator->setProperty("recent", true);
    menu->insertAction(before, separator);
}

QMenu* CMainFrame::EditMenu(WindowKind kind)
{
    auto* menu = new QMenu("&Edit", menuBar());
    AddActions(menu, {cmd::kCopy, cmd::kPaste});
    if (kind == WindowKind::Scene) AddActions(menu, {0, cmd::kFirstToLast, cmd::kLastToFirst});
    return menu;
}

QMenu* CMainFrame::ViewMenu(std::optional<WindowKind> kind)
{
    auto* menu = new QMenu("&View", menuBar());
    AddActions(menu, {cmd::kToolbar, cmd::kStatusBar});
    if (kind == WindowKind::Image || kind == WindowKind::PathEditor || kind == WindowKind::Rendering)
        AddActions(menu, {0, cmd::kZoomIn, cmd::kZoomOut, cmd::kZoomOne});
    AddActions(menu, {0, cmd::kOptions});
    return menu;
}

void CMainFrame::AddToolMenus(QMenu* menu)
{
    for (const CommandTable::SubMenu& sub : CommandTable::ToolMenus()) {
        QMenu* tools = menu->addMenu(sub.title);
        for (int id : sub.ids) tools->addAction(actions_[id]);
    }
}

QMenu* CMainFrame::CalculateMenu(std::optional<WindowKind> kind)
{
    auto* menu = new QMenu("&Calculate", menuBar());
    if (kind == WindowKind::Scene) AddActions(menu, {cmd::kPreview, cmd::kRaw, cmd::kFinal, cmd::kFlightPlan, 0});
    if (kind == WindowKind::Rendering) AddActions(menu, {cmd::kStop, 0});
    AddToolMenus(menu);
    return menu;
}

QMenu* CMainFrame::WindowMenu()
{
    auto* menu = new QMenu("&Window", menuBar());
    AddActions(menu, {cmd::kCascade, cmd::kTile, cmd::kArrange});
    // The open windows change while the menu stays: listed afresh each time it opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { ListWindows(menu); });
    ListWindows(menu);
    return menu;
}

void CMainFrame::ListWindows(QMenu* menu)
{
    for (QAction* a : menu->actions())
        if (a->property("window").isValid()) menu->removeAction(a), a->deleteLater();
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    if (windows.isEmpty()) return;
    auto* separator = menu->addSeparator();
    separator->setProperty("window", true);
    int number = 1;
    for (QMdiSubWindow* window : windows) {
        auto* action = menu->addAction(QString("&%1 %2").arg(number++).arg(ShownTitle(window->widget())));
        action->setProperty("window", true);
        action->setCheckable(true);
        action->setChecked(window == mdiArea_->currentSubWindow());
        connect(action, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(window)] {
            if (window) mdiArea_->setActiveSubWindow(window);
        });
    }
}

QMenu* CMainFrame::HelpMenu()
{
    auto* menu = new QMenu("&Help", menuBar());
    AddActions(menu, {cmd::kHelpIndex, cmd::kHelpUsing, 0, cmd::kAbout});
    return menu;
}

void CMainFrame::RebuildMenus()
{
    ChildWindow* child = ActiveChild();
    const std::optional<WindowKind> kind = child ? std::optional(child->Kind()) : std::nullopt;
    if (menusBuilt_ && kind == menuKind_) return;
    menuKind_ = kind;
    menusBuilt_ = true;
    for (QAction* action : menuBar()->actions())
        if (action->menu()) action->menu()->deleteLater();
    menuBar()->clear();
    menuBar()->addMenu(FileMenu(kind));
    if (kind) menuBar()->addMenu(EditMenu(*kind));
    menuBar()->addMenu(ViewMenu(kind));
    if (kind != WindowKind::PathEditor) menuBar()->addMenu(CalculateMenu(kind));
    if (kind) menuBar()->addMenu(WindowMenu());
    menuBar()->addMenu(HelpMenu());
}

QStringList CMainFrame::MenuTitles() const
{
    QStringList titles;
    for (QAction* action : menuBar()->actions()) titles << action->text();
    return titles;
}

ChildWindow* CMainFrame::ActiveChild() const
{
    return ChildOf(mdiArea_->currentSubWindow());
}

QList<ChildWindow*> CMainFrame::Children() const
{
    QList<ChildWindow*> children;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (ChildWindow* child = ChildOf(window)) children << child;
    return children;
}

void CMainFrame::UpdateTitle()
{
    QMdiSubWindow* window = mdiArea_->currentSubWindow();
    QWidget* child = window != nullptr ? window->widget() : nullptr;
    const QString name = child != nullptr ? child->windowTitle() : QString();
    title_ = name.isEmpty() ? QString(kAppTitle) : name + " - " + kAppTitle;
    setWindowTitle(title_);
    setWindowModified(child != nullptr && child->isWindowModified() && title_.contains("[*]"));
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // A maximised sub-window writes its name into the frame's title as well; the name stands once.
    if (event->type() == QEvent::WindowTitleChange && windowTitle() != title_) setWindowTitle(title_);
}

void CMainFrame::ShowActivePanes()
{
    UpdateTitle();
    positionPane_->clear();
    ChildWindow* child = ActiveChild();
    zoomPane_->setText(child != nullptr ? child->ZoomText() : QString());
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) RunGuarded([&] { OpenDocumentFile(url.toLocalFile()); });
    event->acceptProposedAction();
}

void CMainFrame::UpdateCommands()
{
    UpdateTitle();
    ChildWindow* child = ActiveChild();
    for (const CommandInfo& info : CommandTable::All()) {
        QAction* action = actions_[info.id];
        if (info.routed) {
            const Command command = *info.routed;
            const bool always = command == Command::StopRendering || command == Command::ZoomIn ||
                                command == Command::ZoomOut || command == Command::ZoomOneToOne;
            action->setEnabled(always || (child && child->IsEnabled(command)));
        }
    }
    actions_[cmd::kCut]->setEnabled(false);
    actions_[cmd::kClose]->setEnabled(child != nullptr);
    actions_[cmd::kOptions]->setEnabled(!child || child->Kind() != WindowKind::PathEditor);
}

void CMainFrame::Trigger(int id)
{
    const CommandInfo& info = CommandTable::Find(id);
    if (info.routed) {
        ChildWindow* child = ActiveChild();
        if (child && child->IsEnabled(*info.routed)) child->Execute(*info.routed);
        UpdateCommands();
        return;
    }
    if (info.converter) {
        RunConverterCommand(*info.converter, *this);
        return;
    }
    switch (id) {
    case cmd::kNew: NewScene(); break;
    case cmd::kOpen: FileOpen(); break;
    case cmd::kClose:
        if (QMdiSubWindow* window = mdiArea_->currentSubWindow()) window->close();
        break;
    case cmd::kPrintSetup: PrintSetup(); break;
    case cmd::kExit: close(); break;
    case cmd::kOptions: Options(); break;
    case cmd::kAbout: About(); break;
    case cmd::kHelpIndex: ShowHelp("index"); break;
    case cmd::kHelpUsing: ShowHelp("using-help"); break;
    case cmd::kHelp:
    case cmd::kContextHelp: ShowHelp(HelpTopicOfActive()); break;
    case cmd::kToolbar: toolBar_->setVisible(actions_[id]->isChecked()); break;
    case cmd::kStatusBar: statusBar()->setVisible(actions_[id]->isChecked()); break;
    case cmd::kCascade: mdiArea_->cascadeSubWindows(); break;
    case cmd::kTile: mdiArea_->tileSubWindows(); break;
    case cmd::kArrange: mdiArea_->tileSubWindows(); break;
    default: break;
    }
}

QString CMainFrame::HelpTopicOfActive() const
{
    ChildWindow* child = ActiveChild();
    if (!child) return "main-window";
    switch (child->Kind()) {
    case WindowKind::Scene: return "scene-form";
    case WindowKind::Image: return "image-window";
    case WindowKind::PathEditor: return "path-editor";
    case WindowKind::Rendering: return "rendering-window";
    case WindowKind::FlightPlan: return "plan-window";
    }
    return "index";
}

QMdiSubWindow* CMainFrame::AddChildWindow(QWidget* child)
{
    QMdiSubWindow* window = mdiArea_->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(this);
    child->installEventFilter(this);  // its title and modified mark reach the frame's title
    connect(window, &QObject::destroyed, this, [this] {
        RebuildMenus();
        UpdateCommands();
        ShowActivePanes();
    });
    window->show();
    RebuildMenus();
    UpdateCommands();
    return window;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    const bool titleChanged = event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ModifiedChange;
    if (titleChanged && mdiArea_->currentSubWindow() != nullptr && watched == mdiArea_->currentSubWindow()->widget())
        UpdateTitle();
    if (event->type() == QEvent::Close && !closingApproved_) {
        if (ChildWindow* child = ChildOf(qobject_cast<QMdiSubWindow*>(watched))) {
            bool allowed = false;
            RunGuarded([&] { allowed = child->MayClose(); });
            if (!allowed) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

CVistagonView* CMainFrame::NewScene()
{
    auto* form = new CVistagonView(*this, QString("untitled%1").arg(++untitledCount_));
    form->LoadDefaults();
    AddChildWindow(form)->showMaximized();
    currentScene_ = form;
    return form;
}

bool CMainFrame::OpenDocumentFile(const QString& path)
{
    const auto cannotOpen = [&] {
        messages_->ShowMessage(FormatText(msg::kCannotOpenFile.text, path.toStdString().c_str()), MessageIcon::Stop);
        return false;
    };
    if (!CanOpenForReading(path.toStdString())) return cannotOpen();
    // A document already open is shown again rather than opened twice.
    const QString full = QFileInfo(path).absoluteFilePath();
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        ChildWindow* child = ChildOf(window);
        if (child && child->Kind() != WindowKind::Rendering && child->DocumentPath() == full) {
            mdiArea_->setActiveSubWindow(window);
            return true;
        }
    }
    const QString extension = IsImagePath(path) ? ".tga" : ".vgs";
    if (IsImagePath(path)) {
        if (!OpenImageWindow(*this, path)) return false;
    } else {
        auto* form = new CVistagonView(*this, QString());
        if (!form->LoadScene(path)) {
            delete form;
            return cannotOpen();
        }
        AddChildWindow(form)->showMaximized();
        currentScene_ = form;
    }
    try {
        AppProfile().WriteString("Recent File Load", "Name", extension.toStdString());
    } catch (const std::exception&) {
        // Only the next Open dialog's filter order depends on it.
    }
    RecentFileList::Add(AppProfile(), path);
    return true;
}

void CMainFrame::FileOpen()
{
    const QString path = FileDialogs::PromptOpen(this, AppProfile());
    if (!path.isEmpty()) OpenDocumentFile(path);
}

void CMainFrame::Options()
{
    COptionsDialog dialog(*this);
    dialog.exec();
}

void CMainFrame::About()
{
    CAboutDialog dialog(this);
    dialog.exec();
}

void CMainFrame::PrintSetup()
{
    QPrinter printer;
    QPageSetupDialog dialog(&printer, this);
    dialog.exec();
}

QString CMainFrame::PositionText() const
{
    return positionPane_->text();
}

QString CMainFrame::ZoomPaneText() const
{
    return zoomPane_->text();
}

void CMainFrame::SetStatusMessage(const QString& text)
{
    statusBar()->showMessage(text);
}

void CMainFrame::SetPositionText(const QString& text)
{
    positionPane_->setText(text);
}

void CMainFrame::SetZoomText(const QString& text)
{
    zoomPane_->setText(text);
}

void CMainFrame::ShowHelp(const QString& topic)
{
    if (!help_) help_ = new CHelpViewer(this);
    // A modal dialog blocks every window but its own: help asked from it becomes one of them.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != help_ && help_->parentWidget() != modal) LendHelpTo(*modal);
    help_->ShowTopic(topic);
    if (modal != nullptr && help_->parentWidget() == modal) HelpPlacement::PlaceBeside(*help_, CHelpViewer::kPreferredSize, *modal);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void CMainFrame::LendHelpTo(QWidget& modal)
{
    help_->setParent(&modal, help_->windowFlags());
    // The help goes with its dialog and comes back to the frame for the next time.
    if (auto* dialog = qobject_cast<QDialog*>(&modal))
        connect(dialog, &QDialog::finished, help_, [this] {
            help_->hide();
            help_->setParent(this, help_->windowFlags());
        });
}

void CMainFrame::RunGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        ReportException(std::current_exception());
    }
}

void CMainFrame::ReportException(std::exception_ptr error)
{
    messages_->ShowMessage(ExceptionReport::TextOf(error), MessageIcon::Stop);
}

bool CMainFrame::MayCloseAll()
{
    QList<ChildWindow*> children = Children();
    std::stable_sort(children.begin(), children.end(),
                     [](ChildWindow* a, ChildWindow* b) { return CloseOrder(a->Kind()) < CloseOrder(b->Kind()); });
    for (ChildWindow* child : children) {
        bool allowed = false;
        RunGuarded([&] { allowed = child->MayClose(); });
        if (!allowed) return false;
    }
    return true;
}

void CMainFrame::ShowWithPlacement()
{
    const std::optional<WindowPlacement> placement =
        WindowPlacement::Parse(QString::fromStdString(AppProfile().GetString("Settings", "WindowPos", "")));
    if (!placement) {
        resize(1100, 780);
        show();
        return;
    }
    setGeometry(placement->NormalRect());
    if (placement->showCommand == WindowPlacement::kShowMaximized) showMaximized();
    else if (placement->showCommand == WindowPlacement::kShowMinimized) showMinimized();
    else show();
}

void CMainFrame::WritePlacement()
{
    const WindowPlacement placement = WindowPlacement::FromWindow(normalGeometry(), isMaximized(), isMinimized());
    try {
        AppProfile().WriteString("Settings", "WindowPos", placement.Format().toStdString());
    } catch (const std::exception&) {
        // The next start opens with the default placement.
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!MayCloseAll()) {
        event->ignore();
        return;
    }
    WritePlacement();
    closingApproved_ = true;
    mdiArea_->closeAllSubWindows();
    if (help_) help_->close();
    event->accept();
}

}  // namespace vistagon::gui

#pragma once

#include "shell/ChildWindow.h"
#include "shell/Shell.h"
#include "support/ScriptedPresenter.h"

#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <functional>

namespace vistagon::guitest {

// A shell for one test: an MDI area in a window, the boxes through a scripted
// presenter, the status panes recorded, the profile in the test's folder. As
// the main frame does, a sub-window closes only when its child's MayClose agrees.
class TestShell : public QObject, public gui::Shell {
public:
    explicit TestShell(std::string profilePath) : profilePath_(std::move(profilePath))
    {
        frame.setCentralWidget(area);
        frame.resize(1000, 800);
        frame.show();
    }

    gui::MessagePresenter& Messages() override { return presenter; }
    Profile AppProfile() const override { return Profile(profilePath_); }
    QWidget* DialogParent() override { return &frame; }
    QMdiSubWindow* AddChildWindow(QWidget* child) override
    {
        QMdiSubWindow* window = area->addSubWindow(child);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->installEventFilter(this);
        window->show();
        if (onAdd) onAdd(child, window);
        return window;
    }
    void SetStatusMessage(const QString& text) override { statusMessage = text; }
    void SetPositionText(const QString& text) override { positionText = text; }
    void SetZoomText(const QString& text) override
    {
        zoomText = text;
        if (!text.isEmpty()) zoomTexts.push_back(text);
    }
    void UpdateCommands() override {}
    void ShowHelp(const QString& topic) override { helpTopic = topic; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QMdiSubWindow*>(watched);
        auto* child = window != nullptr ? dynamic_cast<gui::ChildWindow*>(window->widget()) : nullptr;
        if (event->type() == QEvent::Close && child != nullptr && !child->MayClose()) {
            event->ignore();
            return true;
        }
        return false;
    }

    ScriptedPresenter presenter;
    QMainWindow frame;
    QMdiArea* area = new QMdiArea;
    QString statusMessage;
    QString positionText;
    QString zoomText;
    QStringList zoomTexts;
    QString helpTopic;
    std::function<void(QWidget*, QMdiSubWindow*)> onAdd;

private:
    std::string profilePath_;
};

}  // namespace vistagon::guitest

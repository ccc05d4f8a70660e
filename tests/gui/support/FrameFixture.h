#pragma once

#include "shell/CMainFrame.h"
#include "support/ScriptedPresenter.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <memory>

namespace vistagon::guitest {

// A main frame over a profile of its own in a fresh folder, its boxes recorded.
struct FrameFixture {
    QTemporaryDir dir;
    ScriptedPresenter presenter;
    std::unique_ptr<gui::CMainFrame> frame;

    FrameFixture() : frame(std::make_unique<gui::CMainFrame>(ProfilePath().toStdString(), &presenter)) {}

    QString ProfilePath() const { return dir.filePath("vistagon.ini"); }
    QString File(const QString& name) const { return dir.filePath(name); }

    void Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(File(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
};

}  // namespace vistagon::guitest

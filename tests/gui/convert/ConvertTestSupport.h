#pragma once

#include "convert/FileChooser.h"
#include "shell/Shell.h"
#include "support/ScriptedPresenter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vistagon::guitest {

// The frame as the converter dialogs see it: scripted boxes, a profile in a
// temporary folder, and the help topics asked for.
class ConvertShell : public gui::Shell {
public:
    explicit ConvertShell(QString profilePath) : profilePath_(std::move(profilePath)) {}

    gui::MessagePresenter& Messages() override { return presenter; }
    Profile AppProfile() const override { return Profile(profilePath_.toStdString()); }
    QWidget* DialogParent() override { return nullptr; }
    QMdiSubWindow* AddChildWindow(QWidget*) override { return nullptr; }
    void SetStatusMessage(const QString&) override {}
    void SetPositionText(const QString&) override {}
    void SetZoomText(const QString&) override {}
    void UpdateCommands() override {}
    void ShowHelp(const QString& topic) override { helpTopics << topic; }

    ScriptedPresenter presenter;
    QStringList helpTopics;

private:
    QString profilePath_;
};

// Browse answers from a script: each call takes the next answer of its kind
// (none left: the user cancelled) and records what it was asked.
class ScriptedFileChooser : public gui::FileChooser {
public:
    std::optional<QString> OpenFile(QWidget*, const gui::FileRequest& request) override
    {
        requests.push_back(request);
        return Take(open);
    }
    std::optional<QStringList> OpenFiles(QWidget*, const gui::FileRequest& request) override
    {
        requests.push_back(request);
        if (openMany.empty()) return std::nullopt;
        QStringList files = openMany.front();
        openMany.pop_front();
        return files;
    }
    std::optional<QString> SaveFile(QWidget*, const gui::FileRequest& request) override
    {
        requests.push_back(request);
        return Take(save);
    }

    std::deque<QString> open;
    std::deque<QStringList> openMany;
    std::deque<QString> save;
    std::vector<gui::FileRequest> requests;

private:
    static std::optional<QString> Take(std::deque<QString>& answers)
    {
        if (answers.empty()) return std::nullopt;
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct Pixel {
    uint8_t b, g, r;
};

// A 24-bit uncompressed TGA, rows bottom-up; pixel(x, y) with y upward.
inline void WriteTga(const QString& path, int width, int height, const std::function<Pixel(int, int)>& pixel)
{
    QByteArray bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = static_cast<char>(width & 0xFF);
    bytes[13] = static_cast<char>(width >> 8);
    bytes[14] = static_cast<char>(height & 0xFF);
    bytes[15] = static_cast<char>(height >> 8);
    bytes[16] = 24;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Pixel p = pixel(x, y);
            bytes.append(static_cast<char>(p.b)).append(static_cast<char>(p.g)).append(static_cast<char>(p.r));
        }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

// An elevation file: heights in the 24-bit encoding, blue the lowest byte.
inline void WriteElevation(const QString& path, int width, int height, const std::function<int32_t(int, int)>& h)
{
    WriteTga(path, width, height, [&h](int x, int y) {
        const uint32_t v = static_cast<uint32_t>(h(x, y));
        return Pixel{static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16)};
    });
}

inline void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
}

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// vistagon-cli with the given words, every question answered Yes; its exit status.
inline int RunCli(const QString& profile, const QStringList& words)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QStringLiteral(VISTAGON_CLI), QStringList{"--yes", "--profile", profile} + words);
    if (!process.waitForFinished(120000)) return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// Calls `act` on every visible top-level widget of type W until one is found,
// polling from the event loop (for dialogs that a job opens modally) for as
// long as the owner lives.
template <class W>
void WhenShown(QObject* owner, std::function<void(W*)> act)
{
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* w = qobject_cast<W*>(widget); w != nullptr && w->isVisible()) {
                act(w);
                return;
            }
        }
    });
    timer->start(5);
}

}  // namespace vistagon::guitest

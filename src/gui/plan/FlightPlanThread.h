#pragma once

#include "LatestRequest.h"
#include "PlanOutcome.h"
#include "platform/Profile.h"

#include <QThread>

namespace vistagon::gui {

// Plans a scene's flight away from the GUI thread, the newest request only:
// a plan outdated while it is computed is dropped, never sent.
class FlightPlanThread : public QThread {
    Q_OBJECT
public:
    explicit FlightPlanThread(Profile profile, QObject* parent = nullptr);
    ~FlightPlanThread() override;

    void Plan(int generation, const SceneParameters& values, const std::string& documentPath);
    // Closes the mailbox and waits for the thread to end.
    void Stop();

signals:
    void Planned(vistagon::gui::PlanOutcomePtr outcome);

protected:
    void run() override;

private:
    struct Request {
        int generation;
        SceneParameters values;
        std::string documentPath;
    };

    // The path picture, read again only when another file is named.
    const QImage& Picture(AppContext& context, const std::string& path);

    Profile profile_;
    LatestRequest<Request> mailbox_;
    std::string picturePath_;
    QImage picture_;
};

}  // namespace vistagon::gui

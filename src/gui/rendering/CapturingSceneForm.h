#pragma once

#include "flight/Calculate.h"

#include <optional>

namespace vistagon::gui {

// Hands a form through to Calculate and keeps the values it took, which the
// rendering window needs for the frames' names.
class CapturingSceneForm : public SceneForm {
public:
    CapturingSceneForm(SceneForm& form, std::optional<SceneParameters>& values) : form_(form), values_(values) {}

    std::optional<SceneParameters> TakeValues() override
    {
        values_ = form_.TakeValues();
        return values_;
    }
    std::string DocumentPath() const override { return form_.DocumentPath(); }
    bool IsModified() const override { return form_.IsModified(); }
    void SetModified(bool modified) override { form_.SetModified(modified); }
    void SetJobRunning(bool running) override { form_.SetJobRunning(running); }

private:
    SceneForm& form_;
    std::optional<SceneParameters>& values_;
};

}  // namespace vistagon::gui

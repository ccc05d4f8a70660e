#pragma once

#include "flight/RenderJob.h"
#include "scene/SceneParameters.h"
#include "scene/SceneValidation.h"

#include <optional>
#include <string>

namespace vistagon {

// What the Calculate commands need from a scene's form and document.
class SceneForm {
public:
    virtual ~SceneForm() = default;

    // The controls taken into the fields; none when a control does not parse
    // (the toolkit has then said so).
    virtual std::optional<SceneParameters> TakeValues() = 0;
    // Empty for a scene never saved.
    virtual std::string DocumentPath() const = 0;
    virtual bool IsModified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // While set, the form offers no Calculate command and the scene refuses to close.
    virtual void SetJobRunning(bool running) = 0;
};

struct CalculateResult {
    enum class Stage { NotValid, NotWritten, Rendered };
    Stage stage = Stage::NotValid;
    std::optional<SceneProblem> problem;  // the first validation failure, for the caller to show and focus
    JobReport report;                     // when rendered
};

// Calculate Preview, Raw or Final on a scene form: validate, write the
// temporary copy (the scene's file, then every form value, KannBerechnen=1),
// run the job on it and give the document back its modified state.
CalculateResult Calculate(AppContext& context, SceneForm& form, RenderMode mode, RenderHost& host,
                          const RenderJobOptions& options = {});

}  // namespace vistagon

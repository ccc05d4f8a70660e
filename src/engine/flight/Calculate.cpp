#include "flight/Calculate.h"

#include "flight/JobCopy.h"

namespace vistagon {

namespace {

// Restores the document's modified state and the form's job flag on every way out.
class JobRunningGuard {
public:
    JobRunningGuard(SceneForm& form, bool wasModified) : form_(form), wasModified_(wasModified) {}
    ~JobRunningGuard()
    {
        if (running_) form_.SetJobRunning(false);
        form_.SetModified(wasModified_);
    }
    JobRunningGuard(const JobRunningGuard&) = delete;
    JobRunningGuard& operator=(const JobRunningGuard&) = delete;

    void Start()
    {
        running_ = true;
        form_.SetJobRunning(true);
    }

private:
    SceneForm& form_;
    bool wasModified_;
    bool running_ = false;
};

}  // namespace

CalculateResult Calculate(AppContext& context, SceneForm& form, RenderMode mode, RenderHost& host,
                          const RenderJobOptions& options)
{
    JobRunningGuard guard(form, form.IsModified());
    CalculateResult result;
    const std::optional<SceneParameters> values = form.TakeValues();
    if (!values) return result;
    FileRemover temporary;
    switch (WriteJobCopy(context.ui, *values, form.DocumentPath(), temporary, result.problem)) {
    case JobCopyStage::NotValid: return result;
    case JobCopyStage::NotWritten: result.stage = CalculateResult::Stage::NotWritten; return result;
    case JobCopyStage::Written: break;
    }

    result.stage = CalculateResult::Stage::Rendered;
    guard.Start();
    result.report = RunJob(context, host, temporary.path(), mode, options);
    return result;
}

}  // namespace vistagon

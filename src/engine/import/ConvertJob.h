#pragma once

#include "platform/AppContext.h"
#include "platform/RowProgress.h"

#include <string>

namespace vistagon {

// The converter protocol shared by every import filter and image tool, without
// a window. A job's options struct mirrors its dialog's fields (with the
// dialog's initial values); Run reports "%d%%" through the status text before
// each row, pumps once per row, stops at the next row once the user cancels
// (removing its partial output) and returns success or failure as its filter
// defines it. A dialog of the desktop application binds to the same job.
class ConvertJob {
public:
    explicit ConvertJob(AppContext& context) : context_(context) {}
    virtual ~ConvertJob() = default;
    ConvertJob(const ConvertJob&) = delete;
    ConvertJob& operator=(const ConvertJob&) = delete;

    virtual bool Run() = 0;

    // True when the last Run ended because the user cancelled.
    bool WasCancelled() const { return cancelled_; }

protected:
    // Before each row: shows the progress, pumps, and returns false once the
    // user has cancelled (the caller then stops and removes its output).
    bool NextRow(RowProgress& progress)
    {
        progress.Step();
        return PumpAndGoOn();
    }
    // Pumps and returns false once the user has cancelled, for filters that
    // show a status text of their own instead of the row percentage.
    bool PumpAndGoOn()
    {
        context_.ui.Pump();
        if (context_.ui.IsCancelled()) cancelled_ = true;
        return !cancelled_;
    }
    // The progress of a conversion of the given number of rows.
    RowProgress MakeProgress(double rows) { return RowProgress(&context_.ui.Status(), rows); }
    // At the end of every conversion the status text is cleared.
    void ClearStatus() { context_.ui.Status().SetText(""); }
    void ResetCancelled() { cancelled_ = false; }

    AppContext& context_;

private:
    bool cancelled_ = false;
};

}  // namespace vistagon

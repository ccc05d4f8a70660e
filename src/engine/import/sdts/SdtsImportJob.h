#pragma once

#include "import/ConvertJob.h"
#include "import/sdts/SdtsImportOptions.h"

namespace vistagon {

class SdtsRasterBuilder;

// Converts the cell module of an SDTS raster transfer into an elevation file.
// The module is read twice: the first pass sizes the raster, the second fills
// it. The status text shows the records read and the pass ("%5d/%1d").
// A cancelled run returns true and writes nothing; WasCancelled tells.
class SdtsImportJob : public ConvertJob {
public:
    SdtsImportJob(AppContext& context, SdtsImportOptions options) : ConvertJob(context), options_(std::move(options)) {}

    bool Run() override;

private:
    enum class PassEnd { Completed, Stopped, Failed };

    bool Convert();
    PassEnd ReadPass(int pass, SdtsRasterBuilder& builder);
    // After each record: the count and the pass in the status text, then the
    // pump; false once the user has cancelled.
    bool AfterRecord(int pass, long records);
    bool RasterSizeAccepted(const SdtsRasterBuilder& builder);
    void ShowError(const std::string& text);

    SdtsImportOptions options_;
};

}  // namespace vistagon

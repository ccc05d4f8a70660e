#pragma once

#include "import/ConvertJob.h"
#include "import/gdal/GdalImportOptions.h"
#include "import/gdal/GdalRaster.h"

#include <optional>
#include <string>
#include <vector>

namespace vistagon {

// What a scene needs to know of the imported raster.
struct GdalImportSummary {
    int width = 0;
    int height = 0;
    bool georeferenced = false;
    double pixelSizeX = 1.0;  // ground units per output pixel
    double pixelSizeY = 1.0;
    std::string unitName;     // of the ground units
    std::string systemName;   // empty without a coordinate system
    std::optional<double> metresX;  // metres per output pixel, when known
    std::optional<double> metresY;
    bool hasHeights = false;  // false when every sample was void, and for textures
    double minimum = 0.0;     // written heights, after scaling and saturation
    double maximum = 0.0;
};

// Turns any raster GDAL reads into an elevation file (heights = sample x z
// scale, rounded to nearest, saturated to 24 bits, no data as the void value)
// or into a 24-bit texture of the same size. North is up: the southern row is
// row 0 of the output, whichever way the raster is stored. Reads in blocks of
// rows with the row progress; cancelling leaves the target as it was.
class GdalImportJob : public ConvertJob {
public:
    GdalImportJob(AppContext& context, GdalImportOptions options);

    bool Run() override;
    const GdalImportSummary& summary() const { return summary_; }

private:
    struct Plan {
        RasterWindow window;
        PixelSize size;
        Resampling resampling = Resampling::Nearest;
        bool flipRows = true;      // stored north row first
        bool flipColumns = false;  // stored east column first
    };

    bool MakePlan(const GdalRaster& raster, Plan& plan);
    bool BandsExist(const GdalRaster& raster);
    bool SizeAccepted(const PixelSize& size);
    void Summarise(const GdalRaster& raster, const Plan& plan);
    bool Convert(const GdalRaster& raster, const Plan& plan);
    // Where the written pixels lie: the source's transform cut, scaled and
    // turned as the plan writes them; none for a plain picture.
    static std::optional<Georeference> OutputGeoreference(const GdalRaster& raster, const Plan& plan);
    // Reads output rows [first, first + rows) counted from the top into 3-byte pixels.
    bool ReadRows(const GdalRaster& raster, const Plan& plan, int first, int rows, uint8_t* pixels, std::string& error);
    bool ReadHeights(const GdalRaster& raster, const Plan& plan, const SourceRect& rect, int rows, uint8_t* pixels,
                     std::string& error);
    bool ReadColours(const GdalRaster& raster, const Plan& plan, const SourceRect& rect, int rows, uint8_t* pixels,
                     std::string& error);
    void ReportRange();

    GdalImportOptions options_;
    GdalImportSummary summary_;
    std::optional<double> noData_;
    std::vector<double> samples_;
    std::vector<uint8_t> channel_;
};

}  // namespace vistagon

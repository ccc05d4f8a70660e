#include "tools/ConvolutionJob.h"

#include "tools/ConvolutionKernel.h"
#include "tools/ImageConvolution.h"

namespace vistagon {

bool ConvolutionJob::Convert()
{
    ConvolutionKernel kernel;
    {
        CTGAFile matrix = MakeQuietImage();
        if (!matrix.OnOpenDocument(options_.matrix)) return false;
        kernel = ConvolutionKernel::FromImage(matrix);
    }
    const std::optional<Georeference> georeference = ReadGeoreference(options_.source);
    CTGAFile source = MakeImage();
    CTGAFile target = MakeImage();
    if (!OpenWithTarget(source, options_.source, target)) return false;

    ImageConvolution convolution(kernel, source);
    const int height = source.GetHeight();
    RowProgress progress = MakeProgress(height);
    for (int y = 0; y < height; ++y) {
        if (!NextRow(progress)) break;
        convolution.ComputeRow(y, RowOf(target, y));
    }
    return SaveUnlessCancelled(target, options_.target, georeference);
}

}  // namespace vistagon

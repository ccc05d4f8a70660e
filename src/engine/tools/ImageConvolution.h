#pragma once

#include "image/CTGAFile.h"
#include "tools/ConvolutionKernel.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vistagon {

// The convolution of a picture with a kernel, channel by channel. Kernel cells
// that fall outside the picture count in neither the weighted sum nor the weight
// sum, so the kernel is renormalised at the borders.
class ImageConvolution {
public:
    // Copies the source's channels; the kernel must outlive this object.
    ImageConvolution(const ConvolutionKernel& kernel, const CTGAFile& source);

    // Fills target row y (0 = bottom), 3 x width bytes.
    void ComputeRow(int y, uint8_t* out);

private:
    struct RowSpan {
        int first;
        int last;  // inclusive; first > last when empty
    };

    // The kernel rows whose source row lies inside the picture for target row y.
    RowSpan KernelRows(int y) const;
    template <class Sum>
    void AccumulateChannel(int channel, RowSpan rows, int y, Sum* sums) const;
    void SumWeights(int channel, RowSpan rows);
    template <class Sum>
    void StoreChannel(int channel, const Sum* sums, uint8_t* out) const;

    const ConvolutionKernel& kernel_;
    int width_;
    int height_;
    // The source's blue, green and red bytes as separate planes of width x height.
    std::array<std::vector<uint8_t>, 3> planes_;
    // Narrow sums are exact while 255 * 128 * (cells inside the picture) stays within 32 bits.
    bool wideSums_;
    std::vector<int32_t> narrowSums_;
    std::vector<int64_t> wideSums64_;
    std::vector<int64_t> weightSums_;
};

}  // namespace vistagon

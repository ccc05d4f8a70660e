#include "tools/ConvolutionKernel.h"

namespace vistagon {

ConvolutionKernel ConvolutionKernel::FromImage(const CTGAFile& matrix)
{
    ConvolutionKernel kernel;
    kernel.width = matrix.GetWidth();
    kernel.height = matrix.GetHeight();
    const size_t cells = static_cast<size_t>(kernel.width) * static_cast<size_t>(kernel.height);
    for (auto& channel : kernel.weights) channel.resize(cells);
    size_t cell = 0;
    for (int j = 0; j < kernel.height; ++j) {
        for (int i = 0; i < kernel.width; ++i, ++cell) {
            const Bgr p = matrix.GetPixel(i, j);
            kernel.weights[0][cell] = static_cast<int8_t>(p.b - 128);
            kernel.weights[1][cell] = static_cast<int8_t>(p.g - 128);
            kernel.weights[2][cell] = static_cast<int8_t>(p.r - 128);
        }
    }
    return kernel;
}

}  // namespace vistagon

#pragma once

#include "tools/ImageToolJob.h"

#include <string>

namespace vistagon {

struct ConvolutionOptions {
    std::string source;
    std::string target;
    std::string matrix;
};

// Convolves a picture with the kernel given by a matrix image (see ConvolutionKernel).
class ConvolutionJob : public ImageToolJob {
public:
    ConvolutionJob(AppContext& context, ConvolutionOptions options) : ImageToolJob(context), options_(std::move(options)) {}

protected:
    bool Convert() override;

private:
    ConvolutionOptions options_;
};

}  // namespace vistagon

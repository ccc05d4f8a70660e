#pragma once

namespace vistagon {

// The first-to-last interpolation of every animated value: t runs from 0 to 1,
// k is the smoothness (0 linear; larger values start and end more slowly).
double Ease(double t, double first, double last, double k);

// The animation parameter of frame index i of total frames (0 when total < 2).
double FrameParameter(int index, int total);

}  // namespace vistagon

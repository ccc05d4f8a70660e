#pragma once

#include <array>

namespace vistagon {

class Profile;

// The program-wide table of 81 Gaussian weights, exp(-k / A) for k = 0..80, where
// A is the profile's "Settings"/"Antialiasing" (default 10; 0 or less taken as 1).
using GaussWeights = std::array<double, 81>;

void BuildGaussTable(const Profile& profile);
// Builds the table for a given A (0 or less taken as 1).
void BuildGaussTable(int antialiasing);
const GaussWeights& GaussTable();

}  // namespace vistagon

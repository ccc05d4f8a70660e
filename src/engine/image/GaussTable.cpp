#include "image/GaussTable.h"

#include "platform/Profile.h"

#include <cmath>
#include <mutex>

namespace vistagon {

namespace {

// The one piece of program-wide state: every image constructor rebuilds it, so
// concurrent jobs only rewrite it when the setting really changed.
struct SharedGaussTable {
    std::mutex mutex;
    int builtFor = 0;  // 0: not built yet
    GaussWeights weights{};
};

SharedGaussTable& Shared()
{
    static SharedGaussTable table;
    return table;
}

}  // namespace

void BuildGaussTable(int antialiasing)
{
    if (antialiasing <= 0) antialiasing = 1;
    SharedGaussTable& table = Shared();
    std::lock_guard lock(table.mutex);
    if (table.builtFor == antialiasing) return;
    for (int k = 0; k < 81; ++k) table.weights[static_cast<size_t>(k)] = std::exp(-k / static_cast<double>(antialiasing));
    table.builtFor = antialiasing;
}

void BuildGaussTable(const Profile& profile)
{
    BuildGaussTable(profile.GetInt("Settings", "Antialiasing", 10));
}

const GaussWeights& GaussTable()
{
    SharedGaussTable& table = Shared();
    {
        std::lock_guard lock(table.mutex);
        if (table.builtFor != 0) return table.weights;
    }
    BuildGaussTable(10);
    return table.weights;
}

}  // namespace vistagon

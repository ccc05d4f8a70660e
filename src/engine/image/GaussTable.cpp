#include "image/GaussTable.h"

#include "platform/Profile.h"

#include <atomic>
#include <cmath>
#include <mutex>

namespace vistagon {

namespace {

// The one piece of program-wide state: every image constructor rebuilds it, so
// concurrent jobs only rewrite it when the setting really changed. Builders
// take the lock; readers, one per Gaussian texture sample, only look at the
// flag, which is set after the weights are written.
struct SharedGaussTable {
    std::mutex mutex;
    std::atomic<int> builtFor{0};  // 0: not built yet
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
    if (table.builtFor.load(std::memory_order_relaxed) == antialiasing) return;
    for (int k = 0; k < 81; ++k) table.weights[static_cast<size_t>(k)] = std::exp(-k / static_cast<double>(antialiasing));
    table.builtFor.store(antialiasing, std::memory_order_release);
}

void BuildGaussTable(const Profile& profile)
{
    BuildGaussTable(profile.GetInt("Settings", "Antialiasing", 10));
}

const GaussWeights& GaussTable()
{
    SharedGaussTable& table = Shared();
    if (table.builtFor.load(std::memory_order_acquire) != 0) return table.weights;
    BuildGaussTable(10);
    return table.weights;
}

}  // namespace vistagon

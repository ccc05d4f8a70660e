#pragma once

#include "platform/Profile.h"
#include "platform/UserInteraction.h"

namespace vistagon {

// The services a job runs with: the front end's interaction and the application
// profile. Jobs take it as a parameter; nothing in the engine reaches for a global.
struct AppContext {
    UserInteraction& ui;
    Profile profile;
};

}  // namespace vistagon

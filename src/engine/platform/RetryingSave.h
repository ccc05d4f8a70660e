#pragma once

#include "platform/BinaryFile.h"
#include "platform/UserInteraction.h"

#include <functional>
#include <string>

namespace vistagon {

enum class SaveOutcome { Saved, Refused, GaveUp };

// The save pattern of every file the program writes: create the file beside its
// target (asking openQuestion, formatted with the name, until it opens or the
// user gives up), write it (on a FileError asking saveQuestion and, on Yes,
// starting the file again), and only then move it over the target. write returns
// false to refuse the content; nothing is left behind then or when the user gives up.
SaveOutcome SaveWithRetry(UserInteraction& ui, const std::string& target, const char* openQuestion,
                          const char* saveQuestion, const std::function<bool(BinaryFile&)>& write);

}  // namespace vistagon

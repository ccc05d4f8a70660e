#pragma once

#include "platform/FileError.h"
#include "platform/TextFormat.h"
#include "platform/UserInteraction.h"
#include "platform/messages/SceneMessages.h"

#include <string>

namespace vistagon {

template <class Step>
bool WithSceneRetry(UserInteraction& ui, const std::string& name, Step&& step)
{
    for (;;) {
        try {
            step();
            return true;
        } catch (const FileError&) {
            if (!AskRetry(ui, FormatText(msg::kCouldNotSaveVgs.text, name.c_str()))) return false;
        }
    }
}

}  // namespace vistagon

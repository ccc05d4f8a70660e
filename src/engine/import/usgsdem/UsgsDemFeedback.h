#pragma once

#include "platform/UserInteraction.h"

#include <string>
#include <vector>

namespace vistagon {

// What the DEM conversion shows besides messages: the header of every file,
// the question about suspicious jumps and the file being converted.
class UsgsDemFeedback {
public:
    virtual ~UsgsDemFeedback() = default;

    // The header display of one file; false when it is left with Cancel.
    virtual bool ConfirmHeader(const std::string& title, const std::vector<std::string>& lines) = 0;
    // The suspicious-value question; false switches checking off for the file.
    virtual bool ContinueChecking(const std::string& question) = 0;
    // The current input file field; empty when the conversion ends.
    virtual void ShowCurrentFile(const std::string& path) = 0;
};

// The same as questions of the interaction: the header as an OK/Cancel box of
// its title and lines, the jump as a Yes/No question.
class InteractionDemFeedback : public UsgsDemFeedback {
public:
    explicit InteractionDemFeedback(UserInteraction& ui) : ui_(ui) {}

    bool ConfirmHeader(const std::string& title, const std::vector<std::string>& lines) override;
    bool ContinueChecking(const std::string& question) override;
    void ShowCurrentFile(const std::string&) override {}

private:
    UserInteraction& ui_;
};

}  // namespace vistagon

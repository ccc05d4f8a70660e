#pragma once

#include "Commands.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistagon::test {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// Runs a vistagon-cli command line in-process, capturing stdout and stderr.
inline CliResult RunCli(const std::vector<std::string>& words)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = cli::RunCommandLine(words);
    CliResult result{status, testing::internal::GetCapturedStdout(), testing::internal::GetCapturedStderr()};
    return result;
}

}  // namespace vistagon::test

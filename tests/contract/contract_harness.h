// The contract tests run twice: against the fake on the host and against the real controls
// under Windows. Each build supplies the platform they run on.
#pragma once
#include <string>

#include "platform/platform.h"

platform::Platform& ContractPlatform();
// A folder for the file tests, with a backslash at the end; it exists and starts empty.
std::string ContractFolder();

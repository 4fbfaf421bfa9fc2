// The contract tests run twice: against the fake on the host and against the real controls
// under Windows. Each build supplies the platform they run on.
#pragma once
#include "platform/platform.h"

platform::Platform& ContractPlatform();

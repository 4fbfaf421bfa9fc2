// What the saves remember between them.
#pragma once
#include <cstdint>
#include <map>
#include <string>

namespace core {

struct SaveState {
    // Backups that hold the last whole content of their file, because the save that made them
    // failed after the file had been emptied: such a backup is neither replaced nor removed
    // until a save of its file has been checked. Keyed by the backup's path in capitals; the
    // value is the size the file has when the failed save's text did reach it whole (-1 when
    // that text was never written out).
    std::map<std::string, std::int64_t> soleCopies;
};

} // namespace core

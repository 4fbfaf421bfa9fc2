// A font as the program gives it to a control or to the printer. The defaults are the text
// fields' font.
#pragma once
#include <string>

namespace platform {

struct FontDef {
    std::string name = "Fixedsys";
    float points = 9; // the size in points
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
    int charset = 238; // Central European
};

inline constexpr int kBoldWeight = 700;
inline constexpr int kNormalWeight = 400;

} // namespace platform

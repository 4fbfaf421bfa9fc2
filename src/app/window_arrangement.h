// Next window and the arrangements of the Window menu: the system's tiling and cascading, and
// Rows and Columns, whose geometry the program computes itself.
#pragma once
#include <optional>
#include <vector>

namespace core {
class Program;
}

namespace app {

// What Rows and Columns go by, in twips: the frame's outer size, the height of its status bar
// and the open-document count (minimised windows included).
struct ArrangeFrame {
    int outerWidth = 0;
    int outerHeight = 0;
    int statusBarHeight = 0;
    int openCount = 0;
};

struct Placement {
    int left = 0, top = 0, width = 0, height = 0;
};

// `available` shared among `count` windows: rounded to a whole number (halves to the even
// neighbour), then cut down to a multiple of 15 twips (one pixel). Never below 0.
int ShareOf(int available, int count);

// Where Rows and Columns put the document windows, given in slot order by whether each is
// minimised; a minimised window gets no placement and stays where it is, but it counts in the
// divisor.
std::vector<std::optional<Placement>> RowsLayout(const ArrangeFrame& frame,
                                                 const std::vector<bool>& minimised);
std::vector<std::optional<Placement>> ColumnsLayout(const ArrangeFrame& frame,
                                                    const std::vector<bool>& minimised);

// The items of mnuWindowTile, by index.
inline constexpr int kTileHorizontally = 0;
inline constexpr int kTileVertically = 1;
inline constexpr int kCascade = 2;
inline constexpr int kRows = 3;
inline constexpr int kColumns = 4;

// Activates the document window after the active one.
void NextWindow(core::Program& program);
// Arranges the document windows as mnuWindowTile's item `index` says; any other index does
// nothing. `statusBarHeight` is that of the frame's status bar.
void ArrangeWindows(core::Program& program, int index, int statusBarHeight);

} // namespace app

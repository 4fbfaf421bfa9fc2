// Next window, the system's arrangements, and Rows and Columns with their own geometry.
#include "app/window_arrangement.h"

#include <algorithm>
#include <cmath>

#include "core/program.h"

namespace app {

namespace {

// The room Rows and Columns leave for the frame's borders, caption and menu bar.
constexpr int kHeightAllowance = 750;
constexpr int kWidthAllowance = 180;
constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest whole number, halves to the even neighbour.
long long RoundHalfEven(double value) {
    double floor = std::floor(value);
    double fraction = value - floor;
    auto whole = static_cast<long long>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) ++whole;
    return whole;
}

int AvailableHeight(const ArrangeFrame& frame) {
    return frame.outerHeight - frame.statusBarHeight - kHeightAllowance;
}
int AvailableWidth(const ArrangeFrame& frame) {
    return frame.outerWidth - kWidthAllowance;
}

template <class Place>
std::vector<std::optional<Placement>> Layout(const std::vector<bool>& minimised, Place place) {
    std::vector<std::optional<Placement>> result;
    result.reserve(minimised.size());
    int n = 0;
    for (bool isMinimised : minimised) {
        if (isMinimised) {
            result.emplace_back();
            continue;
        }
        ++n;
        result.emplace_back(place(n));
    }
    return result;
}

} // namespace

int ShareOf(int available, int count) {
    if (count <= 0 || available <= 0) return 0;
    long long share = RoundHalfEven(static_cast<double>(available) / count);
    return static_cast<int>(share / kTwipsPerPixel * kTwipsPerPixel);
}

std::vector<std::optional<Placement>> RowsLayout(const ArrangeFrame& frame,
                                                 const std::vector<bool>& minimised) {
    const int height = ShareOf(AvailableHeight(frame), frame.openCount);
    const int width = std::max(0, AvailableWidth(frame));
    return Layout(minimised, [&](int n) { return Placement{0, (n - 1) * height, width, height}; });
}

std::vector<std::optional<Placement>> ColumnsLayout(const ArrangeFrame& frame,
                                                    const std::vector<bool>& minimised) {
    const int height = std::max(0, AvailableHeight(frame));
    const int width = ShareOf(AvailableWidth(frame), frame.openCount);
    return Layout(minimised, [&](int n) { return Placement{(n - 1) * width, 0, width, height}; });
}

void NextWindow(core::Program& program) {
    program.FrameForm().ActivateNextChild();
}

namespace {

void PlaceInSlotOrder(core::Program& program, bool rows, int statusBarHeight) {
    platform::MdiFrame& frame = program.FrameForm();
    std::vector<core::Document*> docs = program.OpenDocuments();
    std::vector<bool> minimised;
    for (core::Document* doc : docs) {
        platform::Form& form = doc->form();
        if (form.State() == platform::WindowState::Maximized)
            form.SetState(platform::WindowState::Normal);
        minimised.push_back(form.State() == platform::WindowState::Minimized);
    }
    ArrangeFrame sizes{frame.Width(), frame.Height(), statusBarHeight, program.registry.Count()};
    auto layout = rows ? RowsLayout(sizes, minimised) : ColumnsLayout(sizes, minimised);
    int n = 0;
    for (size_t i = 0; i < docs.size(); ++i) {
        if (!layout[i]) continue;
        ++n;
        const Placement& p = *layout[i];
        platform::Form& form = docs[i]->form();
        form.Move(p.left, p.top, p.width, p.height);
        // The window starts where the one before it ends by its size as it now reads: the
        // system may have refused the exact size.
        if (rows && form.Height() != p.height)
            form.Move(0, (n - 1) * form.Height(), form.Width(), form.Height());
        if (!rows && form.Width() != p.width)
            form.Move((n - 1) * form.Width(), 0, form.Width(), form.Height());
    }
}

} // namespace

void ArrangeWindows(core::Program& program, int index, int statusBarHeight) {
    platform::MdiFrame& frame = program.FrameForm();
    switch (index) {
    case kTileHorizontally:
        frame.Arrange(platform::Arrangement::TileHorizontal);
        break;
    case kTileVertically:
        frame.Arrange(platform::Arrangement::TileVertical);
        break;
    case kCascade:
        frame.Arrange(platform::Arrangement::Cascade);
        break;
    case kRows:
    case kColumns:
        // Moving many windows one by one would repaint the frame for each: paint once at the
        // end. (The system's own arrangements lay out all windows in one pass.)
        frame.HoldRedraw(true);
        PlaceInSlotOrder(program, index == kRows, statusBarHeight);
        frame.HoldRedraw(false);
        break;
    default:
        break;
    }
}

} // namespace app

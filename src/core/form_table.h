// A tool window's controls as a table: one row a control, in the order of the form's table.
#pragma once
#include <span>
#include <string_view>

#include "platform/form.h"

namespace core {

struct FormRow {
    platform::ControlKind kind;
    const char* name;
    const char* caption;
    int left, top, width, height; // twips
    int tabIndex;                 // -1: never takes the focus
    bool fixedsys;                // the text fields' font, "Fixedsys" 9
};

// A tool window with the given client size in twips, its controls made from the rows. Options
// that few rows have (default button, items, tooltips, check boxes) are set afterwards through
// Control().
platform::FormDef ToolFormFromTable(std::string_view name, std::string_view caption, int width,
                                    int height, std::span<const FormRow> rows);

// The control of that name in a form's definition; throws std::logic_error when there is none.
platform::ControlDef& Control(platform::FormDef& def, std::string_view name);

} // namespace core

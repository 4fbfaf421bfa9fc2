// Tool window definitions from control tables.
#include "core/form_table.h"

#include <stdexcept>
#include <string>

namespace core {

platform::FormDef ToolFormFromTable(std::string_view name, std::string_view caption, int width,
                                    int height, std::span<const FormRow> rows) {
    platform::FormDef def;
    def.kind = platform::FormKind::Tool;
    def.name = name;
    def.caption = caption;
    def.width = width;
    def.height = height;
    for (const FormRow& row : rows) {
        platform::ControlDef c;
        c.kind = row.kind;
        c.name = row.name;
        c.caption = row.caption;
        c.left = row.left, c.top = row.top, c.width = row.width, c.height = row.height;
        c.tabIndex = row.tabIndex;
        if (row.fixedsys) c.font = platform::FontDef{};
        def.controls.push_back(std::move(c));
    }
    return def;
}

platform::ControlDef& Control(platform::FormDef& def, std::string_view name) {
    for (auto& c : def.controls)
        if (c.name == name) return c;
    throw std::logic_error("no control " + std::string(name));
}

} // namespace core

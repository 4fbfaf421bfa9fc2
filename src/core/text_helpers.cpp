// Text helpers shared by the document procedures.
#include "core/text_helpers.h"

namespace core {

std::string TextAfterLast(std::string_view text, std::string_view separator) {
    if (separator.empty()) return {};
    size_t at = text.rfind(separator);
    if (at == std::string_view::npos) return {};
    return std::string(text.substr(at + 1));
}

std::string TextUpToLast(std::string_view text, std::string_view separator) {
    if (separator.empty()) return std::string(text);
    size_t at = text.rfind(separator);
    if (at == std::string_view::npos) return std::string(text);
    return std::string(text.substr(0, at + 1));
}

} // namespace core

// libFuzzer target over the whole Calculate step. The first byte chooses
// whether the previous result is used; the rest, split at the first NUL, is the
// expression and the previous result. Any result must be well formed.
#include "calc/calculator.h"
#include "calc/number_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool usePrevious = (data[0] & 1) != 0;
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t split = input.find('\0');
    const std::string_view expression = input.substr(0, split);
    const std::string_view previous =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    int errors = 0;
    calc::Calculator calculator(static_cast<std::uint32_t>(size), [&] { ++errors; });
    calculator.Variables = {2.5, -1, 1e300};
    const std::string result = calculator.Calculate(expression, usePrevious, previous);

    if (errors == 0) {
        // Without an error the result is a number exactly as the calculator writes it.
        const auto value = calc::ReadNumber(result);
        if (!value) std::abort();
        const std::string written = calc::NumberText(*value);
        if (written.substr(written[0] == ' ' ? 1 : 0) != result) std::abort();
    }
    return 0;
}

// Reading texts: isNumericText, strictNumber and leadingNumber against each other and against the
// C library's reader, which is independent of the core's and runs in the C locale here.
#include "core/number_text.h"
#include "fuzz/input.h"
#include "fuzz/properties.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using lens::fuzz::require;

constexpr std::string_view blanks = " \t\n";

// Over this alphabet the C reader's grammar is the decimal form: no hexadecimal, "inf", "nan" or
// other white space.
constexpr std::string_view decimalAlphabet = "0123456789+-.eE";

void checkStrictReading(std::string_view text)
{
    const auto first = std::min(text.find_first_not_of(blanks), text.size());
    const std::string body(text.substr(first, text.find_last_not_of(blanks) + 1 - first));
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(body.c_str(), &end);
    const bool readWhole = !body.empty() && end == body.c_str() + body.size();
    const bool numeric = lens::isNumericText(text);
    if (body.find_first_not_of(decimalAlphabet) == std::string::npos)
        require(numeric == readWhole, "numeric exactly when the C reader reads it whole", text);
    const auto strict = lens::strictNumber(text);
    if (!numeric) {
        require(strict == std::unexpected(lens::CalcError::NotANumber), "not numeric: NotANumber", text);
        return;
    }
    require(readWhole, "a numeric text is read whole by the C reader", text);
    const bool beyondRange = errno == ERANGE && std::isinf(value);
    require(strict ? *strict == value : beyondRange && strict.error() == lens::CalcError::Overflow,
            "strictNumber gives the nearest double, or Overflow beyond the range", text);
    require(lens::leadingNumber(text) == value, "leadingNumber agrees with strictNumber", text);
}

// leadingNumber reads the longest numeric text that leads once blanks are dropped, or gives 0.
void checkLeadingNumber(std::string_view text)
{
    std::string compact(text);
    std::erase_if(compact, [](char c) { return blanks.find(c) != std::string_view::npos; });
    const double leading = lens::leadingNumber(text);
    require(lens::leadingNumber(compact) == leading, "blanks anywhere change nothing", text);
    // A number ends at the first character outside its alphabet; longer runs would make the search slow.
    const auto run = std::min(compact.find_first_not_of(decimalAlphabet), compact.size());
    if (run > 1000) return;
    auto prefix = std::string_view(compact).substr(0, run);
    while (!prefix.empty() && !lens::isNumericText(prefix)) prefix.remove_suffix(1);
    const auto strict = prefix.empty() ? std::expected<double, lens::CalcError>(0) : lens::strictNumber(prefix);
    const double beyond = prefix.starts_with('-') ? -HUGE_VAL : HUGE_VAL;
    require(leading == strict.value_or(beyond), "leadingNumber reads the leading number", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = lens::fuzz::textOf(data, size);
    checkStrictReading(text);
    checkLeadingNumber(text);
    return 0;
}

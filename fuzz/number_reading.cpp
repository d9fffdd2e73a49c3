// Reading texts: isNumericText, strictNumber and leadingNumber against each other and against
// the C library's reader, which is independent of the core's and runs in the C locale here.
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

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

std::string withoutBlanks(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (!isBlank(c)) out += c;
    }
    return out;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Made only of characters for which the C reader's grammar is the decimal form (no hexadecimal,
// "inf" or "nan", no other white space).
bool isPlainDecimalAlphabet(std::string_view text)
{
    return text.find_first_not_of("0123456789+-.eE \t\n") == std::string_view::npos;
}

void checkAgainstCReader(std::string_view text)
{
    const std::string body(trimmed(text));
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(body.c_str(), &end);
    const bool readWhole = !body.empty() && end == body.c_str() + body.size();
    const bool beyondRange = errno == ERANGE && std::isinf(value);
    if (isPlainDecimalAlphabet(text)) require(lens::isNumericText(text) == readWhole, "numeric iff C reader reads it", text);
    if (!lens::isNumericText(text)) {
        require(lens::strictNumber(text) == std::unexpected(lens::CalcError::NotANumber), "non-numeric gives NotANumber", text);
        return;
    }
    require(readWhole, "numeric text is read whole by the C reader", text);
    const auto strict = lens::strictNumber(text);
    require(strict.has_value() == !beyondRange, "strictNumber succeeds iff in range", text);
    if (!strict) {
        require(strict.error() == lens::CalcError::Overflow, "beyond range gives Overflow", text);
        require(lens::leadingNumber(text) == value, "leadingNumber gives the infinity", text);
        return;
    }
    require(*strict == value, "strictNumber gives the nearest double", text);
    require(lens::leadingNumber(text) == *strict, "leadingNumber agrees with strictNumber", text);
}

// leadingNumber reads the longest numeric text that leads once blanks are dropped, or gives 0.
void checkLeadingNumber(std::string_view text)
{
    const std::string compact = withoutBlanks(text);
    const double leading = lens::leadingNumber(text);
    require(!std::isnan(leading), "leadingNumber is never NaN", text);
    require(lens::leadingNumber(compact) == leading, "blanks anywhere change nothing", text);
    // A number ends at the first character outside its alphabet. Longer runs are left to the
    // checks above, to keep this search quick.
    const auto run = std::min(compact.find_first_not_of("0123456789+-.eE"), compact.size());
    if (run > 1000) return;
    auto candidate = std::string_view(compact).substr(0, run);
    while (!candidate.empty() && !lens::isNumericText(candidate)) candidate.remove_suffix(1);
    if (candidate.empty()) {
        require(leading == 0, "nothing numeric leads: 0", text);
        return;
    }
    const auto strict = lens::strictNumber(candidate);
    if (strict) {
        require(leading == *strict, "leadingNumber reads the leading number", text);
    } else {
        require(std::isinf(leading) && (leading < 0) == candidate.starts_with('-'), "beyond range: infinity", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = lens::fuzz::textOf(data, size);
    checkAgainstCReader(text);
    checkLeadingNumber(text);
    return 0;
}

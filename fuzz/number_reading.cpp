// Reading texts: isNumericText, strictNumber and leadingNumber against each other and against the C
// library's reader, which is independent of the core's and runs in the C locale here.
#include "fuzz/properties.h"

#include <cerrno>
#include <cmath>

void lens::fuzz::check(std::string_view text)
{
    const auto first = std::min(text.find_first_not_of(" \t\n"), text.size());
    const std::string body(text.substr(first, text.find_last_not_of(" \t\n") + 1 - first));
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(body.c_str(), &end);
    const bool readWhole = !body.empty() && end == body.c_str() + body.size();
    const bool numeric = isNumericText(text);
    // Over this alphabet the C reader's grammar is the decimal form: no hexadecimal, "inf" or "nan".
    if (body.find_first_not_of("0123456789+-.eE") == std::string::npos)
        require(numeric == readWhole, "numeric exactly when the C reader reads it whole", text);
    const bool inRange = numeric && readWhole && !(errno == ERANGE && std::isinf(value));
    const auto strict = strictNumber(text);
    require(strict.has_value() == inRange, "strictNumber succeeds exactly for numeric texts in range", text);
    require(strict ? *strict == value : strict.error() == (numeric ? CalcError::Overflow : CalcError::NotANumber),
            "strictNumber gives the nearest double, or why not", text);
    if (strict) require(leadingNumber(text) == *strict, "leadingNumber agrees with strictNumber", text);
}

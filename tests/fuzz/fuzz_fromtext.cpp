#include "value.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Whatever is typed: rejected, or a whole finite number that shows as a
// text which reads back as the same number (from 10^15 on, to the 15
// digits shown), and whose tick interval is a valid millisecond count.
void checkTyped(std::string_view text, char separator)
{
    const std::optional<Value> typed = FromText(text, separator);
    if (!typed)
        return;
    const double number = typed->toDouble();
    check(typed->kind() == Value::Kind::Double);
    check(std::isfinite(number) && std::floor(number) == number);
    check(!(number == 0 && std::signbit(number)));

    const std::optional<Value> shownBack = FromText(DisplayText(*typed), '.');
    check(shownBack.has_value());
    const double back = shownBack->toDouble();
    if (std::fabs(number) < 1e15)
        check(back == number);
    else // within one unit of the 15th shown digit
        check(std::fabs(back - number) <= std::pow(10.0, std::floor(std::log10(std::fabs(number))) - 14));

    const std::int32_t interval = ToInterval(Divide(Value::integer(1000), *typed));
    check(number <= 0 || interval >= 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    checkTyped(text, '.');
    checkTyped(text, ',');
    return 0;
}

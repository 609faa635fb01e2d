// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaycontent.h"
#include "value.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
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
void checkTyped(std::string_view text, NumberSymbols symbols)
{
    const std::optional<Value> typed = FromText(text, symbols);
    if (!typed)
        return;
    const double number = typed->toDouble();
    check(typed->kind() == Value::Kind::Double);
    check(std::isfinite(number) && std::floor(number) == number);
    check(!(number == 0 && std::signbit(number)));

    const std::optional<Value> shownBack = FromText(DisplayText(*typed));
    check(shownBack.has_value());
    const double back = shownBack->toDouble();
    if (std::fabs(number) < 1e15)
        check(back == number);
    else // within one unit of the 15th shown digit
        check(std::fabs(back - number) <= std::pow(10.0, std::floor(std::log10(std::fabs(number))) - 14));

    const std::int32_t interval = ToInterval(Divide(Value::integer(1000), *typed));
    check(number <= 0 || interval >= 0);
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// An input method in full-width mode or a paste types the same number in
// other characters: full-width forms, the minus sign U+2212, white space
// around it. Each must read as the plain ASCII does, or be refused as it is.
void checkOtherForms(std::string_view text, NumberSymbols symbols)
{
    const std::optional<Value> plain = FromText(text, symbols);
    std::string fullWidth, minusSign;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        appendUtf8(fullWidth, code > 0x20 && code < 0x7F ? char32_t(code + 0xFEE0) : code);
        appendUtf8(minusSign, c == '-' ? char32_t(0x2212) : code);
    }
    const std::string spaced = "\u3000\t" + std::string(text) + "\r\n";
    for (const std::string &other : {fullWidth, minusSign, spaced}) {
        const std::optional<Value> read = FromText(other, symbols);
        check(read.has_value() == plain.has_value());
        check(!read || *read == *plain);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    checkTyped(text, {U'.'});
    checkTyped(text, {U','});
    checkTyped(text, {U'\u066B', U'\u0660'});
    // Any text where a number or a status is fitted to its label.
    for (const int digits : {2, 17})
        check(DisplayContent::shortNumber(text, digits).size() <= size + 8);
    const auto width = [](const std::string &shown, int pixels) { return double(shown.size() * std::size_t(pixels)) / 2; };
    DisplayContent::fitted(1, std::string(text), 77, 12, 1, width);
    DisplayContent::fitted(8, std::string(text), 161, 11, 2, width);
    if (size < 4096 && std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
        checkOtherForms(text, {U'.'});
        checkOtherForms(text, {U','});
    }
    return 0;
}

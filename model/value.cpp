// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "value.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Kind = Value::Kind;

std::int64_t wholeContent(const Value &a)
{
    return static_cast<std::int64_t>(a.toDouble());
}

// The exact result of Integer or Long arithmetic, in the narrowest kind
// not below `kind` that holds it.
Value widened(std::int64_t exact, Kind kind)
{
    if (kind == Kind::Integer && exact >= std::numeric_limits<std::int16_t>::min()
        && exact <= std::numeric_limits<std::int16_t>::max())
        return Value::integer(static_cast<std::int16_t>(exact));
    if (exact >= std::numeric_limits<std::int32_t>::min()
        && exact <= std::numeric_limits<std::int32_t>::max())
        return Value::longInteger(static_cast<std::int32_t>(exact));
    return Value::real(static_cast<double>(exact));
}

Value numericSum(const Value &a, const Value &b, int sign)
{
    const Kind kind = std::max(a.kind(), b.kind());
    if (kind == Kind::Double || kind == Kind::String)
        return Value::real(a.toDouble() + sign * b.toDouble());
    return widened(wholeContent(a) + sign * wholeContent(b), kind);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Unicode's White_Space characters.
bool isWhiteSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F
        || c == 0x205F || c == 0x3000;
}

// The next code point of UTF-8 text, or U+FFFF for a malformed sequence.
char32_t nextCodePoint(std::string_view text, std::size_t &i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    const int trailing = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (trailing < 0 || lead > 0xF4 || text.size() - i < std::size_t(trailing))
        return 0xFFFF;
    char32_t c = lead & (0x3F >> trailing);
    for (int k = 0; k < trailing; ++k) {
        const auto next = static_cast<unsigned char>(text[i++]);
        if ((next & 0xC0) != 0x80)
            return 0xFFFF;
        c = (c << 6) | (next & 0x3F);
    }
    return c;
}

// Stands for the decimal separator in the ASCII form, whatever character
// the locale uses: no typed character becomes it.
constexpr char separatorMark = char(0x80);

// Typed text as the ASCII a number is read from. Input methods in
// full-width mode type U+FF01 … U+FF5E for the ASCII characters (what
// compatibility normalisation maps them back to), and pasted text brings
// the minus sign U+2212 and white space of any kind; blanks are kept only
// to be refused inside a number. Any other character cannot be part of a
// number, so the text is refused.

std::optional<std::string> asciiForm(std::string_view text, NumberSymbols symbols)
{
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = nextCodePoint(text, i);
        if (isWhiteSpace(c)) {
            ascii += ' ';
            continue;
        }
        if (c >= 0xFF01 && c <= 0xFF5E)
            c -= 0xFEE0;
        else if (c == 0x2212)
            c = U'-';
        else if (c >= symbols.zeroDigit && c <= symbols.zeroDigit + 9)
            c = U'0' + (c - symbols.zeroDigit);
        if (c == symbols.decimalSeparator)
            ascii += separatorMark;
        else if (c < 0x80)
            ascii += char(c);
        else
            return std::nullopt;
    }
    const auto first = ascii.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return ascii.substr(first, ascii.find_last_not_of(' ') + 1 - first);
}

// Numbers are read and written by fast_float and {fmt}, not the standard
// library: libc++ has no floating-point from_chars or to_chars, and every
// build must give the same texts and numbers.
double readNumber(std::string_view text, const char **end)
{
    double number = 0;
    *end = fast_float::from_chars(text.data(), text.data() + text.size(), number).ptr;
    return number;
}

std::string scientificDigits(double magnitude, int precision)
{
    return fmt::format("{:.{}e}", magnitude, precision);
}

std::string scientific(double magnitude)
{
    std::string text = scientificDigits(magnitude, 14);
    const char *end = nullptr;
    if (std::isinf(readNumber(text, &end))) {
        // Rounded to 15 digits, the largest doubles would show a number no
        // double can hold, which could not be typed back: cut instead.
        const std::string longer = scientificDigits(magnitude, 16);
        text = longer.substr(0, 16) + longer.substr(longer.find('e'));
    }
    const auto e = text.find('e');
    std::string mantissa = text.substr(0, e);
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (mantissa.back() == '.')
        mantissa.pop_back();
    return mantissa + 'E' + text.substr(e + 1);
}

std::string formatMagnitude(double magnitude)
{
    if (magnitude >= 1e15)
        return scientific(magnitude);
    std::string text = magnitude == std::floor(magnitude) ? fmt::format("{:.0f}", magnitude)
                                                          : fmt::format("{:.15g}", magnitude);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

} // namespace

double Value::toDouble() const
{
    switch (kind()) {
    case Kind::Integer: return std::get<std::int16_t>(m_content);
    case Kind::Long: return std::get<std::int32_t>(m_content);
    case Kind::Double: return std::get<double>(m_content);
    case Kind::String: break;
    }
    return 0.0;
}

bool Value::sharesTextWith(const Value &other) const
{
    const auto *mine = std::get_if<SharedText>(&m_content);
    const auto *theirs = std::get_if<SharedText>(&other.m_content);
    return mine && theirs && mine->text == theirs->text;
}

Value Add(const Value &a, const Value &b)
{
    if (a.kind() == Kind::String || b.kind() == Kind::String)
        return Value::text(DisplayText(a) + DisplayText(b));
    return numericSum(a, b, +1);
}

Value Subtract(const Value &a, const Value &b)
{
    return numericSum(a, b, -1);
}

Value Divide(const Value &a, const Value &b)
{
    return Value::real(a.toDouble() / b.toDouble());
}

bool IsZero(const Value &a)
{
    return a.toDouble() == 0.0;
}

std::optional<Value> FromText(std::string_view typed, NumberSymbols symbols)
{
    const std::optional<std::string> ascii = asciiForm(typed, symbols);
    if (!ascii)
        return std::nullopt;
    const std::string_view text = *ascii;

    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;

    std::string plain;
    bool significant = false;
    bool afterSeparator = false;
    std::size_t mantissaDigits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            ++mantissaDigits;
            if (c != '0')
                significant = true;
            plain += c;
        } else if (c == separatorMark && !afterSeparator) {
            afterSeparator = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;

    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            plain += text[i++];
        std::size_t exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i, ++exponentDigits)
            plain += text[i];
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    // Beyond every double the number reads as infinite, and is refused;
    // below the smallest it reads as zero.
    const char *end = nullptr;
    const double magnitude = readNumber(plain, &end);
    if (end != plain.data() + plain.size() || !std::isfinite(magnitude))
        return std::nullopt;

    // A tiny negative number still rounds down to -1; adding 0.0 turns -0 into 0.
    double whole = negative ? std::floor(-magnitude) : std::floor(magnitude);
    if (negative && magnitude == 0.0 && significant)
        whole = -1.0;
    return Value::real(whole + 0.0);
}

std::string DisplayText(const Value &a)
{
    switch (a.kind()) {
    case Kind::String:
        return a.toText();
    case Kind::Integer:
    case Kind::Long: {
        const std::int64_t n = wholeContent(a);
        return (n < 0 ? "-" : " ") + std::to_string(n < 0 ? -n : n);
    }
    case Kind::Double:
        break;
    }
    const double d = a.toDouble();
    if (std::isnan(d))
        return " NaN";
    if (std::isinf(d))
        return d < 0 ? "-Infinity" : " Infinity";
    return (d < 0 ? "-" : " ") + formatMagnitude(std::fabs(d));
}

std::int32_t ToInterval(const Value &a)
{
    const double d = a.toDouble();
    if (std::isnan(d))
        return 0;
    const double rounded = std::nearbyint(d);
    if (rounded <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (rounded >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

float ToSingle(const Value &a)
{
    const double d = a.toDouble();
    if (std::isnan(d))
        return 0.0f;
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(d, -largest, largest));
}

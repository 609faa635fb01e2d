// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// One quantity of the motion: a whole number that widens from Integer to
// Long to Double as it grows, a Double taken from typed text, or a text.
class Value
{
public:
    enum class Kind { Integer, Long, Double, String };

    Value() = default;
    static Value integer(std::int16_t n) { return Value(n); }
    static Value longInteger(std::int32_t n) { return Value(n); }
    static Value real(double d) { return Value(d); }
    static Value text(std::string s) { return Value(SharedText{std::make_shared<const std::string>(std::move(s))}); }

    Kind kind() const { return static_cast<Kind>(m_content.index()); }
    double toDouble() const;
    const std::string &toText() const { return *std::get<SharedText>(m_content).text; }

    // Whether both hold the very same text, not merely an equal one: a
    // cheap test that a text shown before has not been replaced since.
    bool sharesTextWith(const Value &other) const;

    friend bool operator==(const Value &, const Value &) = default;

private:
    // Copies of a text share it: a status may repeat a pasted entry of any
    // length, and the display keeps a copy of the status it shows.
    struct SharedText
    {
        std::shared_ptr<const std::string> text;
        bool operator==(const SharedText &other) const { return *text == *other.text; }
    };
    using Content = std::variant<std::int16_t, std::int32_t, double, SharedText>;
    explicit Value(Content content) : m_content(std::move(content)) {}

    Content m_content = std::int16_t{0};
};

// Exact arithmetic that widens Integer to Long to Double as results grow.
// Add joins texts (a number by its display text); elsewhere a text counts as 0.
Value Add(const Value &a, const Value &b);
Value Subtract(const Value &a, const Value &b);
Value Divide(const Value &a, const Value &b);
bool IsZero(const Value &a);

// How a locale writes numbers: its decimal separator, and the zero of its
// own digits (ASCII digits are taken too).
struct NumberSymbols
{
    char32_t decimalSeparator = U'.';
    char32_t zeroDigit = U'0';
};

// Typed UTF-8 text to a whole Double, rounded towards minus infinity.
// Full-width forms, the minus sign U+2212 and surrounding white space of
// any kind are taken as their ASCII counterparts. Empty optional for
// anything that is not a finite decimal number.
std::optional<Value> FromText(std::string_view text, NumberSymbols symbols = {});

std::string DisplayText(const Value &a);

// Nearest whole millisecond count, ties to even; saturates at the limits
// of a 32-bit count instead of failing.
std::int32_t ToInterval(const Value &a);

// Nearest float, held within the finite float range.
float ToSingle(const Value &a);

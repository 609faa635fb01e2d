// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaycontent.h"

#include "motionstate.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view ellipsis = "…";
constexpr std::string_view approximately = "≈";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Where each character of UTF-8 text starts, and its end.
std::vector<std::size_t> characterStarts(std::string_view text)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

// The most characters from `from` on that fit the width, found by halving:
// a longer piece of text is never narrower.
std::size_t fittingCharacters(const std::string &text, const std::vector<std::size_t> &starts, std::size_t from,
                              const std::string &suffix, double width, int fontPixels,
                              const DisplayContent::TextWidth &widthOf)
{
    std::size_t low = from, high = starts.size() - 1;
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (widthOf(text.substr(starts[from], starts[middle] - starts[from]) + suffix, fontPixels) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// A line may end between a status's parts: before the y of a setting,
// after a blank, or beside a Chinese character; not inside a number.
bool endsBetweenParts(const std::string &text, const std::vector<std::size_t> &starts, std::size_t end)
{
    const unsigned char before = text[starts[end - 1]], after = text[starts[end]];
    return after == 'y' || before == ' ' || before >= 0x80 || after >= 0x80;
}

DisplayContent::Fitted fittedStatus(const std::string &caption, int width, int fontPixels, int lines,
                                    const DisplayContent::TextWidth &widthOf)
{
    // Control characters and Unicode's line and paragraph separators would
    // break the lines: they show as blanks.
    std::string text = caption;
    for (const std::string_view separator : {"\u2028", "\u2029"}) {
        for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, at))
            text.replace(at, separator.size(), " ");
    }
    for (char &c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    // No character is narrower than a pixel, so no more than this can show.
    std::vector<std::size_t> starts = characterStarts(text);
    const bool cut = starts.size() - 1 > std::size_t(lines * width);
    if (cut)
        starts.resize(std::size_t(lines * width) + 1);
    std::string shown;
    std::size_t from = 0;
    bool shortened = cut;
    for (int line = 1; line <= lines && from + 1 < starts.size(); ++line) {
        std::size_t end = fittingCharacters(text, starts, from, {}, width, fontPixels, widthOf);
        const bool last = line == lines;
        // The line before the last ends between parts where the rest then
        // fits the last line whole.
        if (line + 1 == lines && end > from && end + 1 < starts.size() && !cut) {
            std::size_t between = end;
            while (between > from + 1 && !endsBetweenParts(text, starts, between))
                --between;
            if (endsBetweenParts(text, starts, between) && widthOf(text.substr(starts[between]), fontPixels) <= width)
                end = between;
        }
        std::string suffix;
        if (last && (end + 1 < starts.size() || cut)) {
            suffix = ellipsis;
            end = fittingCharacters(text, starts, from, suffix, width, fontPixels, widthOf);
            shortened = true;
        }
        end = std::max(end, from + 1); // at least one character a line
        shown += (line > 1 ? "\n" : "") + text.substr(starts[from], starts[end] - starts[from]) + suffix;
        from = end;
    }
    // The pieces of an entry that ran over reach the screen reader whole.
    shortened = shortened || (shown.find('\n') == std::string::npos && shown != caption);
    return {shown, fontPixels, shortened};
}

} // namespace

const std::array<const char *, 9> DisplayContent::labelPrefixes = {
    "TPS:", "坐标x:", "坐标y:", "速度x:", "速度y:", "加速度x:", "加速度y:", "当前时间刻:", "当前状态:",
};

std::bitset<9> DisplayContent::refresh(const MotionState &state)
{
    const Value origin = Value::integer(originTwips);
    markerLeft = ToSingle(Add(origin, state.x));
    markerTop = ToSingle(Subtract(origin, state.y));

    std::bitset<9> changed;
    const auto show = [&](std::size_t i, const Value &value) {
        std::string text = labelPrefixes[i] + DisplayText(value);
        if (text != labels[i]) {
            labels[i] = std::move(text);
            changed.set(i);
        }
    };
    const Value *numbers[] = {&state.tps, &state.x, &state.y, &state.vx, &state.vy,
                              &state.ax, &state.ay, &state.t};
    for (std::size_t i = 0; i < std::size(numbers); ++i)
        show(i, *numbers[i]);
    if (!state.zt.sharesTextWith(m_shownStatus)) {
        m_shownStatus = state.zt;
        show(statusLabel, state.zt);
    }
    return changed;
}

std::string DisplayContent::shortNumber(std::string_view number, int digits)
{
    if (number.size() < 2 || (number[0] != ' ' && number[0] != '-') || digits < 1)
        return {};
    std::string all;
    long exponent = -1;
    bool point = false;
    std::size_t i = 1;
    for (; i < number.size() && (isDigit(number[i]) || (number[i] == '.' && !point)); ++i) {
        if (number[i] == '.')
            point = true;
        else if (!all.empty() || number[i] != '0')
            all += number[i];
        if (!point && !all.empty() && number[i] != '.')
            ++exponent;
        else if (point && all.empty() && number[i] == '0')
            --exponent;
    }
    if (all.empty())
        return {};
    if (i < number.size()) {
        // The exponent of a finite double has at most three digits.
        std::string_view rest = number.substr(i);
        if (rest.size() < 2 || rest[0] != 'E')
            return {};
        const bool negative = rest[1] == '-';
        rest.remove_prefix(rest[1] == '+' || rest[1] == '-' ? 2 : 1);
        if (rest.empty() || rest.size() > 3 || !std::all_of(rest.begin(), rest.end(), isDigit))
            return {};
        long written = 0;
        for (const char c : rest)
            written = written * 10 + (c - '0');
        exponent += negative ? -written : written;
    }
    all.erase(all.find_last_not_of('0') + 1);

    const bool dropped = all.size() > std::size_t(digits);
    if (dropped) {
        const bool up = all[std::size_t(digits)] >= '5';
        all.resize(std::size_t(digits));
        if (up) {
            std::size_t k = all.size();
            while (k > 0 && all[k - 1] == '9')
                all[--k] = '0';
            if (k == 0) {
                all.insert(all.begin(), '1');
                all.pop_back();
                ++exponent;
            } else {
                ++all[k - 1];
            }
        }
    }
    std::string text = dropped ? std::string(approximately) : std::string();
    if (number[0] == '-' || !dropped)
        text += number[0];
    text += all.substr(0, 1);
    if (all.size() > 1)
        text += "." + all.substr(1);
    return text + (exponent < 0 ? "E-" : "E+") + std::to_string(exponent < 0 ? -exponent : exponent);
}

DisplayContent::Fitted DisplayContent::fitted(std::size_t label, const std::string &caption, int width,
                                              int fontPixels, int lines, const TextWidth &widthOf)
{
    if (label == statusLabel)
        return fittedStatus(caption, width, fontPixels, lines, widthOf);
    // Two pixels smaller at the most, as the text still reads from the back
    // of a classroom.
    const int sizes[] = {fontPixels, fontPixels - 1, fontPixels - 2};
    for (const int size : sizes) {
        if (widthOf(caption, size) <= width)
            return {caption, size, false};
    }
    const std::string_view prefix = labelPrefixes[label];
    const std::string_view number = std::string_view(caption).substr(std::min(prefix.size(), caption.size()));
    std::string last, tried;
    for (int digits = 17; digits >= 2; --digits) {
        const std::string form = shortNumber(number, digits);
        if (form.empty())
            return {caption, fontPixels, false};
        if (form == std::exchange(tried, form))
            continue; // no more digits than the number has
        last = std::string(prefix) + form;
        for (const int size : sizes) {
            if (widthOf(last, size) <= width)
                return {last, size, true};
        }
    }
    // Only a negative number of three exponent digits beside one of the
    // longer prefixes comes here: a pixel or two smaller still keeps two
    // digits, the sign and the exponent.
    return {last, widthOf(last, sizes[2] - 1) <= width ? sizes[2] - 1 : sizes[2] - 2, true};
}

std::string DisplayContent::readable(std::string_view text)
{
    constexpr std::size_t longest = 1000;
    const std::vector<std::size_t> starts = characterStarts(text);
    if (starts.size() - 1 <= longest)
        return std::string(text);
    return std::string(text.substr(0, starts[longest])) + std::string(ellipsis);
}

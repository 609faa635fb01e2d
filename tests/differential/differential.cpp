// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the model as the window does and prints everything it would show,
// so that two builds (native and WebAssembly) can be compared byte for
// byte. Each line of the script given is one step:
//   click <N> [<text> [<text>]]   Command<N>, with the texts of its row's boxes
//   ticks <N>                     N ticks of the timer, while it runs
//   read <file>                   the file's bytes typed into a box, read in
//                                 three locales, and their shortened forms
//   random <seed> <steps>         that many steps chosen by a fixed generator
//   layout                        the window's layout table, in twips

#include "controllayout.h"
#include "displaycontent.h"
#include "formface.h"
#include "formhandlers.h"
#include "ticktimer.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct RecordedTimer : TickTimer
{
    int interval = 0;
    void setInterval(int milliseconds) override { interval = milliseconds; }
};

const NumberSymbols locales[] = {{U'.', U'0'}, {U',', U'0'}, {U'\u066B', U'\u0660'}};

// A face that records what the window's handlers write, in a font whose
// characters are as wide as its size and ASCII a little over half that.
class Window : public FormFace
{
public:
    Window() { handlers.createControls(), handlers.Form_Load(); }

    void click(int command, const std::string &a, const std::string &b)
    {
        if (command < 1 || command > FormHandlers::commandCount)
            return;
        boxes[0] = boxes[2] = boxes[4] = boxes[6] = a;
        boxes[1] = boxes[3] = boxes[5] = b;
        handlers.click(command);
        show();
    }

    void ticks(long count)
    {
        for (long i = 0; i < count && timer.interval > 0; ++i) {
            now += timer.interval;
            handlers.Timer1_Timer();
        }
        show();
    }

    // Everything held comes due a second later.
    void show()
    {
        now += 1000;
        handlers.writeDue();
        for (const ControlView &control : controls)
            std::cout << control.name << " | " << control.text << " (" << control.fontPixels << " px, "
                      << control.box.left << ' ' << control.box.top << ") " << control.toolTip << '\n';
        std::cout << "interval " << timer.interval << "\ntold " << told << '\n';
    }

private:
    std::string boxText(int box) const override { return boxes.at(std::size_t(box - 1)); }
    double textWidth(const std::string &text, int fontPixels) const override
    {
        double width = 0;
        for (const char c : text)
            width += (c & 0xC0) == 0x80 ? 0 : c & 0x80 ? fontPixels : fontPixels * 0.55;
        return width;
    }
    void create(const ControlView &control) override { controls.push_back(control); }
    void update(std::size_t control, const ControlView &view, unsigned) override { controls.at(control) = view; }
    void announce(const std::string &words) override { told = words; }
    void wakeUpIn(double) override {}

    double now = 0;
    std::array<std::string, 7> boxes;
    std::vector<ControlView> controls;
    std::string told;
    RecordedTimer timer;
    FormHandlers handlers{*this, timer, {}, [this] { return now; }};
};

void read(const std::string &typed)
{
    for (const NumberSymbols &locale : locales) {
        const std::optional<Value> value = FromText(typed, locale);
        if (!value) {
            std::cout << "refused\n";
            continue;
        }
        const std::string text = DisplayText(*value);
        std::cout << text;
        for (int digits = 2; digits <= 4; ++digits)
            std::cout << " | " << DisplayContent::shortNumber(text, digits);
        std::cout << '\n';
    }
}

// Typed texts from pieces that matter to the reading: signs, digits in
// three scripts, separators, exponents, blanks.
std::string randomText(std::mt19937 &random)
{
    static const char *const pieces[] = {"0", "1", "7", "9", "12", "999999999", "-", "+", ".", ",", "e", "E",
                                         "e+", "e-", "308", "309", "400", "15", " ", "\u3000", "\u2212",
                                         "\uFF11", "\uFF0E", "\u0661", "\u066B", "x", "1e15", "4294967296"};
    std::string text;
    for (std::uint32_t n = random() % 6; n > 0; --n)
        text += pieces[random() % std::size(pieces)];
    return text;
}

void randomSteps(Window &window, std::uint32_t seed, long steps)
{
    std::mt19937 random(seed);
    for (long i = 0; i < steps; ++i) {
        if (random() % 4 == 0) {
            window.ticks(random() % 200);
        } else {
            const int command = int(random() % 15) + 1;
            const std::string a = randomText(random), b = randomText(random);
            std::cout << "click " << command << " [" << a << "] [" << b << "]\n";
            window.click(command, a, b);
            read(a);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: torvane-differential <script>\n";
        return 2;
    }
    std::ifstream script(argv[1]);
    Window window;
    window.show();
    std::string line;
    while (std::getline(script, line)) {
        std::cout << "> " << line << '\n';
        std::istringstream words(line);
        std::string step;
        words >> step;
        if (step == "click") {
            int command = 0;
            std::string a, b;
            words >> command >> a >> b;
            window.click(command, a, b);
        } else if (step == "ticks") {
            long count = 0;
            words >> count;
            window.ticks(count);
        } else if (step == "read") {
            std::string path;
            words >> path;
            std::ifstream file(path, std::ios::binary);
            read(std::string(std::istreambuf_iterator<char>(file), {}));
        } else if (step == "layout") {
            for (const ControlLayout &control : ControlLayout::table())
                std::cout << control.name << ' ' << (control.container ? control.container : "-") << ' '
                          << control.left << ' ' << control.top << ' ' << control.width << ' ' << control.height
                          << '\n';
        } else if (step == "random") {
            std::uint32_t seed = 0;
            long steps = 0;
            words >> seed >> steps;
            randomSteps(window, seed, steps);
        }
    }
    return 0;
}

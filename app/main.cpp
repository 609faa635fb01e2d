#include "displaycontent.h"
#include "editingcommands.h"
#include "motionstate.h"
#include "runcontrol.h"
#include "ticktimer.h"

#include <iostream>

namespace {
struct NoTimer : TickTimer { void setInterval(int) override {} };
}

// Until the window exists: a few ticks under a nudge, as the labels would show them.
int main()
{
    MotionState state;
    NoTimer timer;
    RunControl run(state, timer);
    run.initialise();
    EditingCommands(state).nudgeAcceleration(+1, +1);
    for (int i = 0; i < 3; ++i) {
        run.tick();
        for (const std::string &label : DisplayContent::of(state).labels)
            std::cout << label << '\n';
        std::cout << '\n';
    }
}

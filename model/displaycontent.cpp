#include "displaycontent.h"

#include "motionstate.h"

const std::array<const char *, 9> DisplayContent::labelPrefixes = {
    "TPS:", "坐标x:", "坐标y:", "速度x:", "速度y:", "加速度x:", "加速度y:", "当前时间刻:", "当前状态:",
};

DisplayContent DisplayContent::of(const MotionState &state)
{
    const Value origin = Value::integer(originTwips);
    DisplayContent content;
    content.markerLeft = ToSingle(Add(origin, state.x));
    content.markerTop = ToSingle(Subtract(origin, state.y));
    const Value *shown[] = {&state.tps, &state.x, &state.y, &state.vx, &state.vy,
                            &state.ax, &state.ay, &state.t, &state.zt};
    for (std::size_t i = 0; i < content.labels.size(); ++i)
        content.labels[i] = labelPrefixes[i] + DisplayText(*shown[i]);
    return content;
}

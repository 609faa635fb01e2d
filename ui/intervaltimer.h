#pragma once

#include "ticktimer.h"

class QTimer;

// Gives run control's intervals to a QTimer. QTimer itself would fire
// whenever idle at interval 0, and complain of a negative one; here both stop it.
class IntervalTimer : public TickTimer
{
public:
    explicit IntervalTimer(QTimer &timer) : m_timer(timer) {}
    void setInterval(int milliseconds) override;

private:
    QTimer &m_timer;
};

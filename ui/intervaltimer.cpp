#include "intervaltimer.h"

#include <QTimer>

void IntervalTimer::setInterval(int milliseconds)
{
    if (milliseconds > 0)
        m_timer.start(milliseconds);
    else
        m_timer.stop();
}

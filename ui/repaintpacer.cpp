#include "repaintpacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

RepaintPacer::RepaintPacer(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    m_heldBack.setSingleShot(true);
    m_heldBack.setTimerType(Qt::PreciseTimer);
    connect(&m_heldBack, &QTimer::timeout, this, [this] {
        QCoreApplication::postEvent(m_window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    });
    window->installEventFilter(this);
}

std::chrono::nanoseconds RepaintPacer::holdBack(std::chrono::nanoseconds sinceLastRepaint,
                                                std::chrono::nanoseconds frame)
{
    return sinceLastRepaint >= frame ? std::chrono::nanoseconds(0) : frame - sinceLastRepaint;
}

std::chrono::nanoseconds RepaintPacer::frame() const
{
    const qreal rate = m_window->screen() ? m_window->screen()->refreshRate() : 0;
    return std::chrono::nanoseconds(qint64(1e9 / (rate >= 1 ? rate : 60)));
}

// Qt asks the window to repaint what is dirty with an UpdateRequest; one
// held back here stays pending, and the one posted at the frame's end
// paints it all.
bool RepaintPacer::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::UpdateRequest)
        return false;
    const auto since = m_sinceLastRepaint.isValid() ? std::chrono::nanoseconds(m_sinceLastRepaint.nsecsElapsed())
                                                    : frame();
    const auto wait = holdBack(since, frame());
    if (wait.count() == 0) {
        m_sinceLastRepaint.restart();
        return false;
    }
    if (!m_heldBack.isActive())
        m_heldBack.start(std::chrono::ceil<std::chrono::milliseconds>(wait));
    return true;
}

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

class QWidget;

// Lets the window repaint at most once per frame of its screen. Ticks may
// come every millisecond, faster than any screen shows them; repainting
// for each would cost more than all the rest of the tick. A repaint asked
// for within a frame of the last one is held back to the frame's end,
// when it paints whatever changed meanwhile, so the screen always ends on
// the latest state. At rates below the frame rate every tick paints at once.
class RepaintPacer : public QObject
{
    Q_OBJECT

public:
    explicit RepaintPacer(QWidget *window);

    // How long a repaint asked for now must wait, given the time since the
    // last one and the frame: zero when a frame has passed.
    static std::chrono::nanoseconds holdBack(std::chrono::nanoseconds sinceLastRepaint,
                                             std::chrono::nanoseconds frame);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::chrono::nanoseconds frame() const;

    QWidget *m_window;
    QElapsedTimer m_sinceLastRepaint;
    QTimer m_heldBack;
};

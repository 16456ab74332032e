#include "timer.h"

namespace ui {

Timer::Timer(QObject *parent) : QObject(parent) {
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::timer);
}

void Timer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    update(false);
}

void Timer::setInterval(int milliseconds) {
    Q_ASSERT(milliseconds >= 0);
    if (milliseconds < 0)
        return;
    m_interval = milliseconds;
    update(true);
}

void Timer::update(bool restartWait) {
    const bool shouldTick = m_enabled && m_interval > 0;
    if (!shouldTick) {
        m_timer.stop();
    } else if (restartWait || !m_timer.isActive()) {
        m_timer.start(m_interval);
    }
}

} // namespace ui

#include "timer.h"

#include <algorithm>
#include <utility>

namespace ui {
namespace {

using std::chrono::milliseconds;

// Ticks that fall behind (a busy machine) are caught up, so a countdown of N
// ticks still takes N intervals. Behind by more than this (a suspended
// machine, a debugger) the missed ticks are dropped rather than delivered in
// a burst, and the timeline starts again.
constexpr auto catchUpLimit = std::chrono::seconds(1);

} // namespace

Timer::Timer(QObject *parent, Clock clock) : QObject(parent), m_clock(std::move(clock)) {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Timer::onTimeout);
}

void Timer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    update(false);
}

void Timer::setInterval(int milliseconds) {
    // Refused in every build, not asserted: a Qt timer must never be started
    // with a negative interval, and the refusal is tested.
    if (milliseconds < 0)
        return;
    m_interval = milliseconds;
    update(true);
}

std::chrono::milliseconds Timer::remainingWait() const {
    if (!m_timer.isActive())
        return milliseconds(m_interval);
    return std::max(std::chrono::ceil<milliseconds>(m_due - m_clock()), milliseconds(0));
}

void Timer::update(bool restartWait) {
    const bool shouldTick = m_enabled && m_interval > 0;
    if (!shouldTick) {
        m_timer.stop();
    } else if (restartWait || !m_timer.isActive()) {
        m_due = m_clock() + milliseconds(m_interval);
        m_timer.start(milliseconds(m_interval));
    }
}

void Timer::onTimeout() {
    // A periodic QTimer that wakes late waits a whole interval from then on,
    // and every late wake-up is lost for good. Each tick is due one interval
    // after the previous one was due instead.
    const std::chrono::steady_clock::time_point now = m_clock();
    m_due += milliseconds(m_interval);
    if (now - m_due > catchUpLimit)
        m_due = now + milliseconds(m_interval);
    // Armed before the handler runs, so that it sees a ticking timer and can
    // stop it or restart its wait.
    m_timer.start(std::max(std::chrono::round<milliseconds>(m_due - now), milliseconds(0)));
    emit timeout();
}

} // namespace ui

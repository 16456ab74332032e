#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

namespace ui {

// A timer with the two properties the programs use. It ticks every Interval
// milliseconds while Enabled is true and Interval is above 0; with Interval 0
// it delivers nothing at all (a Qt timer at 0 would fire without pause).
// Writing Interval restarts the wait; enabling a running timer does not.
class Timer : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // The clock is the steady clock; a test can hand in one of its own.
    explicit Timer(QObject *parent = nullptr, Clock clock = std::chrono::steady_clock::now);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int interval() const { return m_interval; }
    // A negative value is refused.
    void setInterval(int milliseconds);
    // How long until the next tick once the timer is on: what is left of the
    // wait under way, else a whole interval.
    std::chrono::milliseconds remainingWait() const;

    // Whether ticks are being delivered.
    bool isTicking() const { return m_timer.isActive(); }

signals:
    void timeout();

private:
    void update(bool restartWait);
    void onTimeout();

    // A single-shot QTimer re-armed at every tick towards m_due, so that the
    // ticks keep to the timeline that began when the wait was last restarted.
    QTimer m_timer;
    const Clock m_clock;
    std::chrono::steady_clock::time_point m_due{};
    int m_interval = 0;
    bool m_enabled = false;
};

} // namespace ui

#pragma once

// What a test needs to see of a pallix window: its captions, and how many
// draws it made, counted through the clock its random source reads once a
// draw. A replay of the same draws from the same frozen clock says exactly
// what the cells must show after a given number of spins.

#include "apps/pallix/form1.h"
#include "core/random_source.h"
#include "core/spin.h"

#include <QMessageBox>
#include <QStringList>

#include <cstdint>

namespace pallix_test {

inline constexpr std::uint64_t frozenClock = 20'261'206;

// A source whose clock never moves and counts its readings: one per draw.
inline core::RandomSource countingSource(int &draws) {
    return core::RandomSource([&draws] {
        ++draws;
        return frozenClock;
    });
}

inline QStringList captions(const pallix::Form1 &form) {
    QStringList list;
    for (const ui::Label *cell : form.Label1)
        list << cell->caption();
    return list;
}

inline bool messageShown(const pallix::Form1 &form) {
    return form.message() && form.message()->isVisible();
}

struct Replay {
    QStringList cells{QStringList(5, QStringLiteral("0"))};
    int draws = 0;
};

// The cells and the draw count after `spins` spins from a fresh counting
// source: each cell draws once, and once more after a 10, keeping the second.
inline Replay replay(int spins) {
    Replay result;
    core::RandomSource source = countingSource(result.draws);
    for (int spin = 0; spin < spins; ++spin) {
        for (QString &cell : result.cells) {
            int value = core::draw(source);
            if (value == 10)
                value = core::draw(source);
            cell = QString::number(value);
        }
    }
    return result;
}

} // namespace pallix_test

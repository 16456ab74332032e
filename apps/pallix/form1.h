#pragma once

// The window of pallix and pallixb and its four handlers: one spin, a batch
// of as many spins as the box says, clear, and exit.

#include "apps/common/digit_display.h"
#include "core/random_source.h"
#include "ui/form.h"

#include <cstdint>
#include <optional>

namespace pallix {

// The spins a batch makes for the text of "Number of Spins": its leading
// number rounded to a 16-bit integer (0 or less makes none). Empty when the
// number lies beyond that range, so the batch is refused instead.
std::optional<std::int16_t> spinsAsked(const QString &text);

class Form1 : public ui::Form {
    Q_OBJECT
public:
    explicit Form1(core::RandomSource source = core::RandomSource());

    // Event handlers, named after the control and the event they serve.
    void cmdstart_Click();
    void cmdAuto_Click();
    void cmdClear_Click();
    void Command1_Click();

    // Form-level integers.
    std::int16_t drawnValue = 0;
    std::int16_t cellIndex = 0;
    std::int16_t spinCount = 0;
    std::int16_t spinTotal = 0;

    // Controls.
    const family::DigitCells Label1;
    ui::Button *const cmdstart;
    ui::Button *const cmdAuto;
    ui::Button *const cmdClear;
    ui::Button *const Command1;
    ui::TextBox *const txtloop;

private:
    void random();
    void spin();

    core::RandomSource m_random;
};

} // namespace pallix

#include "countdown_form.h"

#include "core/conversions.h"
#include "core/spin.h"

#include <utility>

namespace family {
namespace {

using Handler = ui::EventHandler<CountdownForm>;
using ui::Event;

constexpr Handler wiring[] = {
    {"cmdSpin", Event::Click, &CountdownForm::cmdSpin_Click},
    {"cmdAuto", Event::Click, &CountdownForm::cmdAuto_Click},
    {"cmdClear", Event::Click, &CountdownForm::cmdClear_Click},
    {"Command1", Event::Click, &CountdownForm::Command1_Click},
    {"Timer1", Event::Timer, &CountdownForm::Timer1_Timer},
    {"cmdstart", Event::Click, &CountdownForm::cmdstart_Click},
    {"Timer3", Event::Timer, &CountdownForm::Timer3_Timer},
    {"mnuNormal", Event::Click, &CountdownForm::mnuNormal_Click},
    {"mnuNeg", Event::Click, &CountdownForm::mnuNeg_Click},
    {"mnuOne", Event::Click, &CountdownForm::mnuOne_Click},
    {"mnuTwo", Event::Click, &CountdownForm::mnuTwo_Click},
    {"mnuThree", Event::Click, &CountdownForm::mnuThree_Click},
    {"mnuFour", Event::Click, &CountdownForm::mnuFour_Click},
    {"mnufive", Event::Click, &CountdownForm::mnufive_Click},
};

const QString spinSpeedBox = QStringLiteral("Speed of Spins");

} // namespace

CountdownForm::CountdownForm(const ui::Window &window, core::RandomSource source)
    : ui::Form(window), Frame2(control<ui::Frame>("Frame2")),
      Label1(controlArray<ui::Label, 5>("Label1")), cmdSpin(control<ui::Button>("cmdSpin")),
      cmdAuto(control<ui::Button>("cmdAuto")), cmdClear(control<ui::Button>("cmdClear")),
      cmdstart(control<ui::Button>("cmdstart")), Command1(control<ui::Button>("Command1")),
      txtloop(control<ui::TextBox>("txtloop")), Timer1(timer("Timer1")), Timer2(timer("Timer2")),
      Timer3(timer("Timer3")), mnuNormal(menuItem("mnuNormal")), mnuNeg(menuItem("mnuNeg")),
      m_random(std::move(source)) {
    wire<CountdownForm>(this, wiring);
}

// Draw and spin ------------------------------------------------------------

void CountdownForm::random() {
    drawnValue = core::draw(m_random);
}

void CountdownForm::autospin() {
    spinDigits(Label1, cellIndex, drawnValue, [this] { random(); });
}

void CountdownForm::cmdSpin_Click() {
    autospin();
}

void CountdownForm::Timer1_Timer() {
    if (!takeSpinInterval(*this, *Timer1, *txtloop, spinSpeedBox))
        return;
    autospin();
}

void CountdownForm::stopAndZero() {
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
    core::clearCells(cellIndex,
                     [this](std::int16_t index) { Label1[index]->setCaption(captionOf(0)); });
}

void CountdownForm::Command1_Click() {
    endProgram();
}

// Countdown ----------------------------------------------------------------

void CountdownForm::startCount() {
    // The cells hold only the program's own text of 0 to 10, so this cannot fail.
    counter.hundreds = core::textToInt16(Label1[0]->caption().toStdString()).value_or(0);
    counter.tens = core::textToInt16(Label1[1]->caption().toStdString()).value_or(0);
    counter.units = core::textToInt16(Label1[2]->caption().toStdString()).value_or(0);
    Label1[3]->setVisible(false);
    Label1[4]->setVisible(false);
    Timer3->setEnabled(true);
}

void CountdownForm::Timer3_Timer() {
    count1();
}

void CountdownForm::count1() {
    if (counter.atZero()) {
        stopcount();
        return;
    }
    if (core::lowerPlace(counter.units) == core::Borrow::Yes)
        count2();
    showCounters();
}

void CountdownForm::count2() {
    if (core::lowerPlace(counter.tens) == core::Borrow::Yes)
        count3();
    showCounters();
}

void CountdownForm::count3() {
    core::lowerHundreds(counter.hundreds);
    showCounters();
}

void CountdownForm::showCounters() {
    Label1[0]->setCaption(captionOf(counter.hundreds));
    Label1[1]->setCaption(captionOf(counter.tens));
    Label1[2]->setCaption(captionOf(counter.units));
}

// Output ---------------------------------------------------------------------

void CountdownForm::mnuOne_Click() {
    showCells(Label1, core::output::one);
}
void CountdownForm::mnuTwo_Click() {
    showCells(Label1, core::output::two);
}
void CountdownForm::mnuThree_Click() {
    showCells(Label1, core::output::three);
}
void CountdownForm::mnuFour_Click() {
    showCells(Label1, core::output::four);
}
void CountdownForm::mnufive_Click() {
    showCells(Label1, core::output::five);
}

} // namespace family

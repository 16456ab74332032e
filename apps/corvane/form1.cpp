#include "form1.h"

#include "window.h"

#include <utility>

namespace corvane {

Form1::Form1(core::RandomSource source)
    : family::CountdownForm(corvane::window(), std::move(source)) {}

void Form1::cmdAuto_Click() {
    Timer1->setEnabled(true);
}

void Form1::cmdClear_Click() {
    stopAndZero();
}

void Form1::cmdstart_Click() {
    startCount();
}

// The count only ever stops at 0 0 0, so the counters need no reset and the
// cells are simply written once more.
void Form1::stopcount() {
    Timer3->setEnabled(false);
    showCounters();
}

// The schemes are applied by the handlers themselves and carry no check mark.
void Form1::mnuNormal_Click() {
    family::paintDisplay(Frame2, Label1, core::schemes::normal);
}

void Form1::mnuNeg_Click() {
    family::paintDisplay(Frame2, Label1, core::schemes::firstNegative);
}

} // namespace corvane

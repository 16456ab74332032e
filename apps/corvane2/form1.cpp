#include "form1.h"

#include "window.h"

#include "core/conversions.h"
#include "core/spin.h"
#include "ui/interval.h"

#include <utility>

namespace corvane2 {
namespace {

using Handler = ui::EventHandler<Form1>;
using ui::Event;

constexpr Handler wiring[] = {
    {"cmdSpin", Event::Click, &Form1::cmdSpin_Click},
    {"cmdAuto", Event::Click, &Form1::cmdAuto_Click},
    {"cmdClear", Event::Click, &Form1::cmdClear_Click},
    {"Command1", Event::Click, &Form1::Command1_Click},
    {"Timer1", Event::Timer, &Form1::Timer1_Timer},
    {"cmdstart", Event::Click, &Form1::cmdstart_Click},
    {"Timer3", Event::Timer, &Form1::Timer3_Timer},
    {"txtInterval", Event::Change, &Form1::txtInterval_Change},
    {"mnuNormal", Event::Click, &Form1::mnuNormal_Click},
    {"mnuNeg", Event::Click, &Form1::mnuNeg_Click},
    {"MnuFluro", Event::Click, &Form1::MnuFluro_Click},
    {"mnuGrey", Event::Click, &Form1::mnuGrey_Click},
    {"mnuOne", Event::Click, &Form1::mnuOne_Click},
    {"mnuTwo", Event::Click, &Form1::mnuTwo_Click},
    {"mnuThree", Event::Click, &Form1::mnuThree_Click},
    {"mnuFour", Event::Click, &Form1::mnuFour_Click},
    {"mnufive", Event::Click, &Form1::mnufive_Click},
};

const QString spinSpeedBox = QStringLiteral("Speed of Spins");
const QString countdownSpeedBox = QStringLiteral("Countdown Speed");

} // namespace

Form1::Form1(core::RandomSource source)
    : ui::Form(corvane2::window()), Frame2(control<ui::Frame>("Frame2")),
      Label1(controlArray<ui::Label, 5>("Label1")), lblStop(control<ui::Label>("lblStop")),
      cmdSpin(control<ui::Button>("cmdSpin")), cmdAuto(control<ui::Button>("cmdAuto")),
      cmdClear(control<ui::Button>("cmdClear")), cmdstart(control<ui::Button>("cmdstart")),
      Command1(control<ui::Button>("Command1")), txtInterval(control<ui::TextBox>("txtInterval")),
      txtloop(control<ui::TextBox>("txtloop")), Timer1(timer("Timer1")), Timer2(timer("Timer2")),
      Timer3(timer("Timer3")), mnuNormal(menuItem("mnuNormal")), mnuNeg(menuItem("mnuNeg")),
      MnuFluro(menuItem("MnuFluro")), mnuGrey(menuItem("mnuGrey")), m_random(std::move(source)) {
    wire<Form1>(this, wiring);
    Form_Load();
}

// Draw and spin ------------------------------------------------------------

void Form1::random() {
    drawnValue = core::draw(m_random);
}

void Form1::autospin() {
    lblStop->setVisible(false);
    core::spinCells(
        cellIndex, drawnValue, [this] { random(); },
        [this](std::int16_t index) {
            Label1[index]->setCaption(QString::fromStdString(core::spinCaption(drawnValue)));
        });
}

void Form1::cmdSpin_Click() {
    autospin();
}

void Form1::cmdAuto_Click() {
    Timer1->setEnabled(true);
    lblStop->setVisible(false);
}

void Form1::Timer1_Timer() {
    if (!family::takeSpinInterval(*this, *Timer1, *txtloop, spinSpeedBox))
        return;
    autospin();
}

void Form1::cmdClear_Click() {
    lblStop->setVisible(false);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
    core::clearCells(
        cellIndex, [this](std::int16_t index) { Label1[index]->setCaption(family::captionOf(0)); });
}

void Form1::Command1_Click() {
    endProgram();
}

// Countdown ----------------------------------------------------------------

void Form1::cmdstart_Click() {
    lblStop->setVisible(false);
    // The cells hold only the program's own text of 0 to 10, so this cannot fail.
    counter.hundreds = core::textToInt16(Label1[0]->caption().toStdString()).value_or(0);
    counter.tens = core::textToInt16(Label1[1]->caption().toStdString()).value_or(0);
    counter.units = core::textToInt16(Label1[2]->caption().toStdString()).value_or(0);
    Label1[3]->setVisible(false);
    Label1[4]->setVisible(false);
    Timer3->setEnabled(true);
}

void Form1::Timer3_Timer() {
    count1();
}

void Form1::count1() {
    if (counter.atZero()) {
        Timer3->setEnabled(false);
        stopcount();
        return;
    }
    if (core::lowerPlace(counter.units) == core::Borrow::Yes)
        count2();
    showCounters();
}

void Form1::count2() {
    if (core::lowerPlace(counter.tens) == core::Borrow::Yes)
        count3();
    showCounters();
}

void Form1::count3() {
    core::lowerHundreds(counter.hundreds);
    showCounters();
}

void Form1::stopcount() {
    Timer3->setEnabled(false);
    counter = {};
    Label1[0]->setCaption(family::captionOf(0));
    Label1[1]->setCaption(family::captionOf(0));
    Label1[2]->setCaption(family::captionOf(0));
    lblStop->setVisible(true);
}

void Form1::showCounters() {
    Label1[0]->setCaption(family::captionOf(counter.hundreds));
    Label1[1]->setCaption(family::captionOf(counter.tens));
    Label1[2]->setCaption(family::captionOf(counter.units));
}

void Form1::txtInterval_Change() {
    // A value the timer cannot take is shown as refused and not applied:
    // the countdown goes on, or stays paused, at the interval it had.
    const std::optional<int> interval = ui::intervalFromText(txtInterval->text());
    if (!interval) {
        txtInterval->showRefusal(ui::intervalRefusal(countdownSpeedBox, txtInterval->text()));
        return;
    }
    txtInterval->clearRefusal();
    Timer3->setInterval(*interval);
}

// Colour schemes -------------------------------------------------------------

void Form1::normal() {
    family::paintDisplay(Frame2, Label1, core::schemes::normal);
}
void Form1::negative() {
    family::paintDisplay(Frame2, Label1, core::schemes::negative);
}
void Form1::grey() {
    family::paintDisplay(Frame2, Label1, core::schemes::grey);
}
void Form1::fluro() {
    family::paintDisplay(Frame2, Label1, core::schemes::fluro);
}

void Form1::Form_Load() {
    MnuFluro_Click();
}

void Form1::mnuNormal_Click() {
    normal();
    mnuNeg->setChecked(false);
    mnuNormal->setChecked(true);
    MnuFluro->setChecked(false);
    mnuGrey->setChecked(false);
}

void Form1::mnuNeg_Click() {
    negative();
    mnuNeg->setChecked(true);
    mnuNormal->setChecked(false);
    MnuFluro->setChecked(false);
    mnuGrey->setChecked(false);
}

void Form1::MnuFluro_Click() {
    fluro();
    mnuNeg->setChecked(false);
    mnuNormal->setChecked(false);
    mnuGrey->setChecked(false);
    MnuFluro->setChecked(true);
}

void Form1::mnuGrey_Click() {
    grey();
    mnuNeg->setChecked(false);
    mnuNormal->setChecked(false);
    mnuGrey->setChecked(true);
    MnuFluro->setChecked(false);
}

// Output ---------------------------------------------------------------------

void Form1::mnuOne_Click() {
    family::showCells(Label1, core::output::one);
}
void Form1::mnuTwo_Click() {
    family::showCells(Label1, core::output::two);
}
void Form1::mnuThree_Click() {
    family::showCells(Label1, core::output::three);
}
void Form1::mnuFour_Click() {
    family::showCells(Label1, core::output::four);
}
void Form1::mnufive_Click() {
    family::showCells(Label1, core::output::five);
}

} // namespace corvane2

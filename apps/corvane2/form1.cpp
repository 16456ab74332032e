#include "form1.h"

#include "window.h"

#include "ui/interval.h"

#include <utility>

namespace corvane2 {
namespace {

using Handler = ui::EventHandler<Form1>;
using ui::Event;

// The events corvane's window has too are wired by family::CountdownForm.
constexpr Handler wiring[] = {
    {"txtInterval", Event::Change, &Form1::txtInterval_Change},
    {"MnuFluro", Event::Click, &Form1::MnuFluro_Click},
    {"mnuGrey", Event::Click, &Form1::mnuGrey_Click},
};

const QString countdownSpeedBox = QStringLiteral("Countdown Speed");

} // namespace

Form1::Form1(core::RandomSource source)
    : family::CountdownForm(corvane2::window(), std::move(source)),
      lblStop(control<ui::Label>("lblStop")), txtInterval(control<ui::TextBox>("txtInterval")),
      MnuFluro(menuItem("MnuFluro")), mnuGrey(menuItem("mnuGrey")) {
    wire<Form1>(this, wiring);
    Form_Load();
}

// Draw and spin ------------------------------------------------------------

void Form1::autospin() {
    lblStop->setVisible(false);
    family::CountdownForm::autospin();
}

void Form1::cmdAuto_Click() {
    Timer1->setEnabled(true);
    lblStop->setVisible(false);
}

void Form1::cmdClear_Click() {
    lblStop->setVisible(false);
    stopAndZero();
}

// Countdown ----------------------------------------------------------------

void Form1::cmdstart_Click() {
    lblStop->setVisible(false);
    startCount();
}

void Form1::stopcount() {
    Timer3->setEnabled(false);
    counter = {};
    Label1[0]->setCaption(family::captionOf(0));
    Label1[1]->setCaption(family::captionOf(0));
    Label1[2]->setCaption(family::captionOf(0));
    lblStop->setVisible(true);
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

} // namespace corvane2

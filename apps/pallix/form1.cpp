#include "form1.h"

#include "window.h"

#include "core/conversions.h"
#include "core/spin.h"

#include <limits>
#include <utility>

namespace pallix {
namespace {

using Handler = ui::EventHandler<Form1>;
using ui::Event;

constexpr Handler wiring[] = {
    {"cmdstart", Event::Click, &Form1::cmdstart_Click},
    {"cmdAuto", Event::Click, &Form1::cmdAuto_Click},
    {"cmdClear", Event::Click, &Form1::cmdClear_Click},
    {"Command1", Event::Click, &Form1::Command1_Click},
};

QString batchRefusal(const QString &text) {
    return QStringLiteral("Number of Spins: \"%1\" is more spins than one batch can make.\n"
                          "Type a number of spins up to %2. No spin was made.")
        .arg(text)
        .arg(std::numeric_limits<std::int16_t>::max());
}

} // namespace

std::optional<std::int16_t> spinsAsked(const QString &text) {
    const std::optional<double> number = core::textToNumber(text.toStdString());
    if (!number)
        return std::nullopt;
    return core::roundToInt16(*number);
}

Form1::Form1(core::RandomSource source)
    : ui::Form(pallix::window()), Label1(controlArray<ui::Label, 5>("Label1")),
      cmdstart(control<ui::Button>("cmdstart")), cmdAuto(control<ui::Button>("cmdAuto")),
      cmdClear(control<ui::Button>("cmdClear")), Command1(control<ui::Button>("Command1")),
      txtloop(control<ui::TextBox>("txtloop")), m_random(std::move(source)) {
    wire<Form1>(this, wiring);
}

void Form1::random() {
    drawnValue = core::draw(m_random);
}

// There is no notice to hide here: a spin only writes the five captions.
void Form1::spin() {
    family::spinDigits(Label1, cellIndex, drawnValue, [this] { random(); });
}

void Form1::cmdstart_Click() {
    spin();
}

// The whole batch runs inside this handler without yielding: the window is
// repainted once, after it returns, and shows the last spin only.
void Form1::cmdAuto_Click() {
    cellIndex = 0;
    spinCount = 0;
    const std::optional<std::int16_t> total = spinsAsked(txtloop->text());
    if (!total) {
        // Ending the program over a mistyped count would lose nothing but
        // help no one: refuse the batch and say what the box takes.
        spinTotal = 0;
        showMessage(batchRefusal(txtloop->text()));
        return;
    }
    spinTotal = *total;
    while (spinCount < spinTotal) {
        spin();
        ++spinCount; // stops at spinTotal, so it never passes 32767
    }
}

void Form1::cmdClear_Click() {
    core::clearCells(
        cellIndex, [this](std::int16_t index) { Label1[index]->setCaption(family::captionOf(0)); });
}

void Form1::Command1_Click() {
    endProgram();
}

} // namespace pallix

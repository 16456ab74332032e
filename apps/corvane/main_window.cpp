#include "main_window.h"

#include "description.h"

#include <utility>

namespace corvane {

MainWindow::MainWindow(core::Draw draw)
    : CountdownWindow(description, {.choices = schemeChoices}, std::move(draw)) {}

} // namespace corvane

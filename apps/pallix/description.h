#pragma once

#include "ui/window_description.h"

namespace pallix {

struct BatchControls {
    ui::Frame *display = nullptr;
    ui::CellRow digitCells{};
    ui::Frame *controlPanel = nullptr;
    ui::Button *spinButton = nullptr;
    ui::Button *autoSpinButton = nullptr;
    ui::Button *clearButton = nullptr;
    ui::Label *spinCountCaption = nullptr;
    ui::TextBox *spinCountBox = nullptr;
    ui::Button *exitButton = nullptr;
};

// The one window of the batch spin programs; pallix and pallixb both open it.
extern const ui::WindowDescription<BatchControls> description;

} // namespace pallix

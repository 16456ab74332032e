#pragma once

class QWidget;

namespace ui {

// Asks the task bar and the pager to leave the window out, before the window
// is first shown. Only X has these hints; elsewhere nothing happens.
void keepOffTaskbar(QWidget *window);

} // namespace ui

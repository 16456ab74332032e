#pragma once

class QWidget;

namespace ui {

// Asks the task bar to leave the window out, before the window is first
// shown. Only X has this hint; elsewhere nothing happens.
void keepOffTaskbar(QWidget *window);

// Gives a shown window a task-bar button (true) or takes it away again
// (false): a minimised window needs one to be found again. X only.
void showOnTaskbar(QWidget *window, bool shown);

} // namespace ui

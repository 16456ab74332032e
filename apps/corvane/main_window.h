#pragma once

// The window of corvane: spin, auto-spin, a countdown at a fixed 500 ms tick
// that ends without a notice, two colour schemes without check marks, and the
// Output menu. It opens in the desktop's control colours, which are Normal's.

#include "apps/common/countdown_window.h"

namespace corvane {

class MainWindow : public vantorel::CountdownWindow {
    Q_OBJECT
public:
    explicit MainWindow(core::Draw draw = core::clockSeededDraw());
};

} // namespace corvane

#include "batch_window.h"

#include "ui/application.h"

// Built twice, as pallix and as pallixb: one program under two names.
int main(int argc, char **argv) {
    return ui::run<pallix::BatchWindow>(argc, argv);
}

#include "main_window.h"

#include "ui/application.h"

int main(int argc, char **argv) {
    return ui::run<corvane::MainWindow>(argc, argv);
}

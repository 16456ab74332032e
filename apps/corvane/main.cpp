#include "form1.h"

#include "ui/application.h"

int main(int argc, char **argv) {
    return ui::run<corvane::Form1>(argc, argv, ui::programVersion);
}

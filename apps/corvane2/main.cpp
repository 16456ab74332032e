#include "description.h"

#include "ui/application.h"

int main(int argc, char **argv) {
    return ui::run<common::CountdownWindow>(argc, argv, corvane2::program);
}

#include "description.h"

#include "startup/run.h"

int main(int argc, char **argv) {
    return startup::run(
        argc, argv, [] { return std::make_unique<countdown::CountdownWindow>(corvane2::program); });
}

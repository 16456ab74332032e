#include "description.h"

#include "startup/run.h"

// Built twice, as pallix and as pallixb: one program under two names.
int main(int argc, char **argv) {
    return startup::run(argc, argv,
                        [] { return std::make_unique<batch::BatchWindow>(pallix::program); });
}

#include "driver/Driver.h"

int main(int argc, char** argv) { return vestrilo::runToTheEnd(static_cast<int (*)(int, char**)>(&vestrilo::runVestrilo), argc, argv); }

#include "driver/View.h"

int main(int argc, char** argv) { return vestrilo::runToTheEnd(static_cast<int (*)(int, char**)>(&vestrilo::runVestriloView), argc, argv); }

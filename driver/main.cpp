#include "driver/Driver.h"

int main(int argc, char** argv) { return vestrilo::runVestrilo(argc, argv); }

#include "driver/View.h"

int main(int argc, char** argv) { return vestrilo::runVestriloView(argc, argv); }

#include "shell/Startup.h"

int main(int, char** argv) { return VarnexMain(argv[0]); }

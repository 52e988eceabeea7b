// Program entry: the command line decides what runs.
#include "commands.h"

int main(int argc, char **argv) { return run_command_line(argc, argv); }

#pragma once

// The whole life of the menu process: package root, log, state, command line, and otherwise
// the window and its loop. Returns the process exit code.
int vortelan_gb_runtime_menu_main(int argc, char **argv);

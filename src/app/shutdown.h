// Every ending of the program goes through the shutdown routine, which runs
// the save step once.
#pragma once

void shutdown_routine();
void save_step();

// The program entry: formats, title, data module, service connection, then
// the main window and the message loop.
#pragma once

// Runs the program; answers the process exit code.
int Quorvane();

// The program entry: formats, title, data module, service connection, then
// the main window and the message loop.
#pragma once

// Runs the program; answers the process exit code.
int Quorvane();

// The start-up sequence before the message loop: the application object, the
// formats, the title, the data module and the connection; then the main
// window (created, not yet shown). False when the program must end.
bool StartProgram();

#pragma once

namespace vistagon {

// SIGINT, SIGTERM and SIGHUP end a program as its Stop does. The first one is
// only noted (and a byte written to a pipe that an event loop may watch): the
// front end's cancel test reads it, so the running job stops at its next cell
// or frame and removes what it made. A second one ends the process at once.
void InstallStopSignals();

// The signal that asked the program to stop, or 0.
int ReceivedStopSignal();

// The pipe's read end, readable once a stop signal has come; -1 before InstallStopSignals.
int StopSignalDescriptor();

// After the clean-up: ends the process by the signal received, with its
// default action, so that whoever started it learns why it ended; returns at
// once when none came.
void EndByReceivedStopSignal();

}  // namespace vistagon

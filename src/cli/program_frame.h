// What every command-line program does first and last, around its own work: standard
// streams that carry the same bytes on every system, the user's data folder in place,
// and output that could not be written reported rather than lost.
#pragma once

namespace velmoro {

// Called first in main, before anything is written. Puts standard output and error in
// binary mode on Windows, whose text mode writes each "\n" as "\r\n" (the play-by-play's
// "\r\n" as "\r\r\n"), and moves the user's old data folder (a failed move is said on
// standard error after "PROGRAM: ", and the run goes on).
void StartProgram(const char* program);

// The program's exit code once standard output is flushed: `exitCode`, or 1 with
// "PROGRAM: cannot write to standard output" on standard error when a run that
// succeeded could not write all of its output (a full disk, a closed stream).
int FinishProgram(const char* program, int exitCode);

}  // namespace velmoro

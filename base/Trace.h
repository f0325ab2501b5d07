#pragma once

// The program's only diagnostic output. Off unless the environment asks for it:
// VELTRANE_DEBUG=1 writes to stderr, VELTRANE_DEBUG_FILE=path appends to that
// file instead. Nothing else in the program ever logs.

// Reads the two variables. The program and the tools call it once at start;
// until then, and whenever neither variable is set, Trace costs one branch.
void ConfigureTrace();

// printf-style; safe from any thread. Each call comes out as whole lines in one
// piece (a line end is added when the text lacks one), never interleaved with
// another thread's.
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

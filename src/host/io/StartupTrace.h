#pragma once

// With VELMORANE_TRACE_STARTUP set in the environment, the first call prints
// "velmorane: first picture at SECONDS" (the wall clock, seconds since
// 1970 with microseconds) on standard error, so a script can time the start.
// Later calls print nothing.
void NoteFirstPicture();

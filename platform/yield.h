// Gives the rest of the thread's time slice to whatever else is ready, once
// per frame, so that the audio and decoding threads run beside a frame loop
// that never blocks. One implementation per OS (yield_posix.cpp,
// yield_win32.cpp).
#pragma once

void YieldTimeSlice();

// Seams for tests that prove the all-or-nothing saves: they make a profile
// write fail, or end the process in the middle of one. Counting starts at the
// call and covers only profile writes that change a file on disk (a write
// that leaves the bytes as they are, or deletes what is not there, does not
// count). Unarmed, they cost one integer comparison per write.
#pragma once

namespace afx::testing {

// The nth such write from now (1: the next one) returns FALSE and leaves the
// file untouched; 0 disarms.
void FailProfileWrite(int nth);

// The process ends with _exit(nExitCode) during the nth such write from now,
// at the worst moment: the complete new file is written beside the old one
// and has not yet replaced it. 0 disarms.
void DieAtProfileWrite(int nth, int nExitCode = 3);

}  // namespace afx::testing

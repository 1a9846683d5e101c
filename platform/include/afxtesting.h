// Seams for tests that prove the all-or-nothing saves: they make a profile
// write fail, end the process in the middle of one, or make the file system
// calls under every file function fail as a full or failing disk or a file
// without permission would. Counting starts at the call. The profile-write
// seams count only profile writes that change a file (a write that leaves the
// bytes as they are, or deletes what is not there, does not count); a write
// to a draft (see GetTempFileNameA) changes the draft in place, the worst
// moment of a write to any other file is just before its rename. Unarmed,
// they cost one integer comparison per call.
#pragma once

namespace afx::testing {

// The nth such write from now (1: the next one) returns FALSE and leaves the
// file untouched; 0 disarms.
void FailProfileWrite(int nth);

// The process ends with _exit(nExitCode) during the nth such write from now,
// at its worst moment. 0 disarms.
void DieAtProfileWrite(int nth, int nExitCode = 3);

// The nth write() of file data from now fails with nErrno (ENOSPC: the disk
// is full); 0 disarms.
void FailFileWrite(int nth, int nErrno);

// The nth fsync() from now fails with nErrno; 0 disarms.
void FailFileSync(int nth, int nErrno);

// Every read of the file fails with nErrno (EACCES, EIO) until the same call
// with 0; the file still exists.
void FailFileRead(const char* pszPath, int nErrno);

}  // namespace afx::testing

// The ways a save can fail, each with the system's words the user is told:
// a full disk, a failing sync, and each of the first n profile writes.
#pragma once

#include <afxtesting.h>

#include <cerrno>
#include <functional>
#include <vector>

struct SaveFault {
    std::function<void()> arm;
    const char* pszReason;
};

inline std::vector<SaveFault> SaveFaults(int nWrites) {
    static const char* const kIoError =
        "The request could not be performed because of an I/O device error.";
    std::vector<SaveFault> faults = {
        {[] { afx::testing::FailFileWrite(1, ENOSPC); }, "There is not enough space on the disk."},
        {[] { afx::testing::FailFileSync(1, EIO); }, kIoError},
    };
    for (int n = 1; n <= nWrites; ++n)
        faults.push_back({[n] { afx::testing::FailProfileWrite(n); }, kIoError});
    return faults;
}

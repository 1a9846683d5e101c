// Whether a call throws the framework's invalid-argument exception.
#pragma once

#include <afx.h>

template <class F>
bool ThrowsInvalidArg(F f) {
    try {
        f();
    } catch (CException* e) {
        const bool bInvalidArg = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
        e->Delete();
        return bInvalidArg;
    }
    return false;
}

// A run-time library for the loader tests.
extern "C" int CoreTestAnswer() {
    return 42;
}

// The source of the tests' precompiled header: the header itself is made by
// the build from the list in tests/CMakeLists.txt.

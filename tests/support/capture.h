// Captures what the library writes on the standard output while a function runs
// in this process.
#pragma once
#include <functional>
#include <string>

std::string captureStdout(const std::function<void()> &body);

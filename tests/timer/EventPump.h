#pragma once
// Running the UI thread's event loop from a test, so that timer ticks get delivered.

#include <chrono>
#include <functional>

// Runs the event loop until done() holds or the limit passes; returns done(). The limit only catches a
// hang: a test fails on the result, never on how long it took.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10));

// Runs the event loop for about this long.
void PumpFor(std::chrono::milliseconds span);

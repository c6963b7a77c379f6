// The wall-clock time of one step of a benchmark, for benchmarks that time only part of each
// iteration (UseManualTime).
#pragma once

#include <chrono>

template <class Step>
double Seconds(const Step& step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

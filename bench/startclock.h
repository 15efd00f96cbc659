// The start-up probes write the moment they stop at as a line "MOMENT
// NANOSECONDS" of the monotonic clock to standard output, so that the
// benchmark, which read the same clock when it started them, gets the time to
// that moment without the program's end.
#pragma once

#include <cstdio>
#include <ctime>

inline void WriteStartClock(const char* moment) {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("%s %lld\n", moment, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stdout);
}

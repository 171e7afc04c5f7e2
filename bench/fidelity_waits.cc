// The measuring side of bench/fidelity: the probes' own waits against the same waits made with the
// bare system calls at the same timer slack, the calibration against the counter's floor, and
// the overshoot of 1 ms native delays. Prints "name values..." lines for the script to tabulate.
// With the arguments "reference COMMAND" it runs the shell command instead and prints the
// counter's rate against CLOCK_MONOTONIC_RAW over exactly that run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/prctl.h>
#include <sys/timerfd.h>
#include <unistd.h>
#include <vector>

#include "core/cycle_counter.h"
#include "core/kernel_timer_probes.h"
#include "core/sleep_probes.h"
#include "platform/native_delay.h"

namespace {

constexpr int kRepetitions = 300;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Largest(const std::vector<double>& values) { return *std::max_element(values.begin(), values.end()); }

// Counter ticks per microsecond against CLOCK_MONOTONIC_RAW over half a second.
double TicksPerMicrosecond() {
  timespec before{}, after{};
  clock_gettime(CLOCK_MONOTONIC_RAW, &before);
  const Cycles start = ReadCycleCounter();
  const timespec half{0, 500000000};
  clock_nanosleep(CLOCK_MONOTONIC, 0, &half, nullptr);
  clock_gettime(CLOCK_MONOTONIC_RAW, &after);
  const Cycles stop = ReadCycleCounter();
  const double microseconds = (after.tv_sec - before.tv_sec) * 1e6 + (after.tv_nsec - before.tv_nsec) / 1e3;
  return static_cast<double>(stop - start) / microseconds;
}

void SetSlackNs(unsigned long slack) { prctl(PR_SET_TIMERSLACK, slack, 0, 0, 0); }

// The thread's own slack, read at start, which every bare wait restores after itself.
const unsigned long kDefaultSlackNs = static_cast<unsigned long>(prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0));
constexpr unsigned long kProbeSlackNs = 1000000;  // the probes' 1 ms resolution
constexpr timespec kSettle{0, 20000000};

// A bare relative clock_nanosleep in the probes' conditions: 1 ms slack, a 20 ms settle sleep
// where the probe has one, two reads around the wait, less their cost.
Cycles BareNanosleep(long ns, bool settle) {
  const timespec wait{ns / 1000000000, ns % 1000000000};
  SetSlackNs(kProbeSlackNs);
  if (settle) clock_nanosleep(CLOCK_MONOTONIC, 0, &kSettle, nullptr);
  const Cycles start = ReadCycleCounter();
  clock_nanosleep(CLOCK_MONOTONIC, 0, &wait, nullptr);
  const Cycles stop = ReadCycleCounter();
  SetSlackNs(kDefaultSlackNs);
  return stop - start - CounterReadOverhead();
}

// The cost of arming a new timerfd at once and closing it, the least of ten: what the bare
// waitable timer takes out, as the probe takes out its own.
Cycles BareTimerfdCalibration() {
  Cycles calibration = 0;
  for (int attempt = 0; attempt < 10; ++attempt) {
    const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC);
    const itimerspec soon{{0, 0}, {0, 1}};
    const Cycles start = ReadCycleCounter();
    timerfd_settime(fd, 0, &soon, nullptr);
    close(fd);
    const Cycles cost = ReadCycleCounter() - start;
    if (attempt == 0 || cost < calibration) calibration = cost;
  }
  return calibration;
}

// A bare timerfd armed, waited on and closed in the probe's conditions.
Cycles BareTimerfd(long ns) {
  const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC);
  const itimerspec due{{0, 0}, {ns / 1000000000, ns % 1000000000}};
  std::uint64_t expirations = 0;
  SetSlackNs(kProbeSlackNs);
  clock_nanosleep(CLOCK_MONOTONIC, 0, &kSettle, nullptr);
  const Cycles start = ReadCycleCounter();
  timerfd_settime(fd, 0, &due, nullptr);
  if (read(fd, &expirations, sizeof expirations) < 0) perror("read");
  close(fd);
  const Cycles stop = ReadCycleCounter();
  SetSlackNs(kDefaultSlackNs);
  return stop - start - BareTimerfdCalibration();
}

// Median wait in µs of the probe and of the bare call, taking turns at going first, and how far
// apart the medians of two halves of the bare waits lie: what a difference of nothing looks like.
void CompareWaits(const char* name, double ticks_per_us, Cycles (*probe)(), Cycles (*bare)()) {
  std::vector<double> probe_us, bare_us, bare_even, bare_odd;
  for (int repetition = 0; repetition < kRepetitions; ++repetition) {
    const bool probe_first = repetition % 2 == 0;
    if (probe_first) probe_us.push_back(static_cast<double>(probe()) / ticks_per_us);
    bare_us.push_back(static_cast<double>(bare()) / ticks_per_us);
    (repetition % 4 < 2 ? bare_even : bare_odd).push_back(bare_us.back());
    if (!probe_first) probe_us.push_back(static_cast<double>(probe()) / ticks_per_us);
  }
  std::printf("wait %s %.3f %.3f %.3f\n", name, Median(probe_us), Median(bare_us),
              Median(bare_even) - Median(bare_odd));
}

// A probe's figure turned back into the ticks of its wait.
Cycles SleepProbe1ms() { return MeasureSleepDirect(1); }
Cycles WaitableTimerProbe1ms() { return MeasureWaitableTimer(1000); }
Cycles WaitableTimerProbe100us() { return MeasureWaitableTimer(100) / 10; }
Cycles NativeDelayProbe1ms() { return MeasureNativeDelay(1000); }
Cycles NativeDelayProbe100us() { return MeasureNativeDelay(100) / 10; }
Cycles BareSleep1ms() { return BareNanosleep(1000000, false); }
Cycles BareNanosleep1ms() { return BareNanosleep(1000000, true); }
Cycles BareNanosleep100us() { return BareNanosleep(100000, true); }
Cycles BareTimerfd1ms() { return BareTimerfd(1000000); }
Cycles BareTimerfd100us() { return BareTimerfd(100000); }

// What the layer's own code costs around a system call: the layer's call and the bare call with
// nothing to wait for, each timed a hundred thousand times; the medians in ticks.
void CallOverheads() {
  constexpr int kCalls = 100000;
  std::vector<double> layer, bare;
  // 1980-01-01: long past, and after 1970, so the layer makes the system call too.
  LARGE_INTEGER past;
  past.QuadPart = (11644473600LL + 315532800LL) * 10000000LL;
  const timespec none{315532800, 0};
  for (int call = 0; call < kCalls; ++call) {
    Cycles start = ReadCycleCounter();
    NtDelayExecution(FALSE, &past);
    layer.push_back(static_cast<double>(ReadCycleCounter() - start));
    start = ReadCycleCounter();
    clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &none, nullptr);
    bare.push_back(static_cast<double>(ReadCycleCounter() - start));
  }
  std::printf("call native_delay %.0f %.0f\n", Median(layer), Median(bare));
  layer.clear();
  bare.clear();
  for (int call = 0; call < kCalls / 10; ++call) {
    layer.push_back(static_cast<double>(TimerSetOverhead()));
    bare.push_back(static_cast<double>(BareTimerfdCalibration()));
  }
  std::printf("call waitable_timer %.0f %.0f\n", Median(layer), Median(bare));
}

// The counter's rate over the run of `command`, in ticks per microsecond.
int RunWithReference(const char* command) {
  timespec before{}, after{};
  clock_gettime(CLOCK_MONOTONIC_RAW, &before);
  const Cycles start = ReadCycleCounter();
  const int status = std::system(command);
  clock_gettime(CLOCK_MONOTONIC_RAW, &after);
  const Cycles stop = ReadCycleCounter();
  const double microseconds = (after.tv_sec - before.tv_sec) * 1e6 + (after.tv_nsec - before.tv_nsec) / 1e3;
  std::printf("reference %.6f %.6f\n", static_cast<double>(stop - start) / microseconds, microseconds / 1e6);
  return status == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "reference") == 0) return RunWithReference(argv[2]);
  const double ticks_per_us = TicksPerMicrosecond();
  std::printf("ticks_per_us %.6f\n", ticks_per_us);

  CallOverheads();
  CompareWaits("sleep_1ms", ticks_per_us, SleepProbe1ms, BareSleep1ms);
  CompareWaits("waitable_timer_1ms", ticks_per_us, WaitableTimerProbe1ms, BareTimerfd1ms);
  CompareWaits("waitable_timer_100us", ticks_per_us, WaitableTimerProbe100us, BareTimerfd100us);
  CompareWaits("native_delay_1ms", ticks_per_us, NativeDelayProbe1ms, BareNanosleep1ms);
  CompareWaits("native_delay_100us", ticks_per_us, NativeDelayProbe100us, BareNanosleep100us);

  // Overshoot of a 1 ms native delay: through the probe at its 1 ms resolution, and through the
  // layer's call at the thread's default slack, where cyclictest runs.
  std::vector<double> probe_late, layer_late;
  for (int repetition = 0; repetition < 2000; ++repetition) {
    probe_late.push_back(static_cast<double>(MeasureNativeDelay(1000)) / ticks_per_us - 1000);
    LARGE_INTEGER interval;
    interval.QuadPart = -10000;
    const Cycles start = ReadCycleCounter();
    NtDelayExecution(FALSE, &interval);
    const Cycles stop = ReadCycleCounter();
    layer_late.push_back(static_cast<double>(stop - start - CounterReadOverhead()) / ticks_per_us - 1000);
  }
  std::printf("overshoot probe_1ms_slack %.3f %.3f\n", Median(probe_late), Largest(probe_late));
  std::printf("overshoot layer_default_slack %.3f %.3f\n", Median(layer_late), Largest(layer_late));

  // The calibration against the smallest back-to-back difference over a million tries, and the
  // median one.
  std::vector<double> calibrations, pairs;
  for (int call = 0; call < 1000; ++call) calibrations.push_back(static_cast<double>(CounterReadOverhead()));
  for (int attempt = 0; attempt < 1000000; ++attempt) {
    const Cycles first = ReadCycleCounter();
    const Cycles second = ReadCycleCounter();
    pairs.push_back(static_cast<double>(second - first));
  }
  std::printf("calibration %.0f %.0f %.0f\n", Median(calibrations), *std::min_element(pairs.begin(), pairs.end()),
              Median(pairs));
  return 0;
}

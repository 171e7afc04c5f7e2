// Timer resolution as the calling thread's timer slack: the kernel's own measure of how late a
// timer may fire. A request of n ms lets every sleep end up to n ms late, much as a coarser
// system timer does on Windows; ending it restores the slack in force before.
#include "platform/timer_resolution.h"

#include <sys/prctl.h>

namespace {

// Requests nest; the probes never hold more than one.
constexpr int kMaxRequests = 16;

struct Request {
  UINT period;
  int previous_slack_ns;
};

Request requests[kMaxRequests];
int request_count = 0;

}  // namespace

MMRESULT timeBeginPeriod(UINT period) {
  if (period == 0 || request_count == kMaxRequests) return TIMERR_NOCANDO;
  const int previous = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
  if (previous < 0) return TIMERR_NOCANDO;
  const unsigned long slack_ns = static_cast<unsigned long>(period) * 1000000UL;
  if (prctl(PR_SET_TIMERSLACK, slack_ns, 0, 0, 0) != 0) return TIMERR_NOCANDO;
  requests[request_count++] = Request{period, previous};
  return TIMERR_NOERROR;
}

MMRESULT timeEndPeriod(UINT period) {
  if (request_count == 0 || requests[request_count - 1].period != period) return TIMERR_NOCANDO;
  --request_count;
  const unsigned long slack_ns = static_cast<unsigned long>(requests[request_count].previous_slack_ns);
  if (prctl(PR_SET_TIMERSLACK, slack_ns, 0, 0, 0) != 0) return TIMERR_NOCANDO;
  return TIMERR_NOERROR;
}

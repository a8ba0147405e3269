#include <poll.h>

#include "platform/linux_calls.h"

// A descriptor left non-blocking by whoever handed it to us: block here
// instead, so that the run-time only ever sees whole calls.
void WaitReady(THandle handle, short events) {
  struct pollfd p = {handle, events, 0};
  poll(&p, 1, -1);  // an interrupted or failed poll just retries the call
}

// The host build has no unprivileged way to raise one thread above the
// others, and its tests do not need one.
#include "net/daemonpriority.h"

void RaiseDaemonPriority() {}

// The reader threads of the devices run above normal priority, so received
// bytes reach the receive queue while the owner's thread is busy.
#pragma once

// Raises the calling thread's priority above normal where the platform lets
// a program do so; the host build leaves it unchanged.
void RaiseDaemonPriority();

#pragma once

#include "base/WorkerThread.h"

// Writes how a device thread's stop went: ended, or left behind at its time limit.
void TraceThreadStop(WorkerThread::StopResult result);

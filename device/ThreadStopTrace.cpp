#include "device/ThreadStopTrace.h"

#include "base/Trace.h"

void TraceThreadStop(WorkerThread::StopResult result)
{
    switch (result) {
    case WorkerThread::StopResult::Ended:
        Trace("线程退出：：对象处于激发状态\n");
        break;
    case WorkerThread::StopResult::TimedOut:
        Trace("线程退出：：对象处于非激发状态，超时\n");
        break;
    case WorkerThread::StopResult::NotRunning:
        break;
    }
}

#include "session/ProcessProtection.h"

#include <malloc.h>
#include <sys/prctl.h>
#include <sys/resource.h>

void protectProcessMemory()
{
    const struct rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    // LeakSanitizer inspects the process through ptrace at exit, which a process that may not be
    // dumped refuses; sanitizer builds are for tests only.
#if !defined(__SANITIZE_ADDRESS__)
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
}

void returnLargeBlocksWhenFreed()
{
    constexpr int glibcDefaultThreshold = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, glibcDefaultThreshold);
}

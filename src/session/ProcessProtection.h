#pragma once

// Keeps the decrypted cards and the key of this process out of core dumps and away from other
// processes of the same user that would read its memory. Call first thing in main.
void protectProcessMemory();

// Maps each large block by itself, so that it goes back to the system as soon as it is freed. glibc
// otherwise raises that threshold to the largest block freed so far, after which the large lists and
// indexes of a big wallet stay in the heap. For the window, which lives long with a wallet open.
void returnLargeBlocksWhenFreed();

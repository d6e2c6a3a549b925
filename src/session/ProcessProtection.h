#pragma once

// Keeps the decrypted cards and the key of this process out of core dumps and away from other
// processes of the same user that would read its memory. Call first thing in main.
void protectProcessMemory();

#pragma once

// Bytes the C heap has handed out and not taken back, or -1 where the C
// library cannot tell. Unlike the resident size it is not fooled by freed
// memory the allocator keeps for reuse.
long long HeapInUse();

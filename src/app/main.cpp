#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "platform/wnd/dialog.h"

// The program's static objects end inside main, not after it: the settings are saved as they
// end and may show a message, and the browser build can wait for its tap only within main.
int main() {
#if defined(__GLIBC__)
  // Pictures are decoded into blocks of a quarter megabyte that live only while they are
  // painted. Blocks that large come from the system and go back to it when freed; by
  // default the allocator would raise that bar after the first one and keep them all.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
  std::exit(AfxWinMain());
}

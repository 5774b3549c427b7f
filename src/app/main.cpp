#include <malloc.h>

#include "platform/wnd/dialog.h"

int main() {
  // Pictures are decoded into blocks of a quarter megabyte that live only while they are
  // painted. Blocks that large come from the system and go back to it when freed; by
  // default the allocator would raise that bar after the first one and keep them all.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  return AfxWinMain();
}

// The Linux calls that the program's file code uses and emscripten's C library lacks.
#include <fcntl.h>

#include <cerrno>

// The browser's file systems hold only the bytes written, so there is no room to take ahead;
// the settings file's writer goes on without, as on a Linux file system that cannot.
extern "C" int fallocate(int /*fd*/, int /*mode*/, off_t /*offset*/, off_t /*length*/) {
  errno = EOPNOTSUPP;
  return -1;
}

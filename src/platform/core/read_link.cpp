#include "platform/core/read_link.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

int ReadLink(const std::string& path, std::string& target) {
  // A link's text can be longer than any first guess; the buffer grows until it holds it.
  for (std::vector<char> buffer(256);; buffer.resize(buffer.size() * 2)) {
    const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0) return errno;
    if (static_cast<size_t>(length) < buffer.size()) {
      target.assign(buffer.data(), static_cast<size_t>(length));
      return 0;
    }
  }
}

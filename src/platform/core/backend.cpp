#include "platform/core/backend.h"

#include <cassert>

namespace {
Backend*& Installed() {
  static Backend* backend = nullptr;
  return backend;
}
}  // namespace

void SetBackend(Backend* backend) { Installed() = backend; }

Backend& CurrentBackend() {
  assert(Installed() != nullptr && "no back end installed");
  return *Installed();
}

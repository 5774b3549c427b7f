#include "platform/win32/system/win32_files.h"

// <windows.h> first: the others build on its types.
#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <memory>

namespace win32 {

namespace {

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr, nullptr);
  return text;
}

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

Handle Open(const std::string& path, DWORD access, DWORD creation, DWORD flags = FILE_ATTRIBUTE_NORMAL) {
  HANDLE handle = CreateFileW(Wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, creation, flags, nullptr);
  return Handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

int LastError() { return static_cast<int>(GetLastError()); }

}  // namespace

std::string ModulePath() {
  for (DWORD size = MAX_PATH;; size *= 2) {
    std::wstring path(size, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      return Narrow(path);
    }
  }
}

int ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::size_t maxBytes) {
  bytes.clear();
  const Handle file = Open(path, GENERIC_READ, OPEN_EXISTING);
  if (!file) return LastError();
  constexpr DWORD kBlock = 2048;
  for (;;) {
    const std::size_t had = bytes.size();
    bytes.resize(had + kBlock);
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + had, kBlock, &got, nullptr)) {
      bytes.clear();
      return LastError();
    }
    bytes.resize(had + got);
    if (bytes.size() > maxBytes) {
      bytes.clear();
      return ERROR_FILE_TOO_LARGE;
    }
    if (got == 0) return 0;
  }
}

bool CanOpenForReading(const std::string& path) { return Open(path, GENERIC_READ, OPEN_EXISTING) != nullptr; }

bool NothingAt(const std::string& path) {
  if (GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_FILENAME_EXCED_RANGE;
}

int MakeFolder(const std::string& path) {
  if (CreateDirectoryW(Wide(path).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) return 0;
  return LastError();
}

bool RemoveFile(const std::string& path) { return DeleteFileW(Wide(path).c_str()) != 0; }

int AppendLine(const std::string& path, std::string_view header, std::string_view line) {
  const Handle file = Open(path, GENERIC_READ | FILE_APPEND_DATA, OPEN_ALWAYS);
  if (!file) return LastError();
  const bool bNew = GetLastError() != ERROR_ALREADY_EXISTS;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return LastError();
  std::string bytes;
  if (size.QuadPart == 0) {
    bytes = header;
    bytes += '\n';
  } else {
    LARGE_INTEGER lastByte{};
    lastByte.QuadPart = size.QuadPart - 1;
    char last = '\n';
    DWORD got = 0;
    if (!SetFilePointerEx(file.get(), lastByte, nullptr, FILE_BEGIN) ||
        !ReadFile(file.get(), &last, 1, &got, nullptr)) {
      return LastError();
    }
    if (last != '\n') bytes += '\n';
  }
  bytes += line;
  bytes += '\n';
  DWORD written = 0;
  if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      !FlushFileBuffers(file.get())) {
    return LastError();
  }
  if (written != bytes.size()) return ERROR_WRITE_FAULT;
  if (bNew && !FlushFolder(path.substr(0, path.find_last_of("\\/")))) return LastError();
  return 0;
}

bool FlushFolder(const std::string& folder) {
  const Handle handle = Open(folder, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
  return handle && FlushFileBuffers(handle.get());
}

int ReplaceWithNewFile(const std::string& path, const std::string& temporary, std::span<const std::uint8_t> bytes) {
  // A file made read-only is the player's protection, which a move over it would ignore.
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return ERROR_ACCESS_DENIED;
  int error = 0;
  {
    const Handle file = Open(temporary, GENERIC_WRITE, CREATE_ALWAYS);
    if (!file) return LastError();
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.get())) {
      error = LastError();
    }
  }
  if (error == 0 &&
      !MoveFileExW(Wide(temporary).c_str(), Wide(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = LastError();
  }
  if (error != 0) DeleteFileW(Wide(temporary).c_str());
  return error;
}

bool MayCreateFilesIn(const std::string& folder) {
  const std::string probe = folder + "tumbla-probe-" + std::to_string(GetCurrentProcessId()) + ".tmp";
  return Open(probe, GENERIC_WRITE, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE) != nullptr;
}

std::string ApplicationDataFolder() {
  PWSTR folder = nullptr;
  std::string result;
  if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder) == S_OK) result = Narrow(folder);
  CoTaskMemFree(folder);
  return result;
}

std::string ErrorText(int code) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length > 0 ? std::wstring(text, length) : std::wstring();
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
    message.pop_back();
  if (message.empty()) return "error " + std::to_string(code);
  return Narrow(message);
}

namespace {

std::vector<HANDLE>& Locks() {
  static std::vector<HANDLE> locks;
  return locks;
}

// The folder's name as one object name for every spelling of it: its full path in capitals,
// hashed, as object names may not hold its backslashes nor be as long.
std::wstring LockName(const std::string& folder) {
  std::wstring path = Wide(folder);
  const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (length > 0) {
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    if (written > 0 && written < length) path = full.substr(0, written);
  }
  while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
  std::uint64_t hash = 14695981039346656037ull;
  for (const wchar_t c : path) {
    hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
  }
  wchar_t name[64];
  std::swprintf(name, 64, L"Global\\Tumbla-settings-%016llx", static_cast<unsigned long long>(hash));
  return name;
}

}  // namespace

int LockFolder(const std::string& folder) {
  HANDLE mutex = CreateMutexW(nullptr, TRUE, LockName(folder).c_str());
  if (mutex == nullptr) return GetLastError() == ERROR_ACCESS_DENIED ? -1 : -2;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return -1;
  }
  Locks().push_back(mutex);
  return static_cast<int>(Locks().size() - 1);
}

void UnlockFolder(int lock) {
  if (lock < 0 || static_cast<std::size_t>(lock) >= Locks().size() || Locks()[lock] == nullptr) return;
  ReleaseMutex(Locks()[lock]);
  CloseHandle(Locks()[lock]);
  Locks()[lock] = nullptr;
}

}  // namespace win32

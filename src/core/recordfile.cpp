#include "recordfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "ioerror.h"

namespace mensurio {
namespace {

FaultHook& Hook() {
  static FaultHook hook;
  return hook;
}

void AskHook(FileStep step, const std::string& name) {
  if (Hook())
    if (int code = Hook()(step, name)) throw IoError(code);
}

[[noreturn]] void ThrowErrno() { throw IoError(IoCodeFromErrno(errno)); }

}  // namespace

void SetFaultHook(FaultHook hook) { Hook() = std::move(hook); }

RecordFile::RecordFile(int fd, std::string name, int record_size)
    : fd_(fd), name_(std::move(name)), record_size_(record_size) {}

RecordFile::RecordFile(RecordFile&& other) noexcept { *this = std::move(other); }

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    name_ = std::move(other.name_);
    record_size_ = other.record_size_;
    position_ = other.position_;
    buffer_ = std::move(other.buffer_);
    buffer_first_ = other.buffer_first_;
    buffer_records_ = std::exchange(other.buffer_records_, 0);
  }
  return *this;
}

RecordFile::~RecordFile() {
  if (fd_ >= 0) ::close(fd_);
}

void RecordFile::Check(FileStep step) const { AskHook(step, name_); }

namespace {

// Opens without waiting (a FIFO would block in open() until a writer came)
// and keeps the descriptor only for a regular file.
int OpenRegular(const std::string& name, int flags) {
  if (name.empty()) throw IoError(kIoInvalidName);
  int fd = ::open(name.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) ThrowErrno();
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    throw IoError(S_ISDIR(st.st_mode) ? kIoAccessDenied : kIoInvalidName);
  }
  return fd;  // O_NONBLOCK changes nothing for a regular file
}

}  // namespace

RecordFile RecordFile::Open(const std::string& name, int record_size, bool writable) {
  AskHook(FileStep::Open, name);
  RecordFile f(OpenRegular(name, writable ? O_RDWR : O_RDONLY), name, record_size);
  f.Count();  // refuses a file too long to be one of the program's
  return f;
}

RecordFile RecordFile::Create(const std::string& name, int record_size, const std::string& permissions_of) {
  AskHook(FileStep::Create, name);
  if (name.empty()) throw IoError(kIoInvalidName);
  if (::unlink(name.c_str()) != 0 && errno != ENOENT) ThrowErrno();
  int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) ThrowErrno();
  RecordFile f(fd, name, record_size);
  struct stat st;
  if (!permissions_of.empty() && ::stat(permissions_of.c_str(), &st) == 0) {
    if (::fchmod(fd, st.st_mode & 07777) != 0) ThrowErrno();
  } else if (!permissions_of.empty() && errno != ENOENT) {
    ThrowErrno();
  }
  return f;
}

int32_t RecordFile::Count() const {
  struct stat st;
  if (::fstat(fd_, &st) != 0) ThrowErrno();
  int64_t records = st.st_size / record_size_;
  if (records > kMaxRecords) throw IoError(kIoInvalidName);
  return static_cast<int32_t>(records);
}

bool RecordFile::AtEnd() const { return position_ >= Count(); }

void RecordFile::Seek(int32_t record) {
  Check(FileStep::Seek);
  if (record < 0 || record > Count()) throw IoError(kIoReadPastEof);
  position_ = record;
}

void RecordFile::Read(void* record) {
  Check(FileStep::Read);
  if (position_ < buffer_first_ || position_ >= buffer_first_ + buffer_records_) FillBuffer();
  std::memcpy(record, buffer_.data() + (position_ - buffer_first_) * record_size_, record_size_);
  ++position_;
}

void RecordFile::FillBuffer() {
  buffer_records_ = 0;
  buffer_.resize(static_cast<size_t>(kBufferRecords) * record_size_);
  size_t filled = 0;
  while (filled < buffer_.size()) {
    ssize_t n = ::pread(fd_, buffer_.data() + filled, buffer_.size() - filled,
                        position_ * record_size_ + static_cast<int64_t>(filled));
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowErrno();
    }
    if (n == 0) break;
    filled += static_cast<size_t>(n);
  }
  buffer_first_ = position_;
  buffer_records_ = static_cast<int32_t>(filled / record_size_);
  if (buffer_records_ == 0) throw IoError(kIoReadPastEof);
}

void RecordFile::Write(const void* record) {
  Check(FileStep::Write);
  buffer_records_ = 0;  // the buffered records may be the ones written
  const char* p = static_cast<const char*>(record);
  int64_t offset = position_ * record_size_;
  for (ssize_t left = record_size_; left > 0;) {
    ssize_t n = ::pwrite(fd_, p, left, offset);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowErrno();
    }
    p += n;
    offset += n;
    left -= n;
  }
  ++position_;
}

void RecordFile::Flush() {
  Check(FileStep::Flush);
  if (::fsync(fd_) != 0) ThrowErrno();
}

void RecordFile::Close() {
  if (fd_ < 0) return;
  Check(FileStep::Close);
  int fd = std::exchange(fd_, -1);
  if (::close(fd) != 0) ThrowErrno();
}

bool FileExists(const std::string& name) {
  struct stat st;
  return ::stat(name.c_str(), &st) == 0;
}

void RemoveFile(const std::string& name) {
  AskHook(FileStep::Remove, name);
  if (::unlink(name.c_str()) != 0) ThrowErrno();
}

void RemoveLeftover(const std::string& name) { ::unlink(name.c_str()); }

void RenameFile(const std::string& from, const std::string& to) {
  AskHook(FileStep::Rename, from);
  if (::rename(from.c_str(), to.c_str()) != 0) ThrowErrno();
}

void SyncDirectoryOf(const std::string& name) {
  AskHook(FileStep::SyncDirectory, name);
  size_t slash = name.rfind('/');
  std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : name.substr(0, slash);
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) ThrowErrno();
  // A file system that cannot sync a directory says EINVAL: nothing to wait for.
  int err = ::fsync(fd) != 0 && errno != EINVAL ? errno : 0;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) throw IoError(IoCodeFromErrno(err));
}

Replacement PlanReplacement(const std::string& name, const std::string& temp_name) {
  struct stat st;
  if (::lstat(name.c_str(), &st) != 0) {
    if (errno == ENOENT) return {name, temp_name};  // made anew
    ThrowErrno();
  }
  Replacement r{name, temp_name};
  if (S_ISLNK(st.st_mode)) {
    char* real = ::realpath(name.c_str(), nullptr);
    if (!real) ThrowErrno();
    r.target = real;
    std::free(real);
    r.temp = r.target + ".NEU";
  }
  if (::faccessat(AT_FDCWD, r.target.c_str(), W_OK, AT_EACCESS) != 0) ThrowErrno();
  return r;
}

std::string ReadSmallFile(const std::string& name, size_t max_bytes) {
  AskHook(FileStep::Open, name);
  int fd = OpenRegular(name, O_RDONLY);
  std::string bytes;
  char block[4096];
  for (;;) {
    ssize_t n = ::read(fd, block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || bytes.size() + static_cast<size_t>(n) > max_bytes) {
      int err = n < 0 ? errno : 0;
      ::close(fd);
      if (n < 0) throw IoError(IoCodeFromErrno(err));
      if (n == 0) return bytes;
      throw IoError(kIoInvalidName);  // too long to be the file the program wants
    }
    bytes.append(block, static_cast<size_t>(n));
  }
}

}  // namespace mensurio

// Record access to the program's binary files (area files of 258-byte
// records, G_INFO.DAT of 601-byte records), addressed by bare names in the
// working directory. Every failure throws IoError with its code.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace mensurio {

// The steps a test may make fail (see SetFaultHook).
enum class FileStep { Open, Create, Seek, Read, Write, Flush, Close, Remove, Rename };

// Test seam: when set, the hook is asked before every step and a non-zero
// answer is thrown as that IoError code instead of doing the step.
using FaultHook = std::function<int(FileStep step, const std::string& name)>;
void SetFaultHook(FaultHook hook);

class RecordFile {
 public:
  RecordFile() = default;
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;
  RecordFile(RecordFile&& other) noexcept;
  RecordFile& operator=(RecordFile&& other) noexcept;
  ~RecordFile();  // closes without reporting

  // Opens an existing file, for reading and, when writable, writing in place.
  static RecordFile Open(const std::string& name, int record_size, bool writable);
  // Creates the file, emptying an existing one.
  static RecordFile Create(const std::string& name, int record_size);

  // Number of whole records; a trailing partial record is not counted.
  int32_t Count() const;
  bool AtEnd() const;
  void Seek(int32_t record);
  // Reads one record at the current position; kIoReadPastEof behind the end.
  // The records come from the disk in blocks, so that a list of several
  // hundred records costs a few system calls.
  void Read(void* record);
  void Write(const void* record);
  void Flush();  // to the disk, not only to the system
  void Close();

  const std::string& name() const { return name_; }

 private:
  RecordFile(int fd, std::string name, int record_size);
  void Check(FileStep step) const;
  void FillBuffer();  // from the current position

  static constexpr int32_t kBufferRecords = 128;

  int fd_ = -1;
  std::string name_;
  int record_size_ = 0;
  int64_t position_ = 0;  // in records
  std::vector<char> buffer_;
  int64_t buffer_first_ = 0;    // record number of buffer_[0]
  int32_t buffer_records_ = 0;  // whole records in the buffer
};

bool FileExists(const std::string& name);
void RemoveFile(const std::string& name);
// Replaces `to` by `from` in one step.
void RenameFile(const std::string& from, const std::string& to);

}  // namespace mensurio

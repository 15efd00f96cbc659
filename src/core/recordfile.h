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
enum class FileStep { Open, Create, Seek, Read, Write, Flush, Close, Remove, Rename, SyncDirectory };

// Test seam: when set, the hook is asked before every step and a non-zero
// answer is thrown as that IoError code instead of doing the step.
using FaultHook = std::function<int(FileStep step, const std::string& name)>;
void SetFaultHook(FaultHook hook);

// No file of the program holds this many records: a longer one is refused
// as not being a file of the program, before anything is read or reserved.
constexpr int64_t kMaxRecords = 1'000'000;

class RecordFile {
 public:
  RecordFile() = default;
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;
  RecordFile(RecordFile&& other) noexcept;
  RecordFile& operator=(RecordFile&& other) noexcept;
  ~RecordFile();  // closes without reporting

  // Opens an existing regular file, for reading and, when writable, writing
  // in place. Anything else (a FIFO, a device, a directory) is refused
  // without waiting for it, and so is a file of more than kMaxRecords.
  static RecordFile Open(const std::string& name, int record_size, bool writable);
  // Creates the file fresh: a leftover of that name is removed first (a
  // link itself, never what it points to), and the new file is made
  // exclusively, so nothing planted under the name is written through.
  // With `permissions_of`, the new file gets that file's permission bits.
  static RecordFile Create(const std::string& name, int record_size, const std::string& permissions_of = "");

  // Number of whole records; a trailing partial record is not counted.
  // A file grown beyond kMaxRecords since it was opened is refused.
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
// Removes the file if it is there; reports nothing (used to clean up).
void RemoveLeftover(const std::string& name);
// Replaces `to` by `from` in one step.
void RenameFile(const std::string& from, const std::string& to);
// Puts the directory entries of the file's directory on the disk, so that a
// rename into it survives a power cut.
void SyncDirectoryOf(const std::string& name);

// How a file is replaced by new content in one step: the content goes into
// `temp`, beside `target`, and is renamed over it. A file the user made a
// symbolic link stays one: its target is replaced, through a temporary file
// beside that target.
struct Replacement {
  std::string target;
  std::string temp;
};
// `temp_name` serves a plain file (it lies in the working directory); a
// linked target gets its own name with ".NEU". Throws IoError for a link
// that leads nowhere and for a file the program may not write.
Replacement PlanReplacement(const std::string& name, const std::string& temp_name);

// The whole content of a small regular file of at most max_bytes, read
// without waiting on a FIFO or device. Throws IoError otherwise.
std::string ReadSmallFile(const std::string& name, size_t max_bytes);

}  // namespace mensurio

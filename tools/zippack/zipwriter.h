// Writes ZIP archives (format version 2.0) in memory: members with any method
// the engine reads, and on request the damage tests need (wrong CRC, false
// sizes, flags the engine must refuse, bytes in front, broken signatures).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ZIPPACK {

// How a member's data is coded. kAuto deflates and keeps the member stored
// when deflating does not make it smaller.
enum class METHOD { kAuto, kStored, kShrink, kReduce1, kReduce2, kReduce3, kReduce4, kImplode, kDeflate };

struct MEMBERPLAN {
  std::string name;            // with "/" between levels; ending in "/" for a directory
  std::vector<uint8_t> data;
  METHOD method = METHOD::kAuto;
  unsigned implode_flags = 0;  // 2: 8 KiB dictionary, 4: literal tree
  int deflate_level = 9;
  uint16_t dos_time = 0x6000;  // 12:00:00
  uint16_t dos_date = 0x5a21;  // 2025-01-01
  uint32_t external_attributes = 0x20;  // archive
  uint8_t host = 11;           // system that made the member (11: NTFS)

  // Deliberate damage and odd fields, for tests.
  std::optional<uint32_t> crc;                 // stored CRC instead of the right one
  std::optional<uint32_t> compressed_size;     // declared, in both headers
  std::optional<uint32_t> uncompressed_size;   // declared, in both headers
  std::optional<uint16_t> method_field;        // e.g. 7, with the data stored
  std::optional<uint16_t> version_needed;
  std::optional<std::string> local_name;       // a different name in the local header
  uint16_t extra_flags = 0;                    // OR-ed into the flags (1: encrypted)
  size_t truncate_data = SIZE_MAX;             // keep only this many data bytes
};

struct ARCHIVEOPTIONS {
  std::vector<uint8_t> stub;      // bytes in front, not counted in the offsets
  std::string comment;
  uint16_t this_disk = 0;
  uint16_t central_disk = 0;
  bool zero_central_offset = false;
  bool break_central_signature = false;
  bool break_local_signature = false;  // of the first member
  bool leave_out_end_after_central = false;  // four bytes after the last central header
};

struct ARCHIVELAYOUT {
  std::vector<uint64_t> local_offsets;  // in the written archive, stub included
  uint64_t central_offset = 0;
  uint64_t end_offset = 0;
};

class ZIPWRITER {
 public:
  void Add(MEMBERPLAN member);
  std::vector<uint8_t> Finish(const ARCHIVEOPTIONS& options = {}, ARCHIVELAYOUT* layout = nullptr);

  // The compressed data of `member` as Add would code it, and the method number.
  static std::vector<uint8_t> Encode(const MEMBERPLAN& member, uint16_t* method, uint16_t* flags);

 private:
  struct ENTRY {
    MEMBERPLAN plan;
    std::vector<uint8_t> coded;
    uint16_t method;
    uint16_t flags;
    uint32_t crc;
  };
  static void PutSharedFields(std::vector<uint8_t>& out, const ENTRY& e, const std::string& name);

  std::vector<ENTRY> entries_;
};

// Parses a method name of the command line: auto, store, deflate, shrink,
// reduce1..reduce4, implode, implode8k, implodelit, implode8klit.
bool ParseMethod(const std::string& text, METHOD* method, unsigned* implode_flags);

}  // namespace ZIPPACK

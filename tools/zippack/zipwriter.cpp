#include "tools/zippack/zipwriter.h"

#include <zlib.h>

#include "tools/zippack/encoders.h"

namespace ZIPPACK {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xffff);
  Put16(out, v >> 16);
}
void PutBytes(std::vector<uint8_t>& out, const std::string& s) { out.insert(out.end(), s.begin(), s.end()); }

uint32_t CrcOf(const std::vector<uint8_t>& data) {
  uint32_t crc = 0;
  size_t at = 0;
  while (at < data.size()) {
    uInt piece = data.size() - at > 0x40000000u ? 0x40000000u : static_cast<uInt>(data.size() - at);
    crc = static_cast<uint32_t>(crc32(crc, data.data() + at, piece));
    at += piece;
  }
  return crc;
}

}  // namespace

std::vector<uint8_t> ZIPWRITER::Encode(const MEMBERPLAN& m, uint16_t* method, uint16_t* flags) {
  const uint8_t* d = m.data.data();
  size_t n = m.data.size();
  *flags = 0;
  switch (m.method) {
    case METHOD::kStored: *method = 0; return m.data;
    case METHOD::kShrink: *method = 1; return Shrink(d, n);
    case METHOD::kReduce1: *method = 2; return Reduce(d, n, 1);
    case METHOD::kReduce2: *method = 3; return Reduce(d, n, 2);
    case METHOD::kReduce3: *method = 4; return Reduce(d, n, 3);
    case METHOD::kReduce4: *method = 5; return Reduce(d, n, 4);
    case METHOD::kImplode:
      *method = 6;
      *flags = static_cast<uint16_t>(m.implode_flags & 6);
      return Implode(d, n, m.implode_flags);
    case METHOD::kDeflate: *method = 8; return Deflate(d, n, m.deflate_level);
    case METHOD::kAuto: break;
  }
  std::vector<uint8_t> deflated = Deflate(d, n, m.deflate_level);
  if (deflated.size() < n) {
    *method = 8;
    return deflated;
  }
  *method = 0;
  return m.data;
}

void ZIPWRITER::Add(MEMBERPLAN member) {
  ENTRY e;
  bool directory = !member.name.empty() && member.name.back() == '/';
  if (directory) {
    member.data.clear();
    member.method = METHOD::kStored;
    if (member.external_attributes == 0x20) member.external_attributes = 0x10;
  }
  e.crc = member.crc.value_or(CrcOf(member.data));
  e.coded = Encode(member, &e.method, &e.flags);
  if (member.truncate_data < e.coded.size()) e.coded.resize(member.truncate_data);
  e.flags = static_cast<uint16_t>(e.flags | member.extra_flags);
  e.plan = std::move(member);
  entries_.push_back(std::move(e));
}

// The fields local and central headers share, from "version needed" to the
// name's length.
void ZIPWRITER::PutSharedFields(std::vector<uint8_t>& out, const ENTRY& e, const std::string& name) {
  const MEMBERPLAN& m = e.plan;
  bool directory = !m.name.empty() && m.name.back() == '/';
  Put16(out, m.version_needed.value_or(e.method == 8 || directory ? 20 : 10));
  Put16(out, e.flags);
  Put16(out, m.method_field.value_or(e.method));
  Put16(out, m.dos_time);
  Put16(out, m.dos_date);
  Put32(out, e.crc);
  Put32(out, m.compressed_size.value_or(static_cast<uint32_t>(e.coded.size())));
  Put32(out, m.uncompressed_size.value_or(static_cast<uint32_t>(m.data.size())));
  Put16(out, static_cast<uint32_t>(name.size()));
}

std::vector<uint8_t> ZIPWRITER::Finish(const ARCHIVEOPTIONS& o, ARCHIVELAYOUT* layout) {
  std::vector<uint8_t> out = o.stub;
  const uint64_t base = o.stub.size();
  std::vector<uint32_t> offsets;
  ARCHIVELAYOUT l;
  for (size_t k = 0; k < entries_.size(); ++k) {
    const ENTRY& e = entries_[k];
    const MEMBERPLAN& m = e.plan;
    const std::string& local_name = m.local_name ? *m.local_name : m.name;
    offsets.push_back(static_cast<uint32_t>(out.size() - base));
    l.local_offsets.push_back(out.size());
    Put32(out, (k == 0 && o.break_local_signature) ? 0x04034b51u : 0x04034b50u);
    PutSharedFields(out, e, local_name);
    Put16(out, 0);
    PutBytes(out, local_name);
    out.insert(out.end(), e.coded.begin(), e.coded.end());
  }
  const uint64_t central = out.size();
  l.central_offset = central;
  for (size_t k = 0; k < entries_.size(); ++k) {
    const ENTRY& e = entries_[k];
    const MEMBERPLAN& m = e.plan;
    Put32(out, o.break_central_signature ? 0x02014b51u : 0x02014b50u);
    Put16(out, static_cast<uint32_t>(m.host) << 8 | 20);
    PutSharedFields(out, e, m.name);
    Put16(out, 0);  // extra field
    Put16(out, 0);  // comment
    Put16(out, 0);  // disk number start
    Put16(out, 0);  // internal attributes
    Put32(out, m.external_attributes);
    Put32(out, offsets[k]);
    PutBytes(out, m.name);
  }
  // The gap counts in the directory's size, so the offsets stay right.
  if (o.leave_out_end_after_central) PutBytes(out, "GAP!");
  const uint64_t central_size = out.size() - central;
  l.end_offset = out.size();
  Put32(out, 0x06054b50u);
  Put16(out, o.this_disk);
  Put16(out, o.central_disk);
  Put16(out, static_cast<uint32_t>(entries_.size()));
  Put16(out, static_cast<uint32_t>(entries_.size()));
  Put32(out, static_cast<uint32_t>(central_size));
  Put32(out, o.zero_central_offset ? 0 : static_cast<uint32_t>(central - base));
  Put16(out, static_cast<uint32_t>(o.comment.size()));
  PutBytes(out, o.comment);
  if (layout) *layout = l;
  return out;
}

bool ParseMethod(const std::string& t, METHOD* method, unsigned* flags) {
  *flags = 0;
  if (t == "auto") *method = METHOD::kAuto;
  else if (t == "store") *method = METHOD::kStored;
  else if (t == "deflate") *method = METHOD::kDeflate;
  else if (t == "shrink") *method = METHOD::kShrink;
  else if (t == "reduce1") *method = METHOD::kReduce1;
  else if (t == "reduce2") *method = METHOD::kReduce2;
  else if (t == "reduce3") *method = METHOD::kReduce3;
  else if (t == "reduce4") *method = METHOD::kReduce4;
  else if (t == "implode") *method = METHOD::kImplode;
  else if (t == "implode8k") { *method = METHOD::kImplode; *flags = 2; }
  else if (t == "implodelit") { *method = METHOD::kImplode; *flags = 4; }
  else if (t == "implode8klit") { *method = METHOD::kImplode; *flags = 6; }
  else return false;
  return true;
}

}  // namespace ZIPPACK

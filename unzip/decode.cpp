#include "unzip/decode.h"

#include "unzip/decoders.h"
#include "unzip/messages.h"

namespace UNZIP {
namespace {

// "  error:  <short text><name>" when quiet, "\n  error:  <long text>" otherwise.
void SayDecoderError(const DECODEJOB& job, const char* short_text, const char* long_text) {
  if (job.quiet > 0) {
    Say(kStderr, "  error:  %s%s\n", short_text, job.name);
  } else {
    Say(kStderr, "\n  error:  %s\n", long_text);
  }
}

int ExplodeStatus(const DECODEJOB& job, int result, const MEMBERINPUT& in) {
  switch (result) {
    case kDecodeOk: return 0;
    case kDecodeMemory:
      SayDecoderError(job, "not enough memory to explode ", "not enough memory for explode operation");
      return 5;
    case kDecodeSize: {
      // With an overrun the data ended while codes still needed bytes.
      uint64_t used = in.Overrun() ? in.CompressedSize() + 1 : in.Used();
      bool warning = used <= in.CompressedSize();
      Say(kStderr, "%s  %s:  %ld bytes required to uncompress to %lu bytes;\n       %s   supposed to require %lu bytes%s%s%s\n",
          warning ? "warning" : "  error", job.name, static_cast<long>(used),
          static_cast<unsigned long>(job.uncompressed_size), warning ? "" : "  ",
          static_cast<unsigned long>(in.CompressedSize()), "", "", "");
      return warning ? 1 : 2;
    }
    default:
      SayDecoderError(job, "invalid compressed (imploded) data for ", "invalid compressed data for explode format");
      return 2;
  }
}

int InflateStatus(const DECODEJOB& job, int result, InflateTreeFault fault) {
  if (result == kDecodeOk) return 0;
  if (result == kDecodeMemory) {
    SayDecoderError(job, "not enough memory to inflate ", "not enough memory for inflate operation");
    return 5;
  }
  if (job.quiet == 0 && fault == kIncompleteLiteralTree) Say(kStderr, "(incomplete l-tree)  ");
  if (job.quiet == 0 && fault == kIncompleteDistanceTree) Say(kStderr, "(incomplete d-tree)  ");
  SayDecoderError(job, "invalid compressed (deflated) data for ", "invalid compressed data for inflate format");
  return 2;
}

}  // namespace

const char* ActionWord(int method) {
  switch (method) {
    case 0: return "extracting";
    case 1: return "unshrinking";
    case 2: case 3: case 4: case 5: return "unreducing";
    case 6: return "exploding";
    case 8: return "inflating";
    default: return "skipping";
  }
}

int DecodeMember(const DECODEJOB& job, MEMBERINPUT& in, SLIDE& out, bool* ended) {
  int result;
  int status = 0;
  switch (job.method) {
    case 0:
      result = DecodeStored(in, out);
      break;
    case 1:
      result = DecodeUnshrink(in, out, job.uncompressed_size);
      if (result == kDecodeMemory) {
        if (job.quiet > 0) {
          Say(kStderr, "  error:  not enough memory to unshrink %s\n", job.name);
        } else {
          Say(kStderr, "\n  error:  not enough memory for unshrink operation\n");
        }
        status = 5;
      }
      break;
    case 2: case 3: case 4: case 5:
      result = DecodeUnreduce(in, out, job.uncompressed_size, job.method - 1);
      break;
    case 6:
      result = DecodeExplode(in, out, job.uncompressed_size, job.flags);
      if (result != kDecodeEnded) status = ExplodeStatus(job, result, in);
      break;
    case 8: {
      InflateTreeFault fault;
      result = DecodeInflate(in, out, job.uncompressed_size, &fault);
      if (result != kDecodeEnded) status = InflateStatus(job, result, fault);
      break;
    }
    default:
      Say(kStderr, "%s:  unknown compression method\n", job.name);
      return 1;
  }
  *ended = result == kDecodeEnded;
  return status;
}

}  // namespace UNZIP

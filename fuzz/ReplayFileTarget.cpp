// Fuzz target of the recorded-heist reader: any file is either refused with a reason, or is
// one the game would have written itself, byte for byte, whose records all unpack and end
// with the end record.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "game/ReplayFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ReplayFile file;
  std::string problem;
  if (!parseReplayFile(bytes, file, problem)) {
    FUZZ_CHECK(!problem.empty());
    return 0;
  }
  FUZZ_CHECK(formatReplayFile(file) == bytes);
  ReplayBodyReader reader(file);
  ReplayRecord record;
  std::uint32_t frames = 0, records = 0;
  std::uint32_t lastClock = file.header.startClockMs;
  while (reader.next(record, problem)) {
    FUZZ_CHECK(record.clockMs >= lastClock);
    lastClock = record.clockMs;
    frames += record.kind == ReplayRecordKind::Frame ? 1 : 0;
    if (record.kind == ReplayRecordKind::Pad) {
      FUZZ_CHECK(record.pad.pressed < (1u << replayPadControls));
      for (std::int16_t axis : record.pad.stick) {
        FUZZ_CHECK(axis >= -replayPadAxisLimit && axis <= replayPadAxisLimit);
      }
    }
    if (record.kind == ReplayRecordKind::Window) {
      FUZZ_CHECK(record.x >= 1 && record.x <= replayWindowLimit);
      FUZZ_CHECK(record.y >= 1 && record.y <= replayWindowLimit);
    }
    ++records;
  }
  FUZZ_CHECK(reader.ended());
  FUZZ_CHECK(frames == file.frames && records + 1 == file.records);
  return 0;
}

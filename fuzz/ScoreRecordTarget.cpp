// Fuzz target of the score record reader: any file is either refused with a reason, or is a
// record the game would have written itself, byte for byte (so a damaged file is never half
// read), with at most ten recent results.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "game/ScoreRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ScoreRecord record;
  std::string problem;
  if (!parseScoreRecord(text, record, problem)) {
    FUZZ_CHECK(!problem.empty());
    return 0;
  }
  FUZZ_CHECK(record.recent.size() <= recentResultCount);
  FUZZ_CHECK(formatScoreRecord(record) == text);
  // A result added keeps the record one the reader takes.
  HeistResult extra;
  extra.date = "2026-12-07T21:04";
  addHeistResult(record, extra);
  ScoreRecord again;
  FUZZ_CHECK(parseScoreRecord(formatScoreRecord(record), again, problem));
  FUZZ_CHECK(again.recent.size() == record.recent.size());
  return 0;
}

// Writing a file so that a crash or a full disk leaves the old file or the new one, never a
// mix, and making the folders it goes in. The score record and the recorded heists use these.
#pragma once

#include <string>

// "what: " and the system's reason for the last failed call (errno).
std::string systemReason(const std::string& what);

// Every folder of the path, as mkdir -p makes them; false, with `problem`, when one cannot be
// made or a file of that name is in the way.
bool makeFolders(const std::string& folder, std::string& problem);

// A temporary file made from `temporaryPattern` (a path in `folder` ending in XXXXXX), written,
// flushed to the disk and renamed over `path`; then the folder itself is flushed, so the rename
// survives a power cut. On failure the temporary file is removed and `problem` says why.
bool replaceFileAtomically(const std::string& folder, const std::string& temporaryPattern,
                           const std::string& path, const std::string& bytes,
                           std::string& problem);

// What each operating system supplies to the shared parts of the platform layer.
// Implemented once in posix/ and once in win32/; nothing outside platform/ sees it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/platform.h"

namespace qm::platform::system {

// Opens a stream in binary mode on a path in the program's own form; null on
// failure or for a directory.
std::FILE* openStream(const std::string& path, bool forWriting);
// Positions a stream at a 64-bit offset from its start.
bool seekStream(std::FILE* stream, std::int64_t offset);
// Reads up to count bytes at the offset in one system call where it can, without
// using the stream's position; returns how many arrived.
std::size_t readStreamAt(std::FILE* stream, std::int64_t offset, void* buffer, std::size_t count);
// Writes the stream's data through the system's cache onto the disk. None, or why not.
WriteFailure syncStreamToDisk(std::FILE* stream);
// Maps a C library error number to what it means for writing a file; 0 (no number
// set) and any number without a meaning of its own give Other.
WriteFailure writeFailureOf(int errorNumber);
// Removes a file; false when it cannot be removed (or was not there).
bool removeFile(const std::string& path);
// Whether the path names an existing file (not a folder) that may not be written:
// it is not replaced, as Windows itself refuses to.
bool isReadOnlyFile(const std::string& path);
// Shows the operating system's own message box.
int showMessageBox(const MessageBoxRequest& request);

// Creates a new, empty file of a name no other file has in the folder (program
// form, ending in a separator; empty for the current folder) and stores its path.
// None, or why no file could be created there.
WriteFailure createTemporaryFile(const std::string& folder, std::string& path);
// Moves the file over the target, replacing it in one step. None, or why not.
WriteFailure moveOver(const std::string& file, const std::string& target);
// Whether the two existing files are one, where the system tells files by identity
// (POSIX: device and inode); nothing where it cannot, or either is not there.
std::optional<bool> sameExistingFile(const std::string& a, const std::string& b);
// Whether two full paths name the same place by this system's rules of spelling.
bool sameFullPath(const std::string& a, const std::string& b);

}  // namespace qm::platform::system

// The one door to the operating system. Everything the viewer needs of files,
// directories, configuration files, the program's own path and message boxes goes
// through here, so that the core builds and runs the same on Windows and POSIX.
//
// Paths are byte strings in the program's own form: backslash separators, as many
// bytes as a 260-byte Windows path buffer holds with its terminating zero (259). A
// longer path is refused (false, -1 or the stated default), never cut or written
// past a buffer. On POSIX the backslashes become slashes only at the system call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::platform {

// Size of a Windows path buffer, terminating zero included.
inline constexpr std::size_t kMaxPath = 260;

// True when the path fits a kMaxPath buffer with its terminating zero.
bool fitsPath(std::string_view path);

// Index of the last separator of a path in the program's form, npos when it holds
// none. Windows paths are Shift-JIS, where the trail byte of a double-byte
// character can be 0x5C without being a backslash, so there the scan steps over
// whole characters. POSIX paths are the file system's bytes (UTF-8), in which no
// byte of a multi-byte character is 0x5C.
std::size_t lastPathSeparator(std::string_view path);
// The folder part of a path, ending in its separator; empty for a bare name.
std::string folderOf(std::string_view path);

// Whether the two paths name one file: the same file where both exist (however
// spelled: relative or full, in another case on Windows, through links), else the
// same full path (compared without regard to case on Windows).
bool sameFile(const std::string& a, const std::string& b);

// A path as a command line or the file system gives it ('/' or '\\' separators),
// in the program's own form (backslashes).
std::string fromNativePath(std::string_view path);
// The program's own form turned into what the system calls take.
std::string toNativePath(std::string_view path);

// --- Configuration (initialisation) files -------------------------------------
// The rules of GetPrivateProfileIntA / GetPrivateProfileStringA: section and key
// names compared without regard to case, the first matching section and key win,
// spaces around keys and values dropped, a pair of enclosing double quotes dropped
// from a value. A missing file, section or key (or a key line without '=') gives
// the default.

// The value read as GetPrivateProfileIntA reads it: leading white space, an
// optional sign, an optional 0x (hex), 0o (octal) or 0b (binary) prefix, digits up
// to the first one that does not fit, wrapping in 32 bits. An empty value gives the
// default. The result is the unsigned 32-bit value seen as signed ("-5" gives -5).
int profileInt(const std::string& file, const std::string& section, const std::string& key,
               int defaultValue);

// The value, or the default, cut to bufferSize - 1 bytes (the caller's buffer with
// its terminating zero). A bufferSize of 0 gives an empty text.
std::string profileString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue,
                          std::size_t bufferSize);

// --- Directory search ----------------------------------------------------------
// The names (without directory) of the entries of the pattern's directory whose
// names match the pattern's last component, with the rules of FindFirstFileA:
// '*' any run of characters, '?' one character, letters compared without regard to
// case, sub-directories yielded like files. "." and ".." are never yielded. Names
// come in case-insensitive name order, as NTFS and CD-ROM directories list them. A
// pattern without a backslash searches the current directory. No match, a missing
// directory or an over-long pattern give an empty list.
std::vector<std::string> findFiles(const std::string& pattern);

// --- Process --------------------------------------------------------------------
// Full path of the running program's file, empty on failure.
std::string modulePath();
bool setCurrentDirectory(const std::string& path);
// The current directory, ending in a backslash; empty on failure.
std::string currentDirectory();

// --- Files ----------------------------------------------------------------------
// The size of the file from its metadata, 64-bit; -1 when it cannot be examined.
// A directory has size 0, as Windows reports it.
std::int64_t fileSize(const std::string& path);

// Whole file as bytes; false when it cannot be opened or read.
bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& out);

// Whole file as text: a carriage return directly before a line feed is dropped, so
// every CR LF line end arrives as one '\n'. Any other byte stays as it is.
bool readTextFile(const std::string& path, std::string& out);

// The text-mode translation of readTextFile, on bytes already in memory.
std::string textFromBytes(std::string_view bytes);

// Why a file could not be written, as the user can act on it.
enum class WriteFailure {
    None,
    FolderMissing,  // the folder the file should go into does not exist
    AccessDenied,   // a read-only folder, file or medium, or no permission
    DiskFull,
    NameTooLong,
    IsFolder,  // the name is that of a folder
    Other,
};

// A binary file stream with 64-bit positions. One owner; closed on destruction.
class File {
  public:
    enum class Mode { Read, Write };

    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;

    // Opens for binary reading, or creates/truncates for binary writing. A
    // directory cannot be opened. False on failure.
    bool open(const std::string& path, Mode mode);
    bool isOpen() const { return stream_ != nullptr; }
    // Positions at a byte offset from the start of the file; false on failure
    // (a negative offset fails). Seeking past the end succeeds; reads there give 0 bytes.
    bool seek(std::int64_t offset);
    // Reads up to count bytes; returns how many arrived. Reading is unbuffered: a
    // read goes to the system directly into the buffer, so read in large pieces.
    std::size_t read(void* buffer, std::size_t count);
    // Reads up to count bytes at a byte offset from the start: positioning and
    // reading in one system call. Returns how many arrived; 0 for a negative offset.
    // Where a plain read continues afterwards is unspecified: seek first.
    std::size_t readAt(std::int64_t offset, void* buffer, std::size_t count);
    // Writes all count bytes; false when any of them could not be written.
    bool write(const void* data, std::size_t count);
    // Hands everything written so far to the disk itself, past the system's cache, so
    // that it survives a crash or a power cut. False when that or an earlier write failed.
    bool flushToDisk();
    // Closes the stream. False when an earlier write or the final flush failed.
    bool close();
    // Why the last open for writing, write or close failed; None when none did.
    WriteFailure failure() const { return failure_; }

  private:
    void failWith(WriteFailure failure);
    bool failed() const { return failure_ != WriteFailure::None; }

    std::FILE* stream_ = nullptr;
    // Why the file failed since it was opened; None while every step succeeded.
    WriteFailure failure_ = WriteFailure::None;
    // Bytes written while a write fault is set (see setWriteFault).
    std::int64_t written_ = 0;
};

// Writes a whole file or nothing: `write` fills a temporary file in the target's
// folder, which replaces the target only once it is complete and closed. On any
// failure the target is as it was and the temporary file is gone. None, or why the
// file could not be written; Other when `write` gave up without a file error.
WriteFailure replaceFile(const std::string& target, const std::function<bool(File&)>& write);

// Test seam: while set, files opened for writing behave as on a failing disk.
// bytesAllowed < 0: no file can be created (a read-only folder); otherwise a write
// that would take the bytes written to such files past bytesAllowed writes what
// fits and fails (a full disk). Nothing set restores the real file system.
struct WriteFault {
    WriteFailure failure;
    std::int64_t bytesAllowed;
};
void setWriteFault(std::optional<WriteFault> fault);

// --- Texts ----------------------------------------------------------------------
// The program's texts are code page 932 (Shift-JIS) bytes: its literals, label
// files and configuration files all come that way.

// The text as UTF-8. A byte that starts no valid character becomes a replacement
// character, so the result is always valid UTF-8.
std::string utf8FromAnsi(std::string_view text);

// The text as this system's console shows it: UTF-8 for POSIX terminals, the bytes
// unchanged on Windows, whose console takes the ANSI code page.
std::string consoleTextFromAnsi(std::string_view text);

// A path in the program's form as the user spells it on this system: the file
// system's own bytes with '/' on POSIX (UTF-8 already, so never converted), the
// program's bytes with backslashes on Windows. For the console.
std::string consolePath(std::string_view path);
// The same path as UTF-8, for reports that programs read.
std::string utf8Path(std::string_view path);
// A file name as program text (code page 932): as it stands on Windows; converted
// from the file system's UTF-8 on POSIX, a character the code page lacks becoming '?'.
std::string programTextFromPath(std::string_view path);

// The path made absolute against the current directory, with "." and ".." steps
// resolved; empty when that fails or the result does not fit a path buffer.
std::string fullPath(const std::string& path);

// --- Message boxes ----------------------------------------------------------------
// Style bits and results as Windows numbers them.
inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbIconError = 0x10;  // the stop icon (MB_ICONERROR)
inline constexpr unsigned kMbIconQuestion = 0x20;
inline constexpr unsigned kMbIconWarning = 0x30;
inline constexpr unsigned kMbIconInformation = 0x40;
inline constexpr int kIdOk = 1;

// Asks for the system's own caption ("Error" on Windows) instead of a text of ours.
struct DefaultCaption {};
inline constexpr DefaultCaption kDefaultCaption{};

struct MessageBoxRequest {
    void* owner;  // the owning window's handle, or null
    std::string text;
    std::string caption;  // empty when the system's own caption was asked for
    unsigned style;
    bool defaultCaption = false;
};

using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Shows a message box and returns the button pressed. While a handler is set (see
// below) the handler answers instead, so automated tests never wait on a modal box.
// Without a handler, Windows shows the real box; POSIX prints the caption and text
// to stderr and answers kIdOk.
int messageBox(void* owner, const std::string& text, const std::string& caption, unsigned style);
// The same with no caption of ours: Windows gives the box its default one.
int messageBox(void* owner, const std::string& text, DefaultCaption, unsigned style);

// Installs the handler that answers every messageBox call from now on (an empty
// handler restores the system's box). Returns the handler it replaces.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

}  // namespace qm::platform

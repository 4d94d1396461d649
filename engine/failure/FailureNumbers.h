#pragma once

namespace parolex::failure {

// The numbers a run's failures carry. The report has texts of its own for Overflow,
// FileNotFound, DeviceIoError, PermissionDenied and PathFileAccessError; every other number
// reaches the generic text with the number in it, so each keeps a meaning of its own here.
//
// How the operating system's failures map onto these numbers lives in one place per
// system (NativeFilePosix.cpp, NativeFileWindows.cpp):
//   file to read does not exist ................................ 53
//   folder of the path does not exist, or a part is a file ..... 76
//   device input/output error .................................. 57
//   file in use: busy, running program, locked region .......... 70
//   access refused: permissions, read-only file or file system,
//   path names a folder, empty path, link loop ................. 75
//   disk or quota full, file too large ......................... 61
//   too many open files ........................................ 67
//   device not there (no such device or address) ............... 68
//   file name invalid or too long .............................. 52
//   memory exhausted ........................................... 7
//   reading on after the last line of a file ................... 62
//   anything the system reports that is not listed above ....... 51
inline constexpr int None = 0;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int TypeMismatch = 13;
inline constexpr int InternalError = 51;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int DeviceIoError = 57;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;
inline constexpr int TooManyFiles = 67;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;

} // namespace parolex::failure

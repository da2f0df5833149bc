#pragma once

// What a Chronel program's exit code tells the launcher or script that started it.
namespace ExitCode {
inline constexpr int Done = 0;
// It could not run: the database could not be opened or read.
inline constexpr int Failed = 1;
// The command line was not understood or asked for something the program does not take
// (an unknown option, a missing or bad value); nothing was done.
inline constexpr int BadArguments = 2;
// It ended itself on purpose (Exit, a database the wizard must set up first, the wizard
// finished, a new database place that only the next start reads).
inline constexpr int EndedItself = 3;
} // namespace ExitCode

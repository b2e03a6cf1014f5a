#pragma once
// What the commands that change a class file share: open the file as the
// program's File Open does, read arguments, and save through the program's
// Save (atomically: the old file stays until the new one is complete).
#include "Commands.h"

#include "classfile/OpenClass.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Reads `--name VALUE` or `--name=VALUE` at args[i] (advancing i past the
// value). nullopt when args[i] is not that option; a missing value makes
// `ok` false.
std::optional<std::string> optionValue(const CliArgs& args, std::size_t& i, const std::string& name, bool& ok);

// Reads "KLASSE.RVK OPTION WERT" (in either order): the class file and the
// value of the one option a command takes. nullopt when the arguments are
// well formed, else the exit code after the German message.
std::optional<int> readFileAndOption(const CliArgs& args, const std::string& option, const char* usage,
                                     std::optional<std::string>& file, std::optional<std::string>& value);

// A record number as shown to the user (1..count); nullopt otherwise.
std::optional<int> parseRecordNumber(const std::string& text, std::size_t count);

// Prints the German error message of a bad command line and returns the
// exit code for it (a command line that cannot be understood is unreadable
// input).
int badArguments(const std::string& message, const char* usage);

// Opens the class file into `openClass` for a command that changes it, as
// the program's File Open does: the class's lock is taken first (waiting up
// to the context's --warten time for another program to release it), the
// replaced version will be kept in "Sicherungen", and a file changed on disk
// in between is never overwritten. Returns 0 when open, otherwise the exit
// code after the message (exitcode::kLocked for a class in use elsewhere).
int openClassForChange(const std::string& file, CliContext& context, ruvek::OpenClass& openClass);

// Reads the class file into `openClass` for a command that only reads it:
// no lock, no backup copy, nothing on disk changes. False (the message
// shown) when it cannot be read.
bool openClassForReading(const std::string& file, CliContext& context, ruvek::OpenClass& openClass);

// Saves the class when the command changed it; a class that did not change
// is not written, so its file stays byte for byte as it was. Returns the
// exit code.
int saveWhenChanged(ruvek::OpenClass& openClass, CliContext& context);

// The class files a command that reads many classes works on: each file
// argument as given, and each folder's *.RVK files (letter case ignored,
// sorted by name, subfolders not entered). nullopt, after the German
// message, when a folder holds no class file or an argument does not exist.
std::optional<std::vector<std::string>> classFilesOf(const std::vector<std::string>& arguments);

// The output folder (-o) of a command that writes files for many classes:
// made when it does not exist yet. False, after the German message, when it
// cannot be made.
bool makeOutputFolder(const std::filesystem::path& folder);

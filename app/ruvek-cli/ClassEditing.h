#pragma once
// What the commands "form" and "set" share: a class file opened for the
// record editor (read as File Open reads it, but without the backup copy and
// the key-number repair, so a command that fails leaves the folder as it
// was), the editor on an in-memory form, and the record of a list number.
#include "Commands.h"

#include "classfile/OpenClass.h"
#include "editor/MemoryView.h"
#include "editor/RecordEditor.h"

#include <memory>
#include <optional>
#include <string>

struct ClassEditing {
    explicit ClassEditing(ruvek::SchoolType schoolType) : openClass(schoolType) {}
    ruvek::OpenClass openClass;
    ruvek::editor::MemoryView view;
    std::unique_ptr<ruvek::editor::RecordEditor> editor;
};

// Parses "KLASSE.RVK --nr N [--schultyp S] [rest...]": the file, N, the
// school type that replaces the installation's, and the other arguments in
// order. Prints the usage and returns nullopt on a malformed call.
struct FormArgs {
    std::string file;
    int nr = 0;
    std::optional<int> schultyp;
    CliArgs rest;
};
std::optional<FormArgs> parseFormArgs(const CliArgs& args, const char* usage);

// Opens the class and shows list entry nr (1-based, as the student list
// numbers it): `forChange` for a command that will save it (lock taken,
// version kept), otherwise only read. Messages go to the context's prompter;
// nullptr on failure with the exit code in `exitCode`.
std::unique_ptr<ClassEditing> openForEditing(const FormArgs& args, CliContext& context, bool forChange,
                                             int& exitCode);

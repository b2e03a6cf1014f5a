#include "settings/FileCopy.h"

#include "common/FileLookup.h"
#include "common/SafeFile.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace ruvek {

namespace fs = std::filesystem;

const std::vector<std::string>& overwriteButtons()
{
    static const std::vector<std::string> buttons = {"Ja", "Ja, alle", "Nein", "Abbrechen"};
    return buttons;
}

std::string overwriteQuestion(const fs::path& source, const fs::path& target)
{
    return "Die Datei\n" + target.string() + "\nist bereits vorhanden.\n\nSoll sie durch die Datei\n" +
           source.string() + "\nersetzt werden?";
}

std::string copyFailedMessage(const fs::path& source, const fs::path& target, const std::string& reason)
{
    return "Fehler beim Kopieren von:\n" + source.string() + "\nnach:\n" + target.string() + "\n\n" + reason;
}

namespace {

fs::path resolved(const fs::path& p)
{
    std::error_code ec;
    fs::path r = fs::weakly_canonical(fs::absolute(p, ec), ec);
    if (ec)
        r = p.lexically_normal();
    // "a/b/" and "a/b" are the same folder.
    if (!r.has_filename() && r.has_parent_path() && r != r.root_path())
        r = r.parent_path();
    return r;
}

std::string upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

} // namespace

bool sameFolder(const fs::path& a, const fs::path& b)
{
    if (a.empty() || b.empty())
        return false;
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    return resolved(a) == resolved(b);
}

bool isInsideFolder(const fs::path& inner, const fs::path& outer)
{
    if (inner.empty() || outer.empty())
        return false;
    const fs::path i = resolved(inner), o = resolved(outer);
    auto it = i.begin();
    for (auto ot = o.begin(); ot != o.end(); ++ot, ++it) {
        if (ot->empty())
            continue;
        if (it == i.end() || *it != *ot)
            return false;
    }
    return true;
}

std::vector<fs::path> filesWithExtension(const fs::path& folder, const std::string& extension)
{
    std::vector<fs::path> out;
    std::error_code ec;
    const std::string wanted = "." + upper(extension);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileEc;
        if (it->is_regular_file(fileEc) && upper(it->path().extension().string()) == wanted)
            out.push_back(it->path());
    }
    std::sort(out.begin(), out.end());
    return out;
}

CopySession::Result CopySession::copyInto(const fs::path& source, const fs::path& targetFolder)
{
    const std::string name = source.filename().string();
    const auto existing = findFileIgnoringCase(targetFolder, name);
    return copyTo(source, existing ? *existing : targetFolder / name);
}

CopySession::Result CopySession::copyTo(const fs::path& source, const fs::path& target)
{
    if (cancelled_)
        return Result::Cancelled;
    std::error_code ec;
    if (fs::equivalent(source, target, ec))
        return Result::Skipped;   // a file is never copied onto itself
    if (askAll_ && fs::exists(target, ec)) {
        switch (static_cast<OverwriteAnswer>(prompter_.askChoice(overwriteQuestion(source, target), overwriteButtons()))) {
        case OverwriteAnswer::Yes: break;
        case OverwriteAnswer::YesToAll: askAll_ = false; break;
        case OverwriteAnswer::No: return Result::Skipped;
        default: cancelled_ = true; return Result::Cancelled;
        }
    }
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(source, bytes)) {
        ++failures_;
        prompter_.error(copyFailedMessage(source, target, "Die Datei kann nicht gelesen werden."));
        return Result::Failed;
    }
    std::string reason;
    if (!writeFileSafely(target, bytes, &reason)) {
        ++failures_;
        prompter_.error(copyFailedMessage(source, target, reason));
        return Result::Failed;
    }
    // A copy keeps the time of its source, as a copy in a file manager does:
    // backups and exported settings show when the settings were last changed.
    const auto when = fs::last_write_time(source, ec);
    if (!ec)
        fs::last_write_time(resolveWriteTarget(target), when, ec);
    written_.push_back(target);
    return Result::Copied;
}

} // namespace ruvek

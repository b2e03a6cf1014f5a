// sort KLASSE.RVK --nach ORDNUNG: sorts the class as the sort commands of
// the menu do, one word per command:
//   namen / namen-ab            by surname and first name, ascending / descending
//   schluessel / schluessel-ab  by key number
//   klasse / klasse-ab          by class level and class
//   maedchen / jungen           as in the class book, girls / boys first
// A class of one record is left as it is.
#include "ClassFileCommands.h"
#include "Commands.h"

#include "classfile/RecordCollection.h"

#include <system_error>
#include <utility>

namespace {
constexpr const char* kUsage =
    "Aufruf: ruvek-cli sort KLASSE.RVK --nach "
    "namen|namen-ab|schluessel|schluessel-ab|klasse|klasse-ab|maedchen|jungen\n";

std::optional<ruvek::SortOrder> sortOrderNamed(const std::string& word)
{
    using enum ruvek::SortOrder;
    static const std::pair<const char*, ruvek::SortOrder> kWords[] = {
        {"namen", NameAscending},      {"namen-ab", NameDescending},       {"schluessel", KeyAscending},
        {"schlüssel", KeyAscending},   {"schluessel-ab", KeyDescending},   {"schlüssel-ab", KeyDescending},
        {"klasse", ClassAscending},    {"klasse-ab", ClassDescending},     {"maedchen", GirlsFirst},
        {"mädchen", GirlsFirst},       {"jungen", BoysFirst},
    };
    for (const auto& [w, order] : kWords)
        if (word == w)
            return order;
    return std::nullopt;
}
} // namespace

int cmdSort(const CliArgs& args, CliContext& context)
{
    std::optional<std::string> file, word;
    if (const auto failed = readFileAndOption(args, "--nach", kUsage, file, word))
        return *failed;
    if (!file)
        return badArguments("Die Klassendatei fehlt.", kUsage);
    if (!word)
        return badArguments("Die Sortierung (--nach) fehlt.", kUsage);
    const auto order = sortOrderNamed(*word);
    if (!order)
        return badArguments("Unbekannte Sortierung: " + *word, kUsage);

    std::error_code ec;
    ruvek::OpenClass openClass(context.installation.schoolType(), std::filesystem::current_path(ec));
    if (!openClassFile(*file, context, openClass))
        return exitcode::kUnreadable;
    ruvek::sortRecords(openClass, *order);
    return saveWhenChanged(openClass, context);
}

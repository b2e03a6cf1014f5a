#include "layouts/FormDescription.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

namespace ruvek {
namespace {

std::string_view trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// Splits off the first word of s.
std::string_view nextWord(std::string_view& s)
{
    s = trimmed(s);
    const auto end = s.find_first_of(" \t");
    const std::string_view word = s.substr(0, end);
    s = end == std::string_view::npos ? std::string_view() : s.substr(end);
    return word;
}

std::optional<long> number(std::string_view word)
{
    long v = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
    if (word.empty() || ec != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return v;
}

// The form for pre-printed paper: the elements the paper carries are not drawn.
DescribedForm publisherVariant(const DescribedForm& base, std::string_view suffix, std::string_view paper)
{
    DescribedForm variant = base;
    const auto dot = base.fileName.rfind('.');
    variant.fileName = base.fileName.substr(0, dot) + std::string(suffix) +
                       (dot == std::string::npos ? std::string() : base.fileName.substr(dot));
    variant.title = base.title + " " + std::string(paper);
    for (const int index : base.preprinted) {
        TFstSlot& s = variant.slots[static_cast<std::size_t>(index)];
        if (index == static_cast<int>(kFrameTopLeftSlot))
            s.Page = 0;
        else
            s.Visible = 0;
    }
    return variant;
}

struct PendingVariant {
    std::string suffix;
    std::string paper;
};

} // namespace

FormDescriptionResult ParseFormDescription(std::string_view text, const std::vector<DescribedForm>& earlier)
{
    FormDescriptionResult result;
    int lineNo = 0;
    // The variants of the form being described, added once it is complete.
    std::vector<PendingVariant> variants;
    auto finishForm = [&] {
        if (variants.empty())
            return;
        const DescribedForm base = result.forms.back();
        for (const PendingVariant& v : variants)
            result.forms.push_back(publisherVariant(base, v.suffix, v.paper));
        variants.clear();
    };
    auto fail = [&](const std::string& why) {
        result.error = "line " + std::to_string(lineNo) + ": " + why;
        return result;
    };

    while (!text.empty()) {
        ++lineNo;
        const auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        if (const auto hash = line.find('#'); hash != std::string_view::npos && line.substr(0, hash).find_first_not_of(" \t") == std::string_view::npos)
            continue; // a comment line
        line = trimmed(line);
        if (line.empty())
            continue;

        std::string_view rest = line;
        const std::string_view keyword = nextWord(rest);
        if (keyword == "form") {
            const std::string_view name = nextWord(rest);
            if (name.empty())
                return fail("form without a file name");
            finishForm();
            result.forms.push_back({std::string(name), std::string(), TFstTable{}, {}});
            continue;
        }
        if (result.forms.empty())
            return fail("\"" + std::string(keyword) + "\" before the first form");
        DescribedForm& form = result.forms.back();
        if (keyword == "title") {
            form.title = std::string(trimmed(rest));
        } else if (keyword == "like") {
            const std::string_view name = nextWord(rest);
            const auto named = [&](const DescribedForm& f) { return f.fileName == name; };
            const auto base = std::find_if(result.forms.begin(), result.forms.end() - 1, named);
            const auto older = std::find_if(earlier.begin(), earlier.end(), named);
            if (base != result.forms.end() - 1) {
                form.slots = base->slots;
                form.preprinted = base->preprinted;
            } else if (older != earlier.end()) {
                form.slots = older->slots;
                form.preprinted = older->preprinted;
            } else {
                return fail("no form " + std::string(name) + " described before");
            }
        } else if (keyword == "preprinted") {
            form.preprinted.clear();
            for (std::string_view word = nextWord(rest); !word.empty(); word = nextWord(rest)) {
                const auto index = number(word);
                if (!index || *index < 0 || *index >= static_cast<long>(kFstSlotCount))
                    return fail("preprinted needs slot numbers 0..140");
                form.preprinted.push_back(static_cast<int>(*index));
            }
        } else if (keyword == "variant") {
            const std::string_view suffix = nextWord(rest);
            const std::string_view paper = trimmed(rest);
            if (suffix.empty() || paper.empty())
                return fail("variant needs a file-name suffix and the paper's name");
            variants.push_back({std::string(suffix), std::string(paper)});
        } else {
            const auto index = number(keyword);
            if (!index || *index < 0 || *index >= static_cast<long>(kFstSlotCount))
                return fail("expected a slot number 0..140, \"form\", \"title\", \"like\", \"preprinted\" or "
                            "\"variant\"");
            std::array<std::uint16_t, 6> v{};
            for (auto& value : v) {
                const auto n = number(nextWord(rest));
                if (!n || *n < 0 || *n > 65535)
                    return fail("slot " + std::to_string(*index) + " needs six values 0..65535");
                value = static_cast<std::uint16_t>(*n);
            }
            form.slots[static_cast<std::size_t>(*index)] = TFstSlot{v[0], v[1], v[2], v[3], v[4], v[5]};
        }
    }
    finishForm();
    return result;
}

FormDescriptionResult ParseFormDescriptionFolder(const std::filesystem::path& folder)
{
    FormDescriptionResult all;
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    if (ec) {
        all.error = folder.string() + ": " + ec.message();
        return all;
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        FormDescriptionResult part = ParseFormDescription(text, all.forms);
        if (!part.error.empty()) {
            all.error = file.filename().string() + ": " + part.error;
            return all;
        }
        for (DescribedForm& form : part.forms)
            all.forms.push_back(std::move(form));
    }
    return all;
}

} // namespace ruvek

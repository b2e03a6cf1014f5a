#pragma once
// The shipped form control files of the certificates, parsed, and a student
// who fills every kind of field they place, for the tests that run every
// layout over every shipped form.
#include "DispatchFixtures.h"

#include "print/FormFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace ruvek::test {

struct ShippedForm {
    std::string name; // file name, e.g. "Anl017_1031.FST"
    TFstTable slots;
};

// Every "Anl*.FST" of the shipped data; a file that does not parse fails the test.
inline std::vector<ShippedForm> shippedCertificateForms()
{
    std::vector<ShippedForm> forms;
    for (const auto& entry : std::filesystem::directory_iterator(kShippedForms)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".FST" || name.rfind("Anl", 0) != 0)
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const FormFileParseResult parsed = ParseFormFile(bytes, TFstTable{});
        if (parsed.error) {
            ADD_FAILURE() << name << " does not parse";
            continue;
        }
        forms.push_back({name, parsed.content.slots});
    }
    return forms;
}

// A student with gender, birth date, examination subject, year, predicate,
// texts and ten named subjects with grades in every slot.
inline TZgnRec richStudent(int annexCode)
{
    TZgnRec r = student("Sommer", annexCode);
    r.Weiblich = 1;
    r.GebDatum = "01.02.2012";
    r.UePruefung = 1;
    r.PrFach = "Bio";
    r.Jahrgang = "9";
    r.Praedikat = 2;
    r.LEBText = "Ein Text.";
    r.Vermerke = "Ein Vermerk.";
    const char* names[] = {"Deutsch", "Englisch", "Mathematik", "evangelische Religion", "Physik",
                           "Französisch", "Informatik", "Biologie", "Sport", "Kunst"};
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = utf8ToCp1252(k <= 10 ? names[k - 1] : k <= 21 ? "Musik" : "???");
        r.slot(k).Note = "2";
    }
    return r;
}

} // namespace ruvek::test

#pragma once
// Small classes for the exchange tests: records with named subject slots.
#include "classfile/ClassFile.h"

#include <string>
#include <utility>
#include <vector>

namespace ruvek::test {

// A fresh active record: every slot "???" with grade "-".
inline TZgnRec pupil(const char* name, const char* vorname, std::int32_t schlNr, const char* klasse = "7a")
{
    TZgnRec r;
    r.Status = 1;
    r.Name = name;
    r.Vorname = vorname;
    r.SchlNr = schlNr;
    r.Klasse = klasse;
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = "???";
        r.slot(k).Note = "-";
        r.slot(k).Niveau = "-";
    }
    return r;
}

inline TZgnRec& withSlot(TZgnRec& r, int k, const char* fach, const char* note)
{
    r.slot(k).Fach = fach;
    r.slot(k).Note = note;
    return r;
}

inline TFachEintrag subjectSlot(const char* fach, const char* note, const char* zusatz, const char* niveau,
                                const char* hinweis = "")
{
    TFachEintrag s;
    s.Fach = fach;
    s.Note = note;
    s.Zusatz = zusatz;
    s.Niveau = niveau;
    s.Hinweis = hinweis;
    return s;
}

} // namespace ruvek::test

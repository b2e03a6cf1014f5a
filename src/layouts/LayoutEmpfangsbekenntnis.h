#pragma once
// The receipt acknowledgement: the school's letter to the parents that names
// the certificate handed over, the part they sign and return, and the notice
// of the legal remedy. One page, on A4 or on an A5 landscape half of an A4
// sheet (the print options choose the form control file).
#include "classfile/ZgnRec.h"
#include "layouts/PageContext.h"

#include <string>
#include <vector>

namespace ruvek {

// "der Grundschule", "des Gymnasiums", ...; " - ? ? ? -" for a school type
// without a certificate of its own.
std::string SchoolKindPhrase(SchoolType schoolType);

// The certificate named on the receipt (UTF-8), by the print option
// EmpfTitel: 0 the student ("für Anna Muster (Klasse: 7a)"), 1 the
// certificate's name in quotation marks by school type and ZgnTyp (the
// school kind where there is none), 2 the school kind. Other values name
// the student, as the default does.
std::string ReceiptDesignation(int empfTitel, SchoolType schoolType, const TZgnRec& rec);

// The notice of the legal remedy in its three printed lines (UTF-8); the
// school's address and "einzulegen." complete the sentence.
std::vector<std::string> LegalRemedyLines();

void LayoutEmpfangsbekenntnis(PageContext& ctx, const TZgnRec& rec, int annexCode);

} // namespace ruvek

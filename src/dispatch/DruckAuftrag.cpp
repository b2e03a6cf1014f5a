#include "dispatch/DruckAuftrag.h"

#include "common/Cp1252.h"

namespace ruvek {

void ResetDruckAuftrag(TDruckAuftrag& job)
{
    job = TDruckAuftrag{};
}

std::string StudentName(const TZgnRec& rec)
{
    return cp1252ToUtf8(rec.Vorname.str() + " " + rec.Name.str());
}

} // namespace ruvek

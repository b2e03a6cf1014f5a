#include "layouts/LayoutIds.h"

#include "layouts/LayoutAbschluss.h"
#include "layouts/LayoutEmpfangsbekenntnis.h"
#include "layouts/LayoutGrundschule.h"
#include "layouts/LayoutGymnasiumAbschluss.h"
#include "layouts/LayoutLernentwicklungsbericht.h"
#include "layouts/LayoutSekundar.h"

namespace ruvek {

LayoutRoutine LayoutRoutineOf(LayoutId id)
{
    switch (id) {
    case LayoutId::None: return nullptr;
    case LayoutId::Grundschule1: return LayoutGrundschule1;
    case LayoutId::Grundschule: return LayoutGrundschule;
    case LayoutId::Orientierungsstufe: return LayoutOrientierungsstufe;
    case LayoutId::Hauptschule: return LayoutHauptschule;
    case LayoutId::HauptschuleAbschluss: return LayoutHauptschuleAbschluss;
    case LayoutId::Realschule: return LayoutRealschule;
    case LayoutId::RealschuleAbschluss: return LayoutRealschuleAbschluss;
    case LayoutId::RegionaleSchule: return LayoutRegionaleSchule;
    case LayoutId::RegionaleSchuleAbschluss: return LayoutRegionaleSchuleAbschluss;
    case LayoutId::Gymnasium: return LayoutGymnasium;
    case LayoutId::GymnasiumAbgang: return LayoutGymnasiumAbgang;
    case LayoutId::GymnasiumPruefung: return LayoutGymnasiumPruefung;
    case LayoutId::Gesamtschule56: return LayoutGesamtschule56;
    case LayoutId::Gesamtschule: return LayoutGesamtschule;
    case LayoutId::GesamtschuleAbgang: return LayoutGesamtschuleAbgang;
    case LayoutId::Empfangsbekenntnis: return LayoutEmpfangsbekenntnis;
    case LayoutId::Lernentwicklungsbericht: return LayoutLernentwicklungsbericht;
    case LayoutId::Datenblatt: return nullptr;
    }
    return nullptr;
}

} // namespace ruvek

#include "classfile/ElectiveExtraction.h"

#include <algorithm>

namespace ruvek {

std::size_t ExtractWahlpflichtFaecher(std::span<const TZgnRec> records, std::vector<std::string>& liste)
{
    std::size_t added = 0;
    for (const auto& rec : records) {
        for (int k = 17; k <= 24; ++k) {
            const auto name = rec.slot(k).Fach.view();
            if (std::find(liste.begin(), liste.end(), name) == liste.end()) {
                liste.emplace_back(name);
                ++added;
            }
        }
    }
    return added;
}

} // namespace ruvek

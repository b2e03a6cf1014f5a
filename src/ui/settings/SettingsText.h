#pragma once
// Texts of the settings dialogs that cross into Windows-1252 records.
#include "ui/Cp1252Text.h"

#include <QString>
#include <string>

namespace ruvek::ui {

// The message for a text field whose content cannot be stored.
std::string unstorableTextMessage(const QString& caption);

} // namespace ruvek::ui

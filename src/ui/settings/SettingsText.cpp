#include "ui/settings/SettingsText.h"

namespace ruvek::ui {

std::string unstorableTextMessage(const QString& caption)
{
    return "Das Feld \"" + caption.toStdString() +
           "\" enthält Zeichen, die nicht gespeichert werden können!\n\n"
           "Bitte verwenden Sie nur Buchstaben, Ziffern und die üblichen Satzzeichen.";
}

} // namespace ruvek::ui

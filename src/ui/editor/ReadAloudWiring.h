#pragma once
// The read-aloud buttons of the page "Fächer u. Bewertungen": "vorlesen"
// (SpeedButton15) reads the subjects, levels and grades the page shows,
// "anhalten" (SpeedButton20) pauses and resumes, "beenden" (SpeedButton16)
// stops. While reading, "vorlesen" is disabled and the other two are
// enabled; when idle it is the other way round.
#include "ui/editor/SpeechEngine.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>

class QToolButton;
class QWidget;

namespace ruvek {
class Prompter;
}

namespace ruvek::ui::editor {

class ReadAloud : public QObject {
    Q_OBJECT
public:
    // window: holds the three buttons; text: what to read (UTF-8), asked at each "vorlesen".
    ReadAloud(QWidget& window, Prompter& prompter, std::function<std::string()> text,
              std::unique_ptr<SpeechEngine> engine);
    ~ReadAloud() override;

    void setEngine(std::unique_ptr<SpeechEngine> engine);

    void SpeedButton15Click();   // "vorlesen"
    void SpeedButton16Click();   // "beenden"
    void SpeedButton20Click();   // "anhalten" (pressed: paused)

private:
    void idle();

    Prompter& prompter_;
    std::function<std::string()> text_;
    std::unique_ptr<SpeechEngine> engine_;
    QToolButton* b15_;
    QToolButton* b16_;
    QToolButton* b20_;
};

} // namespace ruvek::ui::editor

namespace ruvek::ui {
// Gives the main window's read-aloud buttons their handlers (object
// "ReadAloud"); what is read is the form of the window's editor.
void installReadAloud(QWidget& main, Prompter& prompter);
} // namespace ruvek::ui

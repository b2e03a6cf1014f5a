#pragma once
// The speech output behind the read-aloud buttons. The program speaks
// through Qt TextToSpeech (speech-dispatcher with espeak-ng gives the German
// voice on Debian); the interface lets tests put a silent engine in its place.
#include <QString>
#include <functional>
#include <memory>

class QObject;

namespace ruvek::ui::editor {

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Whether a German voice is there to read with.
    virtual bool hasGermanVoice() = 0;
    virtual void say(const QString& text) = 0;
    virtual void stop() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Called when the text has been read to its end (not after stop()).
    std::function<void()> finished;
};

// The system's speech output, or one without a German voice when this build
// has no Qt TextToSpeech.
std::unique_ptr<SpeechEngine> makeSystemSpeechEngine(QObject* parent);

// What to install for a German voice, for the message when there is none.
inline constexpr const char* kMsgNoGermanVoice =
    "Um die Vorlese-Funktion nutzen zu können, benötigen Sie\n"
    "eine deutsche Stimme für die Sprachausgabe!\n\n"
    "Um sie zu installieren, geben Sie bitte ein:\n"
    "sudo apt install qt6-speech-speechd-plugin speech-dispatcher-espeak-ng\n\n"
    "Danach starten Sie das Programm neu.";

} // namespace ruvek::ui::editor

#include "ui/editor/SpeechEngine.h"

#include <QObject>

#ifdef RUVEK_HAS_TEXTTOSPEECH
#include <QLocale>
#include <QTextToSpeech>
#endif

namespace ruvek::ui::editor {

namespace {

#ifdef RUVEK_HAS_TEXTTOSPEECH
// Qt TextToSpeech, made on first use: connecting to the speech service takes
// a moment and is not needed by anyone who never presses "vorlesen".
class QtSpeechEngine : public SpeechEngine {
public:
    explicit QtSpeechEngine(QObject* parent) : parent_(parent) {}
    ~QtSpeechEngine() override { delete speech_; }

    bool hasGermanVoice() override { return ensure(); }
    void say(const QString& text) override
    {
        if (ensure())
            speech_->say(text);
    }
    void stop() override
    {
        speaking_ = false;   // a stop is no end of the text
        if (speech_)
            speech_->stop();
    }
    void pause() override
    {
        if (speech_)
            speech_->pause();
    }
    void resume() override
    {
        if (speech_)
            speech_->resume();
    }

private:
    // Finds an engine with a German voice; engines without one (flite) are passed over.
    bool ensure()
    {
        if (speech_)
            return true;
        if (tried_)
            return false;
        tried_ = true;
        QStringList engines = QTextToSpeech::availableEngines();
        engines.removeAll(QStringLiteral("speechd"));
        engines.prepend(QStringLiteral("speechd"));
        for (const QString& name : engines) {
            auto* s = new QTextToSpeech(name, parent_);
            if (s->state() == QTextToSpeech::Error) {
                delete s;
                continue;
            }
            for (const QLocale& l : s->availableLocales()) {
                if (l.language() == QLocale::German) {
                    s->setLocale(l);
                    speech_ = s;
                    QObject::connect(s, &QTextToSpeech::stateChanged, s, [this](QTextToSpeech::State st) {
                        if (st == QTextToSpeech::Ready && speaking_ && finished)
                            finished();
                        speaking_ = st == QTextToSpeech::Speaking || st == QTextToSpeech::Paused;
                    });
                    return true;
                }
            }
            delete s;
        }
        return false;
    }

    QObject* parent_;
    QTextToSpeech* speech_ = nullptr;
    bool tried_ = false;
    bool speaking_ = false;
};
#endif

class NoSpeechEngine : public SpeechEngine {
public:
    bool hasGermanVoice() override { return false; }
    void say(const QString&) override {}
    void stop() override {}
    void pause() override {}
    void resume() override {}
};

} // namespace

std::unique_ptr<SpeechEngine> makeSystemSpeechEngine([[maybe_unused]] QObject* parent)
{
#ifdef RUVEK_HAS_TEXTTOSPEECH
    return std::make_unique<QtSpeechEngine>(parent);
#else
    return std::make_unique<NoSpeechEngine>();
#endif
}

} // namespace ruvek::ui::editor

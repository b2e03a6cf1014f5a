#include "ui/editor/ReadAloudWiring.h"

#include "common/Prompter.h"
#include "editor/ReadAloudText.h"
#include "ui/editor/EditorBinder.h"

#include <QToolButton>

namespace ruvek::ui::editor {

ReadAloud::ReadAloud(QWidget& window, Prompter& prompter, std::function<std::string()> text,
                     std::unique_ptr<SpeechEngine> engine)
    : QObject(&window), prompter_(prompter), text_(std::move(text))
{
    setObjectName(QStringLiteral("ReadAloud"));
    b15_ = window.findChild<QToolButton*>(QStringLiteral("SpeedButton15"));
    b16_ = window.findChild<QToolButton*>(QStringLiteral("SpeedButton16"));
    b20_ = window.findChild<QToolButton*>(QStringLiteral("SpeedButton20"));
    // "anhalten" stays pressed while the reading pauses.
    b20_->setCheckable(true);
    connect(b15_, &QToolButton::clicked, this, [this] { SpeedButton15Click(); });
    connect(b16_, &QToolButton::clicked, this, [this] { SpeedButton16Click(); });
    connect(b20_, &QToolButton::clicked, this, [this] { SpeedButton20Click(); });
    setEngine(std::move(engine));
    idle();
}

ReadAloud::~ReadAloud()
{
    if (engine_)
        engine_->stop();
}

void ReadAloud::setEngine(std::unique_ptr<SpeechEngine> engine)
{
    if (engine_)
        engine_->stop();
    engine_ = std::move(engine);
    // Read to the end: the buttons go back as after "beenden".
    engine_->finished = [this] { idle(); };
}

void ReadAloud::idle()
{
    b15_->setEnabled(true);
    b15_->setDown(false);
    b16_->setEnabled(false);
    b20_->setChecked(false);
    b20_->setEnabled(false);
}

void ReadAloud::SpeedButton15Click()
{
    if (!engine_->hasGermanVoice()) {
        prompter_.error(kMsgNoGermanVoice);
        return;
    }
    b15_->setEnabled(false);
    b16_->setEnabled(true);
    b20_->setEnabled(true);
    std::string text = text_();
    if (text.empty())
        text = "Es werden keine Fächer angezeigt.";
    engine_->say(QString::fromStdString(text));
}

void ReadAloud::SpeedButton16Click()
{
    engine_->stop();
    idle();
}

void ReadAloud::SpeedButton20Click()
{
    if (b20_->isChecked())
        engine_->pause();
    else
        engine_->resume();
}

} // namespace ruvek::ui::editor

namespace ruvek::ui {

void installReadAloud(QWidget& main, Prompter& prompter)
{
    new editor::ReadAloud(
        main, prompter,
        [&main] {
            auto* binder = main.findChild<editor::EditorBinder*>();
            return binder ? ruvek::editor::readAloudText(ruvek::editor::readAloudEntries(binder->readForm()))
                          : std::string();
        },
        editor::makeSystemSpeechEngine(&main));
}

} // namespace ruvek::ui

#pragma once
// A prompter for work that shows a progress window: every message or
// question first takes the progress window away, so it never stands over
// the message and blocks it, and brings it back afterwards while the work
// goes on.
#include "common/Prompter.h"

#include <QPointer>
#include <QWidget>

namespace ruvek::ui {

class ProgressPrompter : public Prompter {
    // The answer type is deduced from the first use, so this stands first.
    template <class F>
    auto around(F&& ask)
    {
        const bool wasShown = progress_ && progress_->isVisible();
        if (wasShown)
            progress_->hide();
        auto answer = ask();
        if (wasShown && progress_)
            progress_->show();
        return answer;
    }

public:
    ProgressPrompter(Prompter& inner, QWidget* progress) : inner_(inner), progress_(progress) {}

    bool askYesNo(const std::string& text, MessageKind kind = MessageKind::Confirmation) override
    {
        return around([&] { return inner_.askYesNo(text, kind); });
    }
    bool askOkCancel(const std::string& text, MessageKind kind = MessageKind::Confirmation) override
    {
        return around([&] { return inner_.askOkCancel(text, kind); });
    }
    void tell(MessageKind kind, const std::string& text) override
    {
        around([&] {
            inner_.tell(kind, text);
            return 0;
        });
    }
    int askChoice(const std::string& text, const std::vector<std::string>& buttons,
                  MessageKind kind = MessageKind::Confirmation) override
    {
        return around([&] { return inner_.askChoice(text, buttons, kind); });
    }
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest& request) override
    {
        return around([&] { return inner_.chooseOpenFile(request); });
    }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest& request) override
    {
        return around([&] { return inner_.chooseSaveFile(request); });
    }
    std::optional<std::filesystem::path> chooseFolder(const std::string& title,
                                                      const std::filesystem::path& start) override
    {
        return around([&] { return inner_.chooseFolder(title, start); });
    }

private:
    Prompter& inner_;
    QPointer<QWidget> progress_;
};

} // namespace ruvek::ui

#pragma once
// A page context on a recording canvas over a form table built in the test,
// and small readers of what was drawn.
#include "layouts/PageContext.h"
#include "print/RecordingCanvas.h"
#include "settings/DrkEinst.h"
#include "settings/FachKatalog.h"

#include <memory>
#include <string>
#include <vector>

namespace ruvek::test {

// The default printer has no physical offset, so a stored position (x, y)
// is drawn at (x + 150, -(y + 150)) with the default margins.
inline constexpr int kOrigin = 150;

struct LayoutBench {
    TDrkEinstRec options;
    TFachKatalog katalog = defaultFachKatalog();
    TFstTable form{};
    RecordingCanvas canvas;
    std::unique_ptr<CertificateEnvironment> env;
    std::unique_ptr<PageContext> ctx;

    LayoutBench()
    {
        form[1] = TFstSlot{0, 0, 0, 11, 3, 1};
        form[2] = TFstSlot{1800, 2650, 0, 0, 3, 1};
    }
    // A fresh context over the current form, options and catalogue.
    PageContext& page(int page = 1)
    {
        env = std::make_unique<CertificateEnvironment>(CertificateEnvironment{options, katalog, SchoolType::Grundschule, "Schule"});
        ctx = std::make_unique<PageContext>(canvas, *env, form, page);
        canvas.clearOps();
        return *ctx;
    }
    std::vector<std::string> texts() const { return canvas.texts(); }
    // The text op with this text; a default op when there is none.
    CanvasOp textOp(const std::string& text) const
    {
        for (const CanvasOp& op : canvas.ops(CanvasOpKind::TextOut))
            if (op.text == text)
                return op;
        return {};
    }
};

} // namespace ruvek::test

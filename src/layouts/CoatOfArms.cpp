#include "layouts/CoatOfArms.h"

#include "print/Primitives.h"
#include "settings/Installation.h"

namespace ruvek {

namespace {

constexpr int kArmsSlot = 121;
constexpr int kArmsSizeSlot = 122;

std::filesystem::path ArmsPicture(const PageContext& ctx, const DeviceCaps& caps)
{
    const InstallationFolders folders{ctx.programFolder(), {}};
    const bool colour = caps.colors > 2 || ctx.options().FarbWappen == 1;
    return colour ? folders.colourArms() : folders.monoArms();
}

} // namespace

void CoatOfArmsAtSlot(PageContext& ctx)
{
    if (!ctx.drawn(kArmsSlot))
        return;
    const TFstSlot& size = ctx.slot(kArmsSizeSlot);
    PictureAtSlot(ctx.canvas(), ArmsPicture(ctx, ctx.canvas().deviceCaps()), ctx.slot(kArmsSlot),
                  ctx.origins(), ctx.page(), size.X, size.Y);
}

} // namespace ruvek

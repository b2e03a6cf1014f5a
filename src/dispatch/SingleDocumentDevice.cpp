#include "dispatch/SingleDocumentDevice.h"

#include <stdexcept>

namespace ruvek {

SingleDocumentDevice::SingleDocumentDevice(Opener opener, DeviceCaps caps) : opener_(std::move(opener)), caps_(caps) {}

void SingleDocumentDevice::setTitle(const std::string& utf8)
{
    // The file keeps the title of its first document.
    if (!inner_)
        title_ = utf8;
}

DeviceResult SingleDocumentDevice::beginDocument()
{
    if (open_)
        return DeviceResult::success();
    if (!inner_) {
        PrintDevice* device = opener_ ? opener_(title_) : nullptr;
        if (!device)
            return DeviceResult::failure({});
        device->setTitle(title_);
        if (DeviceResult opened = device->beginDocument(); !opened)
            return opened;
        inner_ = device;
    } else if (DeviceResult next = inner_->newPage(); !next) {
        return next;
    }
    open_ = true;
    ++documents_;
    return DeviceResult::success();
}

DeviceResult SingleDocumentDevice::newPage()
{
    if (!open_)
        return DeviceResult::noDocument();
    return inner_->newPage();
}

DeviceResult SingleDocumentDevice::endDocument()
{
    if (!open_)
        return DeviceResult::noDocument();
    open_ = false;
    return DeviceResult::success();
}

Canvas& SingleDocumentDevice::canvas()
{
    if (!open_)
        throw std::logic_error("SingleDocumentDevice::canvas() without an open document");
    return inner_->canvas();
}

DeviceCaps SingleDocumentDevice::deviceCaps() const
{
    return inner_ ? inner_->deviceCaps() : caps_;
}

DeviceResult SingleDocumentDevice::finish()
{
    open_ = false;
    if (!inner_ || !inner_->isOpen())
        return DeviceResult::success();
    return inner_->endDocument();
}

} // namespace ruvek

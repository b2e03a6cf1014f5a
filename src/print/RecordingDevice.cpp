#include "print/RecordingDevice.h"

#include <stdexcept>

namespace ruvek {

RecordingDevice::RecordingDevice(DeviceCaps caps) : canvas_(caps) {}

DeviceResult RecordingDevice::beginDocument()
{
    ++beginCalls_;
    if (open_)
        return DeviceResult::success();
    if (failBegin_)
        return DeviceResult::failure(*failBegin_);
    documents_.push_back({title_, {canvas_.ops().size()}, false});
    open_ = true;
    return DeviceResult::success();
}

DeviceResult RecordingDevice::newPage()
{
    ++newPageCalls_;
    if (!open_)
        return DeviceResult::noDocument();
    if (failNewPage_)
        return DeviceResult::failure(*failNewPage_);
    documents_.back().pageStarts.push_back(canvas_.ops().size());
    return DeviceResult::success();
}

DeviceResult RecordingDevice::endDocument()
{
    ++endCalls_;
    if (!open_)
        return DeviceResult::noDocument();
    open_ = false;
    documents_.back().ended = true;
    if (failEnd_)
        return DeviceResult::failure(*failEnd_);
    return DeviceResult::success();
}

Canvas& RecordingDevice::canvas()
{
    if (!open_)
        throw std::logic_error("RecordingDevice::canvas() without an open document");
    return canvas_;
}

std::size_t RecordingDevice::pageCount() const
{
    std::size_t n = 0;
    for (const Document& d : documents_)
        n += d.pageStarts.size();
    return n;
}

std::vector<CanvasOp> RecordingDevice::pageOps(std::size_t page) const
{
    // A page ends where the next page (of this or a later document) begins.
    std::vector<std::size_t> starts;
    for (const Document& d : documents_)
        starts.insert(starts.end(), d.pageStarts.begin(), d.pageStarts.end());
    if (page >= starts.size())
        return {};
    const auto& ops = canvas_.ops();
    const std::size_t end = page + 1 < starts.size() ? starts[page + 1] : ops.size();
    return {ops.begin() + static_cast<std::ptrdiff_t>(starts[page]), ops.begin() + static_cast<std::ptrdiff_t>(end)};
}

} // namespace ruvek

#include "app/host_services_win.h"

#include "view/picture_load_win.h"

namespace quillory {

namespace {

constexpr SHORT kKeyDown = static_cast<SHORT>(0x8000);

}  // namespace

bool plainGdiRequested(KeyStateReader keyState) {
    return (keyState(VK_LSHIFT) & kKeyDown) != 0 && keyState(VK_LCONTROL) != 0;
}

HostServices::HostServices(KeyStateReader keyState) : gdiplus_(!plainGdiRequested(keyState)) {}

// The stand's view lets go of them when it goes; whatever way the run ends, nothing decoded and
// no work decoding ahead may outlive the decoder.
HostServices::~HostServices() { forgetKeptPictures(); }

}  // namespace quillory

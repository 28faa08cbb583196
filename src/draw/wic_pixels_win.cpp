#include "draw/wic_pixels_win.h"

#include <windows.h>
#include <objbase.h>
#include <shlwapi.h>
#include <wincodec.h>

#include <algorithm>
#include <climits>
#include <new>

#include "base/com_owner_win.h"
#include "photoinfo/picture_header.h"

namespace quillory {
namespace {

// COM for the length of one decode on a thread that has not joined it (the decode-ahead worker);
// a thread already in an apartment of its own (the window's) stays in it.
class ComForThisCall {
public:
    ComForThisCall() {
        const HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        joined_ = SUCCEEDED(result);
        usable_ = joined_ || result == RPC_E_CHANGED_MODE;
    }
    ~ComForThisCall() {
        if (joined_) CoUninitialize();
    }
    ComForThisCall(const ComForThisCall&) = delete;
    ComForThisCall& operator=(const ComForThisCall&) = delete;

    bool usable() const { return usable_; }

private:
    bool joined_ = false;
    bool usable_ = false;
};

bool stopped(const std::atomic<bool>* stop) { return stop != nullptr && stop->load(); }

// The bits a pixel takes as the file stores it, for the picture's information; 0 when the
// component cannot say.
int storedBitsPerPixel(IWICImagingFactory* factory, const WICPixelFormatGUID& format) {
    ComOwner<IWICComponentInfo> info;
    ComOwner<IWICPixelFormatInfo> pixelInfo;
    UINT bits = 0;
    if (FAILED(factory->CreateComponentInfo(format, info.receive())) ||
        FAILED(info->QueryInterface(IID_IWICPixelFormatInfo, reinterpret_cast<void**>(pixelInfo.receive()))) ||
        FAILED(pixelInfo->GetBitsPerPixel(&bits)))
        return 0;
    return static_cast<int>(bits);
}

// Copies 32-bit premultiplied BGRA rows from `source` into `picture` a band at a time, so that a stop is seen
// between bands of a large picture.
bool copyPixels(IWICBitmapSource* source, PixelImage& picture, const std::atomic<bool>* stop) {
    constexpr int kBandRows = 256;
    const UINT stride = static_cast<UINT>(picture.size.dx) * 4;
    for (int top = 0; top < picture.size.dy; top += kBandRows) {
        if (stopped(stop)) return false;
        const int rows = std::min(kBandRows, picture.size.dy - top);
        const WICRect band{0, top, picture.size.dx, rows};
        auto* at = reinterpret_cast<BYTE*>(picture.pixels.data() + static_cast<std::size_t>(top) * picture.size.dx);
        if (FAILED(source->CopyPixels(&band, stride, stride * static_cast<UINT>(rows), at))) return false;
    }
    return true;
}

}  // namespace

std::optional<WicPicture> decodeWithWic(std::span<const std::uint8_t> file, const std::atomic<bool>* stop) {
    // Declared first, so that every object below is released before the thread leaves COM.
    const ComForThisCall com;
    if (!com.usable() || file.size() > UINT_MAX) return std::nullopt;
    ComOwner<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.receive()))))
        return std::nullopt;
    ComOwner<IStream> stream;
    *stream.receive() = SHCreateMemStream(file.data(), static_cast<UINT>(file.size()));
    ComOwner<IWICBitmapDecoder> decoder;
    ComOwner<IWICBitmapFrameDecode> frame;
    if (!stream || FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.receive())) ||
        FAILED(decoder->GetFrame(0, frame.receive())))
        return std::nullopt;
    // Formats our header reader does not know (WebP, HEIC) are first measured here.
    UINT width = 0, height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 || std::uint64_t{width} * height > kPixelBudget)
        return std::nullopt;
    WICPixelFormatGUID storedFormat{};
    double dpiX = 0, dpiY = 0;
    frame->GetPixelFormat(&storedFormat);
    frame->GetResolution(&dpiX, &dpiY);
    ComOwner<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.receive())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return std::nullopt;
    WicPicture picture;
    picture.pixels.size = {static_cast<int>(width), static_cast<int>(height)};
    try {
        picture.pixels.pixels.resize(std::size_t{width} * height);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (!copyPixels(converter.get(), picture.pixels, stop)) return std::nullopt;
    picture.seeThrough = std::any_of(picture.pixels.pixels.begin(), picture.pixels.pixels.end(), [](std::uint32_t p) { return p >> 24 != 0xFF; });
    picture.metrics = {PictureMetrics::Source::Decoder, width, height, static_cast<int>(dpiX), static_cast<int>(dpiY),
                       storedBitsPerPixel(factory.get(), storedFormat)};
    return picture;
}

}  // namespace quillory

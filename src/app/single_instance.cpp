#include "app/single_instance.h"

#include "app/album_location.h"

namespace quillory {

namespace {

// FNV-1a over the path's UTF-16 units: a path of any length gives a name of fixed length.
std::uint64_t hashOf(TextView text) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const char16_t unit : text) {
        hash = (hash ^ static_cast<std::uint64_t>(unit)) * 0x100000001b3ull;
    }
    return hash;
}

Text hexDigits(std::uint64_t value) {
    Text digits(16, u'0');
    for (std::size_t i = digits.size(); i-- > 0; value >>= 4) {
        digits[i] = u"0123456789ABCDEF"[value & 0xF];
    }
    return digits;
}

}  // namespace

AlbumKey albumKeyOf(TextView foldedPath) {
    AlbumKey key;
    key.hash = hashOf(withoutExtendedPrefix(foldedPath));
    if (key.hash == 0) key.hash = 1;
    key.lockName = u"Local\\Quillory.Album." + hexDigits(key.hash);
    return key;
}

}  // namespace quillory

// Walks a database image, from memory or straight from its file.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace velmoro {

// Reads over a stretch of the image held in memory. A checked cursor fails a read past
// the end, and the caller gives the image up; an unchecked one is for a stretch known
// to be long enough for everything read from it.
template <bool kChecked>
struct BasicImageCursor {
    const unsigned char* at;
    const unsigned char* end;

    std::size_t Left() const { return static_cast<std::size_t>(end - at); }

    // The next `count` bytes, or none when the stretch holds fewer.
    const unsigned char* Take(std::size_t count) {
        if (kChecked && Left() < count) return nullptr;
        const unsigned char* bytes = at;
        at += count;
        return bytes;
    }

    // A length byte and that many bytes of text.
    bool Name(std::string& value) {
        const unsigned char* length = Take(1);
        const unsigned char* text = length ? Take(*length) : nullptr;
        if (!text) return false;
        value.assign(reinterpret_cast<const char*>(text), *length);
        return true;
    }
};

using ImageCursor = BasicImageCursor<true>;
using UncheckedImageCursor = BasicImageCursor<false>;

// Hands out the image a stretch at a time. A file is read a piece at a time into a
// buffer that stays in the processor's cache, so its bytes are parsed while warm.
class ImageReader {
  public:
    explicit ImageReader(std::string_view bytes);
    explicit ImageReader(std::FILE* file);

    bool AtEnd() { return pos_ == size_ && !Refill(1); }

    // The unread bytes: at least `want` of them (at most a few KiB) unless the image ends
    // sooner. Parse from the cursor, then hand it back to Advance.
    ImageCursor Window(std::size_t want) {
        if (size_ - pos_ < want) Refill(want);
        return {data_ + pos_, data_ + size_};
    }
    void Advance(const ImageCursor& cursor) { pos_ = cursor.at - data_; }

    // Bytes seen so far: the whole image once a read has come up short.
    std::size_t BytesSeen() const { return dropped_ + size_; }
    // True when the file could not be read (not merely ended).
    bool ReadError() const { return readError_; }
    // The system's error number of the failed read.
    int ReadErrno() const { return readErrno_; }

  private:
    bool Refill(std::size_t want);

    const unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t pos_ = 0;
    std::size_t dropped_ = 0;  // bytes of the file already parsed and dropped
    std::FILE* file_ = nullptr;
    std::vector<unsigned char> buffer_;
    bool readError_ = false;
    int readErrno_ = 0;
};

}  // namespace velmoro

#include "db/image_reader.h"

#include <cerrno>
#include <cstring>

namespace velmoro {

namespace {
constexpr std::size_t kBufferBytes = 128 * 1024;
}

ImageReader::ImageReader(std::string_view bytes)
    : data_(reinterpret_cast<const unsigned char*>(bytes.data())), size_(bytes.size()) {}

ImageReader::ImageReader(std::FILE* file) : file_(file), buffer_(kBufferBytes) {
    data_ = buffer_.data();
}

// Moves the unread tail to the front of the buffer and fills the rest from the file.
bool ImageReader::Refill(std::size_t want) {
    if (!file_ || readError_) return false;
    const std::size_t left = size_ - pos_;
    std::memmove(buffer_.data(), buffer_.data() + pos_, left);
    dropped_ += pos_;
    pos_ = 0;
    size_ = left;
    const std::size_t got = std::fread(buffer_.data() + size_, 1, buffer_.size() - size_, file_);
    size_ += got;
    if (got == 0 && std::ferror(file_)) {
        readError_ = true;
        readErrno_ = errno;
    }
    return size_ >= want;
}

}  // namespace velmoro

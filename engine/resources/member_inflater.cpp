// Decrypting, inflating and checking one zip member's stored bytes; see member_inflater.h.
#include "engine/resources/member_inflater.h"

#include <algorithm>
#include <cstring>
#include <new>

MEMBER_INFLATER::MEMBER_INFLATER(const unz_file_info& info, const std::string& password)
    : info_(info),
      declared_(info.uncompressed_size),
      cipher_(password),
      encrypted_((info.flag & 1) != 0) {
    if (declared_ > kMaxMemberSize) {
        return;
    }
    if (info.compression_method == Z_DEFLATED) {
        stream_open_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK;
        acceptable_ = stream_open_;
    } else {
        acceptable_ = info.compression_method == 0;  // stored
    }
}

MEMBER_INFLATER::~MEMBER_INFLATER() {
    if (stream_open_) {
        inflateEnd(&stream_);
    }
    delete[] data_;
}

bool MEMBER_INFLATER::Feed(unsigned char* stored, size_t count) {
    if (failed_ || !acceptable_) {
        return false;
    }
    size_t offset = 0;
    if (encrypted_) {
        cipher_.Decrypt(stored, count);
        const bool header_was_complete = header_count_ == kZipCryptoHeaderSize;
        while (header_count_ < kZipCryptoHeaderSize && offset < count) {
            header_[header_count_++] = stored[offset++];
        }
        if (!header_was_complete && header_count_ == kZipCryptoHeaderSize) {
            // A member with a data descriptor checks against its time instead of its crc.
            const uLong check = (info_.flag & 8) ? info_.dosDate >> 8 : info_.crc >> 24;
            if (header_[kZipCryptoHeaderSize - 1] != (check & 0xFF)) {
                failed_ = true;
                return false;
            }
        }
    }
    const bool ok = stream_open_ ? Inflate(stored + offset, count - offset)
                                 : Append(stored + offset, count - offset);
    failed_ = !ok;
    return ok;
}

bool MEMBER_INFLATER::Append(const unsigned char* bytes, size_t count) {
    if (count == 0) {
        return true;  // only header bytes came, and data_ may still be null
    }
    if (count > declared_ - size_ || !Reserve(size_ + count)) {
        return false;
    }
    std::memcpy(data_ + size_, bytes, count);
    size_ += count;
    return true;
}

bool MEMBER_INFLATER::Inflate(unsigned char* bytes, size_t count) {
    stream_.next_in = bytes;
    stream_.avail_in = static_cast<uInt>(count);
    while (stream_.avail_in > 0 && !stream_ended_) {
        // Room for one byte past the declared size, so that an over-long member shows itself.
        if (size_ == capacity_ && !Reserve(size_ + 1)) {
            return false;
        }
        stream_.next_out = data_ + size_;
        stream_.avail_out = static_cast<uInt>(capacity_ - size_);
        const int status = inflate(&stream_, Z_NO_FLUSH);
        size_ = capacity_ - stream_.avail_out;
        if (status == Z_STREAM_END) {
            stream_ended_ = true;
        } else if (status != Z_OK && status != Z_BUF_ERROR) {
            return false;
        }
        if (size_ > declared_) {
            return false;
        }
    }
    return true;
}

bool MEMBER_INFLATER::Reserve(size_t wanted) {
    if (wanted <= capacity_) {
        return true;
    }
    const size_t limit = declared_ + 1;
    if (wanted > limit) {
        return false;
    }
    const size_t grown = std::min(limit, std::max({wanted, capacity_ * 2, kMemberReadChunk}));
    unsigned char* bigger = new (std::nothrow) unsigned char[grown];
    if (!bigger) {
        return false;
    }
    if (size_ > 0) {
        std::memcpy(bigger, data_, size_);
    }
    delete[] data_;
    data_ = bigger;
    capacity_ = grown;
    return true;
}

bool MEMBER_INFLATER::Finish() {
    if (failed_ || !acceptable_ || size_ != declared_) {
        return false;
    }
    if ((encrypted_ && header_count_ < kZipCryptoHeaderSize) || (stream_open_ && !stream_ended_)) {
        return false;
    }
    if (crc32(0L, data_, static_cast<uInt>(size_)) != info_.crc || !Reserve(declared_ + 1)) {
        return false;
    }
    data_[declared_] = 0;
    return true;
}

unsigned char* MEMBER_INFLATER::Release() {
    unsigned char* data = data_;
    data_ = nullptr;
    capacity_ = 0;
    size_ = 0;
    return data;
}

// Turns the raw stored bytes of one zip member into its contents: decrypts, inflates, and checks
// size and crc, refusing hostile members without allocating what they claim.
#pragma once

#include <minizip/unzip.h>
#include <zlib.h>

#include <cstddef>
#include <string>

#include "engine/resources/zip_crypto.h"

// Members claiming more than this are refused before anything is read.
constexpr size_t kMaxMemberSize = size_t{256} << 20;
constexpr size_t kMemberReadChunk = size_t{64} << 10;

class MEMBER_INFLATER {
  public:
    MEMBER_INFLATER(const unz_file_info& info, const std::string& password);
    ~MEMBER_INFLATER();
    MEMBER_INFLATER(const MEMBER_INFLATER&) = delete;
    MEMBER_INFLATER& operator=(const MEMBER_INFLATER&) = delete;

    // False for members that cannot be read: too large, or an unknown compression method.
    bool Acceptable() const { return acceptable_; }
    // One chunk of stored bytes. False as soon as the member proves bad: wrong password,
    // corrupt data, or more output than declared.
    bool Feed(unsigned char* stored, size_t count);
    // After the last chunk: true when exactly the declared size came out with the right crc.
    bool Finish();
    // The contents plus one spare zero byte (new[]); the caller owns them.
    unsigned char* Release();

  private:
    bool Append(const unsigned char* bytes, size_t count);
    bool Inflate(unsigned char* bytes, size_t count);
    bool Reserve(size_t wanted);

    const unz_file_info info_;
    const size_t declared_;
    ZIP_CRYPTO cipher_;
    bool encrypted_;
    bool acceptable_ = false;
    bool failed_ = false;
    unsigned char header_[kZipCryptoHeaderSize] = {};
    size_t header_count_ = 0;
    z_stream stream_ = {};
    bool stream_open_ = false;
    bool stream_ended_ = false;
    unsigned char* data_ = nullptr;  // grows with what really arrives, never past declared + 1
    size_t capacity_ = 0;
    size_t size_ = 0;
};

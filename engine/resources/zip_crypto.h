// The zip format's traditional password encryption, shared by the pack writer and reader.
// The system's minizip is built without decryption and its encryption reads zlib's crc table
// with the wrong element size on 64-bit machines, so both ends carry their own here.
#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Every encrypted member starts with this many header bytes; the last one is the high byte of
// the member's crc (or of its DOS time when the member has a data descriptor), which tells a
// wrong password from a right one.
constexpr size_t kZipCryptoHeaderSize = 12;

class ZIP_CRYPTO {
  public:
    explicit ZIP_CRYPTO(const std::string& password) {
        for (unsigned char c : password) {
            Update(c);
        }
    }

    uint8_t Encrypt(uint8_t plain) {
        const uint8_t cipher = plain ^ StreamByte();
        Update(plain);
        return cipher;
    }

    uint8_t Decrypt(uint8_t cipher) {
        const uint8_t plain = cipher ^ StreamByte();
        Update(plain);
        return plain;
    }

    void Decrypt(unsigned char* bytes, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            bytes[i] = Decrypt(bytes[i]);
        }
    }

  private:
    static uint32_t Crc(uint32_t key, uint8_t byte) {
        static const z_crc_t* table = get_crc_table();
        return table[(key ^ byte) & 0xFF] ^ (key >> 8);
    }

    uint8_t StreamByte() const {
        const uint32_t t = (keys_[2] | 2) & 0xFFFF;
        return static_cast<uint8_t>((t * (t ^ 1)) >> 8);
    }

    void Update(uint8_t plain) {
        keys_[0] = Crc(keys_[0], plain);
        keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * 134775813u + 1;
        keys_[2] = Crc(keys_[2], static_cast<uint8_t>(keys_[1] >> 24));
    }

    uint32_t keys_[3] = {0x12345678u, 0x23456789u, 0x34567890u};
};

#pragma once
// Bounds-checked reading of file bytes. A read past the end yields zeros and
// sets failed(), so a decoder can read a whole header and check once.

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <cstring>

class ByteReader {
  public:
    explicit ByteReader(QByteArrayView bytes)
        : data_(reinterpret_cast<const uint8_t*>(bytes.data())), size_(bytes.size()) {}

    bool failed() const { return failed_; }
    qsizetype position() const { return pos_; }
    qsizetype size() const { return size_; }
    qsizetype remaining() const { return size_ - pos_; }
    bool atEnd() const { return pos_ >= size_; }

    void seek(qsizetype position) {
        if (position < 0 || position > size_) {
            failed_ = true;
            pos_ = size_;
        } else {
            pos_ = position;
        }
    }
    void skip(qsizetype count) { seek(count < 0 ? -1 : (count > remaining() ? -1 : pos_ + count)); }

    uint8_t u8() {
        if (pos_ >= size_) {
            failed_ = true;
            return 0;
        }
        return data_[pos_++];
    }
    uint16_t u16le() { return uint16_t(u8() | u8() << 8); }
    uint32_t u32le() {
        const uint32_t low = u16le();
        return low | uint32_t(u16le()) << 16;
    }
    uint16_t u16be() {
        const uint16_t high = u8();
        return uint16_t(high << 8 | u8());
    }
    uint32_t u32be() {
        const uint32_t high = u16be();
        return high << 16 | u16be();
    }
    // Points at `count` bytes and moves past them; null when they are not all there.
    const uint8_t* take(qsizetype count) {
        if (count < 0 || count > remaining()) {
            failed_ = true;
            pos_ = size_;
            return nullptr;
        }
        const uint8_t* at = data_ + pos_;
        pos_ += count;
        return at;
    }
    const uint8_t* data() const { return data_; }

  private:
    const uint8_t* data_;
    qsizetype size_;
    qsizetype pos_ = 0;
    bool failed_ = false;
};

// Appending little- and big-endian numbers to a byte array.
inline void putU8(QByteArray& out, unsigned value) {
    out.append(char(value & 0xFF));
}
inline void putU16le(QByteArray& out, unsigned value) {
    putU8(out, value);
    putU8(out, value >> 8);
}
inline void putU32le(QByteArray& out, uint32_t value) {
    putU16le(out, value & 0xFFFF);
    putU16le(out, value >> 16);
}
inline void putU16be(QByteArray& out, unsigned value) {
    putU8(out, value >> 8);
    putU8(out, value);
}
inline void putU32be(QByteArray& out, uint32_t value) {
    putU16be(out, value >> 16);
    putU16be(out, value & 0xFFFF);
}

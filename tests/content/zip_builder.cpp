#include "tests/content/zip_builder.h"

#include <zlib.h>

#include <stdexcept>

namespace {

void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putText(std::vector<uint8_t>& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
}

std::string rawDeflate(const std::string& data) {
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2 failed");
    std::string out(deflateBound(&stream, data.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// The fields shared by the local header and the directory record, from
// "version needed" to the name length.
void putCommonFields(std::vector<uint8_t>& out, const ZipBuilderEntry& entry, uint32_t crc,
                     size_t packedSize) {
    put16(out, 20);
    put16(out, 0);
    put16(out, entry.deflate ? 8 : 0);
    put32(out, entry.dosTime);
    put32(out, crc);
    put32(out, static_cast<uint32_t>(packedSize));
    put32(out, static_cast<uint32_t>(entry.data.size()));
    put16(out, static_cast<uint32_t>(entry.name.size()));
}

} // namespace

BuiltZip buildZip(const std::vector<ZipBuilderEntry>& entries) {
    BuiltZip zip;
    std::vector<uint8_t> directory;
    for (const ZipBuilderEntry& entry : entries) {
        std::string packed = entry.deflate ? rawDeflate(entry.data) : entry.data;
        uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()),
                             static_cast<uInt>(entry.data.size()));
        auto offset = static_cast<uint32_t>(zip.bytes.size());
        zip.localHeaderOffsets.push_back(offset);
        put32(zip.bytes, 0x04034B50);
        putCommonFields(zip.bytes, entry, crc, packed.size());
        put16(zip.bytes, static_cast<uint32_t>(entry.localExtra.size()));
        putText(zip.bytes, entry.name);
        putText(zip.bytes, entry.localExtra);
        putText(zip.bytes, packed);

        put32(directory, 0x02014B50);
        put16(directory, 0x031E);
        putCommonFields(directory, entry, crc, packed.size());
        put16(directory, 0); // extra
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, entry.externalAttributes);
        put32(directory, offset);
        putText(directory, entry.name);
    }
    auto directoryOffset = static_cast<uint32_t>(zip.bytes.size());
    zip.bytes.insert(zip.bytes.end(), directory.begin(), directory.end());
    put32(zip.bytes, 0x06054B50);
    put16(zip.bytes, 0);
    put16(zip.bytes, 0);
    put16(zip.bytes, static_cast<uint32_t>(entries.size()));
    put16(zip.bytes, static_cast<uint32_t>(entries.size()));
    put32(zip.bytes, static_cast<uint32_t>(directory.size()));
    put32(zip.bytes, directoryOffset);
    put16(zip.bytes, 0);
    return zip;
}

uint32_t dosDateTime(int year, int month, int day, int hour, int minute, int second) {
    uint32_t date = static_cast<uint32_t>((year - 1980) << 9 | month << 5 | day);
    uint32_t time = static_cast<uint32_t>(hour << 11 | minute << 5 | second / 2);
    return date << 16 | time;
}

std::string extraBlock(uint16_t tag, const std::string& data) {
    std::string block;
    block += static_cast<char>(tag & 0xFF);
    block += static_cast<char>(tag >> 8);
    block += static_cast<char>(data.size() & 0xFF);
    block += static_cast<char>(data.size() >> 8);
    return block + data;
}

std::string extendedTimestamp(uint8_t flags, const std::vector<int32_t>& times) {
    std::string data(1, static_cast<char>(flags));
    for (int32_t time : times)
        for (int shift = 0; shift < 32; shift += 8)
            data += static_cast<char>((static_cast<uint32_t>(time) >> shift) & 0xFF);
    return extraBlock('U' | 'T' << 8, data);
}

std::string patternData(size_t count) {
    std::string data(count, '\0');
    uint32_t state = 12345;
    for (size_t i = 0; i < count; ++i) {
        state = state * 1103515245 + 12345;
        data[i] = static_cast<char>('a' + (i / 7 + (state >> 28)) % 26);
    }
    return data;
}

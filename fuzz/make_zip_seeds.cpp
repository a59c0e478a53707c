// Writes the ZIP reader fuzzer's seed corpus: archives from the tests' ZIP
// writer (stored and deflated entries, directories, extended timestamps,
// damaged headers), one file each in the directory given.

#include "tests/content/zip_builder.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<std::string, BuiltZip>> seeds() {
    ZipBuilderEntry timed("timed.txt", patternData(3000));
    timed.localExtra = extraBlock(0x7875, std::string("\x01\x04\xe8\x03\x00\x00", 6)) +
                       extendedTimestamp(7, {1600000001, 1600000003, 1500000005});
    ZipBuilderEntry cut("cut.txt", "cut");
    cut.localExtra = extendedTimestamp(7, {1600000001}).substr(0, 7);
    ZipBuilderEntry stored("stored.bin", patternData(2500), false);
    ZipBuilderEntry directory("sub/dir/", "", false, 0x41ED0010);
    ZipBuilderEntry nested("sub/dir/file.txt", "nested", true, 0x00000021);

    BuiltZip mixed = buildZip({timed, stored, directory, nested, cut});
    BuiltZip brokenLocal = mixed;
    brokenLocal.bytes[brokenLocal.localHeaderOffsets[1] + 8] ^= 0x08;
    BuiltZip longExtra = buildZip({{"a.txt", "aaaa", false}, {"b.txt", "bbbb"}});
    longExtra.bytes[longExtra.localHeaderOffsets[1] + 28] = 0xFF;
    return {{"mixed.zip", mixed},
            {"broken_local_header.zip", brokenLocal},
            {"extra_beyond_end.zip", longExtra},
            {"one_entry.zip", buildZip({{"quenlow.jpg", patternData(700)}})},
            {"empty.zip", buildZip({})}};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_zip_seeds DIRECTORY\n");
        return 2;
    }
    for (const auto& [name, zip] : seeds()) {
        std::string path = std::string(argv[1]) + "/" + name;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr ||
            std::fwrite(zip.bytes.data(), 1, zip.bytes.size(), file) != zip.bytes.size()) {
            std::fprintf(stderr,
                         "make_zip_seeds: could not write %s; check that the directory "
                         "exists and is writable\n",
                         path.c_str());
            return 1;
        }
        std::fclose(file);
        std::printf("wrote %s\n", path.c_str());
    }
    return 0;
}

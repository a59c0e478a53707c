// Writes the ZIP reader fuzzer's seed corpus: archives from the tests' ZIP
// writer (stored and deflated entries, directories, extended timestamps,
// damaged headers), one file each in the directory given.

#include "fuzz/seed_files.h"
#include "tests/content/zip_builder.h"

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
    SeedFiles files;
    for (const auto& [name, zip] : seeds())
        files.emplace_back(name, zip.bytes);
    return writeSeedFiles(argc, argv, "make_zip_seeds", files);
}

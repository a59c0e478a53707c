// Renders the texture font's glyph atlas from a TrueType face and writes it as
// host/glyph_atlas_data.cpp, or checks that the committed file is current.
//
//   make_glyph_atlas --font FACE.ttf --write host/glyph_atlas_data.cpp [--pgm atlas.pgm]
//   make_glyph_atlas --font FACE.ttf --check host/glyph_atlas_data.cpp [--pgm atlas.pgm]
//
// Layout: 512 x 256 alpha texels, top row first, 16 x 8 cells of 32 x 32.
// Cell i holds character code 32 + i; codes 128 to 159 are those of Windows
// code page 1252, and 127 and the unassigned codes get an empty box. Capitals
// fill the cell's texel rows 7 to 26, the baseline lies under row 26 and
// descenders end at row 29; each glyph is centred horizontally. Rows 30 and
// 31 of every cell stay empty: the font's squares take their texture
// coordinates exactly at cell edges, where linear filtering reads into the
// bottom rows of the cell above (one texel at full size, two at the first
// mipmap level), so ink there would show as a line over the glyph below.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int atlasWidth = 512;
constexpr int atlasHeight = 256;
constexpr int cellSize = 32;
constexpr int cellsPerRow = 16;
constexpr int firstCode = 32;
constexpr int cellCount = 128;
constexpr int capTopRow = 7;
constexpr int capHeight = 20;                      // rows 7 to 26
constexpr int baselineRow = capTopRow + capHeight; // first row below the baseline
constexpr int maxGlyphWidth = 30;
constexpr int inkRows = cellSize - 2; // rows 0 to 29; rows 30 and 31 are the gutter

using Atlas = std::vector<unsigned char>;

// Unicode of the code-page-1252 characters 128 to 159; 0 = unassigned.
constexpr unsigned cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

unsigned unicodeOf(int code) {
    if (code < 127)
        return static_cast<unsigned>(code);
    if (code == 127)
        return 0;
    return cp1252High[code - 128];
}

unsigned char& texel(Atlas& atlas, int cell, int column, int row) {
    int x = (cell % cellsPerRow) * cellSize + column;
    int y = (cell / cellsPerRow) * cellSize + row;
    return atlas[static_cast<size_t>(y) * atlasWidth + x];
}

// An outlined rectangle of capital height: the mark of a code without a glyph.
void drawEmptyBox(Atlas& atlas, int cell) {
    const int left = 9, right = 22, top = capTopRow, bottom = baselineRow - 1;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            bool edge =
                row < top + 2 || row > bottom - 2 || column < left + 2 || column > right - 2;
            if (edge)
                texel(atlas, cell, column, row) = 255;
        }
    }
}

bool renderGlyph(FT_Face face, unsigned unicode) {
    FT_Set_Transform(face, nullptr, nullptr);
    if (FT_Load_Char(face, unicode, FT_LOAD_RENDER) != 0)
        return false;
    if (static_cast<int>(face->glyph->bitmap.width) <= maxGlyphWidth)
        return true;
    // Too wide for a cell (the per-mille sign): squeeze it horizontally.
    FT_Matrix squeeze = {static_cast<FT_Fixed>(0x10000L * maxGlyphWidth /
                                               static_cast<long>(face->glyph->bitmap.width + 1)),
                         0, 0, 0x10000L};
    FT_Set_Transform(face, &squeeze, nullptr);
    bool ok = FT_Load_Char(face, unicode, FT_LOAD_RENDER) == 0;
    FT_Set_Transform(face, nullptr, nullptr);
    return ok;
}

// The columns that hold ink in the bitmap rows from first to last: [from, to).
void inkColumns(const FT_Bitmap& bitmap, int first, int last, int& from, int& to) {
    int width = static_cast<int>(bitmap.width);
    from = width;
    to = 0;
    for (int r = first; r < last; ++r)
        for (int c = 0; c < width; ++c)
            if (bitmap.buffer[r * bitmap.pitch + c] != 0) {
                from = std::min(from, c);
                to = std::max(to, c + 1);
            }
    if (from >= to) {
        from = 0;
        to = width;
    }
}

// Copies the rendered glyph into its cell: on the common baseline, clipped to
// the cell's ink rows, and centred horizontally by the ink that remains. A
// glyph lying wholly below the baseline (the underscore) is lifted so that it
// ends on the last ink row.
void placeGlyph(Atlas& atlas, int cell, const FT_GlyphSlot glyph) {
    const FT_Bitmap& bitmap = glyph->bitmap;
    int width = static_cast<int>(bitmap.width);
    int rows = static_cast<int>(bitmap.rows);
    int top = baselineRow - glyph->bitmap_top;
    if (top >= baselineRow && top + rows > inkRows)
        top = inkRows - rows;
    int firstRow = std::max(0, -top), lastRow = std::min(rows, inkRows - top);
    int from = 0, to = width;
    inkColumns(bitmap, firstRow, lastRow, from, to);
    int left = (cellSize - (to - from)) / 2 - from;
    for (int r = firstRow; r < lastRow; ++r) {
        int row = top + r;
        for (int c = 0; c < width; ++c) {
            int column = left + c;
            if (column >= 0 && column < cellSize)
                texel(atlas, cell, column, row) = bitmap.buffer[r * bitmap.pitch + c];
        }
    }
}

// The largest size at which a hinted 'H' is exactly capHeight rows tall.
bool chooseSize(FT_Face face) {
    FT_F26Dot6 best = 0;
    for (FT_F26Dot6 size = 16 * 64; size <= 40 * 64; size += 2) {
        FT_Set_Char_Size(face, 0, size, 72, 72);
        if (FT_Load_Char(face, 'H', FT_LOAD_RENDER) != 0)
            return false;
        if (static_cast<int>(face->glyph->bitmap.rows) == capHeight &&
            face->glyph->bitmap_top == capHeight)
            best = size;
    }
    if (best == 0)
        return false;
    FT_Set_Char_Size(face, 0, best, 72, 72);
    return true;
}

bool renderAtlas(const char* fontPath, Atlas& atlas) {
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "make_glyph_atlas: FreeType did not initialise\n");
        return false;
    }
    FT_Face face;
    if (FT_New_Face(library, fontPath, 0, &face) != 0) {
        std::fprintf(stderr,
                     "make_glyph_atlas: cannot open the font %s (on Debian: apt-get install "
                     "fonts-dejavu-core)\n",
                     fontPath);
        FT_Done_FreeType(library);
        return false;
    }
    bool ok = chooseSize(face);
    if (!ok)
        std::fprintf(stderr, "make_glyph_atlas: no size gives a %d-row capital H in %s\n",
                     capHeight, fontPath);
    atlas.assign(static_cast<size_t>(atlasWidth) * atlasHeight, 0);
    for (int cell = 0; ok && cell < cellCount; ++cell) {
        unsigned unicode = unicodeOf(firstCode + cell);
        if (unicode == 0) {
            drawEmptyBox(atlas, cell);
        } else if (FT_Get_Char_Index(face, unicode) == 0 || !renderGlyph(face, unicode)) {
            std::fprintf(stderr, "make_glyph_atlas: %s has no glyph for U+%04X (code %d)\n",
                         fontPath, unicode, firstCode + cell);
            ok = false;
        } else {
            placeGlyph(atlas, cell, face->glyph);
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return ok;
}

std::string sourceText(const Atlas& atlas) {
    std::ostringstream out;
    out << "// Generated by tools/make_glyph_atlas from DejaVu Sans. Do not edit; regenerate from\n"
           "// the source root with <build dir>/tools/make_glyph_atlas:\n"
           "//   make_glyph_atlas --font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
           " --write host/glyph_atlas_data.cpp\n"
           "#include \"host/glyph_atlas.h\"\n\n"
           "// clang-format off\n"
           "const unsigned char glyphAtlas[glyphAtlasWidth * glyphAtlasHeight] = {\n";
    const size_t perLine = 32;
    for (size_t i = 0; i < atlas.size(); i += perLine) {
        for (size_t j = i; j < i + perLine; ++j)
            out << static_cast<int>(atlas[j]) << ',';
        out << '\n';
    }
    out << "};\n// clang-format on\n";
    return out.str();
}

bool readFile(const char* path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

bool writeFile(const char* path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

bool writePgm(const char* path, const Atlas& atlas) {
    std::string header =
        "P5\n" + std::to_string(atlasWidth) + " " + std::to_string(atlasHeight) + "\n255\n";
    return writeFile(path, header + std::string(atlas.begin(), atlas.end()));
}

int usage() {
    std::fprintf(stderr, "usage: make_glyph_atlas --font FACE.ttf (--write|--check) "
                         "glyph_atlas_data.cpp [--pgm atlas.pgm]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const char* font = nullptr;
    const char* writePath = nullptr;
    const char* checkPath = nullptr;
    const char* pgmPath = nullptr;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--font") == 0)
            font = argv[i + 1];
        else if (std::strcmp(argv[i], "--write") == 0)
            writePath = argv[i + 1];
        else if (std::strcmp(argv[i], "--check") == 0)
            checkPath = argv[i + 1];
        else if (std::strcmp(argv[i], "--pgm") == 0)
            pgmPath = argv[i + 1];
        else
            return usage();
    }
    if (argc % 2 == 0 || font == nullptr || (writePath == nullptr) == (checkPath == nullptr))
        return usage();

    std::printf("make_glyph_atlas: rendering %s\n", font);
    Atlas atlas;
    if (!renderAtlas(font, atlas))
        return 1;
    if (pgmPath != nullptr && !writePgm(pgmPath, atlas)) {
        std::fprintf(stderr, "make_glyph_atlas: cannot write %s\n", pgmPath);
        return 1;
    }
    std::string text = sourceText(atlas);
    if (writePath != nullptr) {
        if (!writeFile(writePath, text)) {
            std::fprintf(stderr, "make_glyph_atlas: cannot write %s\n", writePath);
            return 1;
        }
        std::printf("make_glyph_atlas: wrote %s\n", writePath);
        return 0;
    }
    std::string committed;
    if (!readFile(checkPath, committed)) {
        std::fprintf(stderr, "make_glyph_atlas: cannot read %s\n", checkPath);
        return 1;
    }
    if (committed != text) {
        std::fprintf(stderr,
                     "make_glyph_atlas: %s differs from the atlas rendered now from %s.\n"
                     "Regenerate it with: make_glyph_atlas --font %s --write %s\n"
                     "and commit the result (a changed FreeType or font also changes it).\n",
                     checkPath, font, font, checkPath);
        return 1;
    }
    std::printf("make_glyph_atlas: %s is current\n", checkPath);
    return 0;
}

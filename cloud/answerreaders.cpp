#include "cloud/answerreaders.h"

#include <QBuffer>
#include <QImageReader>

#include <cstddef>
#include <cstdlib>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H

namespace {

// Qt's XBM handler decodes a whole picture, at the size it declares, to tell whether it takes it; it
// looks for its "#define" lines in the first 4 KB. An answer holding one there is taken unasked.
bool xbmHeaderWithin(const QByteArray& answer)
{
    constexpr int kLooked = 4096;
    const int line = answer.left(kLooked + 8).indexOf("\n#define");
    return answer.startsWith("#define") || (line >= 0 && line + 1 < kLooked);
}

// The font probe's memory: what its allocations hold, refused past kBudget.
constexpr size_t kBudget = 1024 * 1024;
constexpr size_t kSizeField = alignof(std::max_align_t);  // each block's size, before it

struct Budget
{
    size_t used = 0;
    bool exceeded = false;
};

void* resize(FT_Memory memory, void* block, long size)
{
    auto* budget = static_cast<Budget*>(memory->user);
    char* base = block ? static_cast<char*>(block) - kSizeField : nullptr;
    const size_t before = base ? *reinterpret_cast<size_t*>(base) : 0;
    if (budget->used - before + size_t(size) > kBudget) {
        budget->exceeded = true;
        return nullptr;
    }
    char* grown = static_cast<char*>(std::realloc(base, kSizeField + size_t(size)));
    if (!grown)
        return nullptr;
    *reinterpret_cast<size_t*>(grown) = size_t(size);
    budget->used = budget->used - before + size_t(size);
    return grown + kSizeField;
}

void* allocate(FT_Memory memory, long size)
{
    return resize(memory, nullptr, size);
}

void* reallocate(FT_Memory memory, long, long size, void* block)
{
    return resize(memory, block, size);
}

void release(FT_Memory memory, void* block)
{
    char* base = static_cast<char*>(block) - kSizeField;
    static_cast<Budget*>(memory->user)->used -= *reinterpret_cast<size_t*>(base);
    std::free(base);
}

// The format of the handler that takes bytes, asked as the engine asks: which takes it, then its
// size. The engine decodes what a handler takes and gives a size for; a handler that tells no size
// before decoding (PCX, TGA, EPS) it leaves. Empty when none.
QByteArray takenFormat(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    return reader.size().isEmpty() ? QByteArray() : format;
}

}  // namespace

namespace CloudSite {

bool imageReaderTakes(const QByteArray& answer)
{
    if (xbmHeaderWithin(answer))
        return true;
    // A handler that takes as many blank bytes alike (a raw camera picture's, known by its file size
    // alone) does not read the content: the answer is not its.
    const QByteArray format = takenFormat(answer);
    return !format.isEmpty() && takenFormat(QByteArray(answer.size(), '\0')) != format;
}

bool fontReaderTakes(const QByteArray& answer)
{
    Budget budget;
    FT_MemoryRec_ memory{&budget, allocate, release, reallocate};
    FT_Library library = nullptr;
    if (FT_New_Library(&memory, &library) != 0)
        return true;
    FT_Add_Default_Modules(library);
    FT_Face face = nullptr;
    const FT_Error error = FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(answer.constData()),
                                              FT_Long(answer.size()), 0, &face);
    if (face)
        FT_Done_Face(face);
    FT_Done_Library(library);
    // Taken by a driver that opened it, or that asked for more than the budget to tell; one that
    // rejected it (an invalid format, a read past its end, ...) did not take it, as it does not for the
    // engine.
    return budget.exceeded || error == 0;
}

}  // namespace CloudSite

// The pictures are cut one after another from blocks of at least 8 MB; a block
// counts its pictures, and QImage's clean-up hook gives each one back.
#include "qtcanvas/picture_memory.h"

#include <algorithm>
#include <cstddef>
#include <mutex>

#include "analysis/kernels/huge_page_block.h"

namespace kalvesta {
namespace {

constexpr size_t kBlockBytes = size_t{8} << 20;
// Every picture starts on a cache line.
constexpr size_t kPictureAlignment = 64;

struct Block {
    unsigned char* base = nullptr;
    size_t bytes = 0;
    size_t used = 0;
    int pictures = 0;
};

std::mutex blocks_mutex;
// The block new pictures are cut from; kept when it runs empty.
Block* current_block = nullptr;

void Unmap(Block* block) {
    UnmapZeroedPages(block->base, block->bytes);
    delete block;
}

void ReleasePicture(void* info) {
    auto* const block = static_cast<Block*>(info);
    const std::lock_guard lock(blocks_mutex);
    if (--block->pictures > 0) {
        return;
    }
    if (block == current_block) {
        block->used = 0;
    } else {
        Unmap(block);
    }
}

// Room for `bytes` in the current block, or in a new one.
unsigned char* Cut(size_t bytes, Block*& block) {
    const std::lock_guard lock(blocks_mutex);
    if (current_block == nullptr || current_block->used + bytes > current_block->bytes) {
        if (current_block != nullptr && current_block->pictures == 0) {
            Unmap(current_block);
        }
        const size_t block_bytes = std::max(kBlockBytes, bytes);
        current_block =
            new Block{static_cast<unsigned char*>(MapZeroedPages(block_bytes)), block_bytes, 0, 0};
    }
    block = current_block;
    unsigned char* const pixels = block->base + block->used;
    block->used += bytes;
    ++block->pictures;
    return pixels;
}

}  // namespace

QImage MakeWhitePicture(QSize size) {
    const int width = std::max(size.width(), 0);
    const int height = std::max(size.height(), 0);
    const qsizetype line_bytes = qsizetype{width} * 4;
    const size_t bytes =
        (static_cast<size_t>(line_bytes) * static_cast<size_t>(height) + kPictureAlignment - 1) /
        kPictureAlignment * kPictureAlignment;
    if (bytes == 0) {
        return QImage(width, height, QImage::Format_RGB32);
    }
    Block* block = nullptr;
    unsigned char* const pixels = Cut(bytes, block);
    QImage picture(pixels, width, height, line_bytes, QImage::Format_RGB32, &ReleasePicture, block);
    picture.fill(Qt::white);
    return picture;
}

}  // namespace kalvesta

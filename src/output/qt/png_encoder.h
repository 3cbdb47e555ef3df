#pragma once
// Encodes page images as PNG on helper threads while the caller paints the next
// page. Images are taken in order and their PNG data handed back in the same order;
// the caller writes the files itself, so that every file is created on its own
// thread (a stop signal, which the helpers never take, then finds no file being
// made behind its back).
//
// A page whose pixels are all grey (black text on white) is stored as an 8-bit
// greyscale PNG: the same pixels in a third of the data, which compresses about
// three times as fast and to half the size. Any other page is stored as 8-bit RGB
// (with alpha where a pixel is not opaque).
//
// The helpers encode without Qt's image writers: those hold Qt's own locks while
// they allocate, and memory that runs out there leaves a lock taken for good (the
// next page then waits forever). Here running out of memory is only an empty
// result.

#include <QImage>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tw {

class PngEncoder {
public:
    // threads: how many helpers (at least 1); they start with the first image (as
    // many as memory allows; add() throws std::bad_alloc when not even one can).
    explicit PngEncoder(int threads);
    ~PngEncoder();  // drops the images not yet taken
    PngEncoder(const PngEncoder&) = delete;
    PngEncoder& operator=(const PngEncoder&) = delete;

    void add(QImage image);
    // Images added and not yet taken back.
    int pending() const;
    bool oldestReady() const;
    // The PNG data of the oldest image not yet taken, once it is encoded. Throws
    // std::bad_alloc when it could not be encoded (memory ran out on the helper
    // thread). Only when pending() > 0.
    std::string takeOldest();
    // Drops every image not yet taken (waiting for those being encoded).
    void clear();

    // Level 6: pages as small as zlib's usual level makes them, in the same time.
    static constexpr int kPngCompressionLevel = 6;
    // The PNG file of one image, encoded on the calling thread; empty when memory
    // ran out.
    static std::string encode(const QImage& image);

private:
    struct Job {
        QImage image;
        std::string png;
        bool running = false;
        bool done = false;
    };
    void startThreads();
    void work();

    int threadCount_;
    std::vector<std::thread> threads_;
    mutable std::mutex mutex_;
    std::condition_variable jobAdded_;
    std::condition_variable jobDone_;
    std::deque<std::unique_ptr<Job>> jobs_;  // oldest first
    bool stopping_ = false;
};

}  // namespace tw

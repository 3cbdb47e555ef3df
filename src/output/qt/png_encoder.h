#pragma once
// Encodes page images as PNG on helper threads while the caller paints the next
// page. Images are taken in order and their PNG data handed back in the same order;
// the caller writes the files itself, so that every file is created on its own
// thread (a stop signal, which the helpers never take, then finds no file being
// made behind its back).
//
// A page whose pixels are all grey (black text on white) is stored as an 8-bit
// greyscale PNG: the same pixels in a third of the data, which compresses about
// three times as fast and to half the size. Any other page is stored as 8-bit RGB,
// as QImage::save stores an RGB32 image.

#include <QByteArray>
#include <QImage>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
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
    QByteArray takeOldest();
    // Drops every image not yet taken (waiting for those being encoded).
    void clear();

    // The PNG data of one image, encoded on the calling thread.
    static QByteArray encode(const QImage& image);
    // The image as 8-bit greyscale when every pixel is grey; a null image otherwise.
    static QImage greyscaleCopy(const QImage& image);

private:
    struct Job {
        QImage image;
        QByteArray png;
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

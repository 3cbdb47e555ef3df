#include "output/qt/png_encoder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#if defined(__unix__)
#include <pthread.h>
#include <signal.h>
#endif

#include "output/pdf/deflater.h"

namespace tw {

PngEncoder::PngEncoder(int threads) : threadCount_(std::max(threads, 1)) {}

PngEncoder::~PngEncoder() {
    clear();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    jobAdded_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

// The helpers take no signals: a signal meant for the process (a stop) always
// reaches a thread that can act on it, never one in the middle of an image.
void PngEncoder::startThreads() {
#if defined(__unix__)
    sigset_t all, before;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &before);
#endif
    // Too little memory for a helper's stack leaves fewer helpers; none at all is the
    // end of memory.
    try {
        for (int i = 0; i < threadCount_; ++i) threads_.emplace_back([this] { work(); });
    } catch (const std::system_error&) {
    }
#if defined(__unix__)
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
#endif
    if (threads_.empty()) throw std::bad_alloc();
}

void PngEncoder::add(QImage image) {
    if (threads_.empty()) startThreads();
    auto job = std::make_unique<Job>();
    job->image = std::move(image);
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    jobAdded_.notify_one();
}

int PngEncoder::pending() const {
    std::lock_guard lock(mutex_);
    return int(jobs_.size());
}

bool PngEncoder::oldestReady() const {
    std::lock_guard lock(mutex_);
    return !jobs_.empty() && jobs_.front()->done;
}

std::string PngEncoder::takeOldest() {
    std::unique_lock lock(mutex_);
    if (jobs_.empty()) return {};
    jobDone_.wait(lock, [&] { return jobs_.front()->done; });
    std::string png = std::move(jobs_.front()->png);
    jobs_.pop_front();
    // An image in memory fails to encode only when memory runs out.
    if (png.empty()) throw std::bad_alloc();
    return png;
}

void PngEncoder::clear() {
    std::unique_lock lock(mutex_);
    jobDone_.wait(lock, [&] { return std::none_of(jobs_.begin(), jobs_.end(), [](const auto& job) { return job->running; }); });
    jobs_.clear();
}

void PngEncoder::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        Job* job = nullptr;
        jobAdded_.wait(lock, [&] {
            for (const auto& waiting : jobs_)
                if (!waiting->running && !waiting->done) {
                    job = waiting.get();
                    return true;
                }
            return stopping_;
        });
        if (job == nullptr) return;
        job->running = true;
        const QImage image = std::move(job->image);
        lock.unlock();
        // Empty when memory ran out: said by the thread that takes the page.
        std::string png = encode(image);
        lock.lock();
        job->png = std::move(png);
        job->running = false;
        job->done = true;
        jobDone_.notify_all();
    }
}

namespace {

void appendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(char((value >> shift) & 0xFF));
}

void appendChunk(std::string& out, const char* type, std::string_view data) {
    appendBigEndian(out, std::uint32_t(data.size()));
    const size_t start = out.size();
    out.append(type, 4);
    out.append(data);
    appendBigEndian(out, crc32(0, std::string_view(out).substr(start)));
}

// How a page's pixels are stored: 1 (grey), 3 (RGB) or 4 (RGB with alpha) bytes.
int channelsFor(const QImage& image) {
    const bool alpha = image.hasAlphaChannel();
    bool grey = true;
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = in[x];
            if (alpha && qAlpha(pixel) != 255) return 4;
            grey = grey && qRed(pixel) == qBlue(pixel) && qGreen(pixel) == qBlue(pixel);
        }
    }
    return grey ? 1 : 3;
}

void rowSamples(const QImage& image, int y, int channels, unsigned char* out) {
    const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = in[x];
        if (channels == 1) {
            *out++ = static_cast<unsigned char>(qBlue(pixel));
            continue;
        }
        *out++ = static_cast<unsigned char>(qRed(pixel));
        *out++ = static_cast<unsigned char>(qGreen(pixel));
        *out++ = static_cast<unsigned char>(qBlue(pixel));
        if (channels == 4) *out++ = static_cast<unsigned char>(qAlpha(pixel));
    }
}

int paeth(int left, int up, int upLeft) {
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft) return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// One row filtered by each of the five PNG filters; the one whose bytes, read as
// signed, add up to the least is kept (the choice PNG encoders commonly make).
class RowFilter {
public:
    RowFilter(size_t rowBytes, int bytesPerPixel)
        : rowBytes_(rowBytes), bpp_(size_t(bytesPerPixel)), previous_(rowBytes, 0), candidates_(5 * rowBytes) {}

    // Appends the filter's number and the filtered row to out.
    void add(const unsigned char* row, std::string& out) {
        int best = 0;
        long bestCost = -1;
        for (int filter = 0; filter < 5; ++filter) {
            unsigned char* filtered = &candidates_[size_t(filter) * rowBytes_];
            long cost = 0;
            for (size_t i = 0; i < rowBytes_; ++i) {
                const int left = i >= bpp_ ? row[i - bpp_] : 0;
                const int up = previous_[i];
                const int upLeft = i >= bpp_ ? previous_[i - bpp_] : 0;
                const int predicted = filter == 0 ? 0
                                    : filter == 1 ? left
                                    : filter == 2 ? up
                                    : filter == 3 ? (left + up) / 2
                                                  : paeth(left, up, upLeft);
                filtered[i] = static_cast<unsigned char>(row[i] - predicted);
                cost += std::abs(static_cast<signed char>(filtered[i]));
            }
            if (bestCost < 0 || cost < bestCost) {
                best = filter;
                bestCost = cost;
            }
        }
        out.push_back(char(best));
        out.append(reinterpret_cast<const char*>(&candidates_[size_t(best) * rowBytes_]), rowBytes_);
        std::copy(row, row + rowBytes_, previous_.begin());
    }

private:
    size_t rowBytes_;
    size_t bpp_;
    std::vector<unsigned char> previous_;
    std::vector<unsigned char> candidates_;
};

std::string encodeRgb(const QImage& image) {
    const int channels = channelsFor(image);
    const size_t rowBytes = size_t(image.width()) * size_t(channels);
    std::string rows;
    rows.reserve((rowBytes + 1) * size_t(image.height()));
    std::vector<unsigned char> row(rowBytes);
    RowFilter filter(rowBytes, channels);
    for (int y = 0; y < image.height(); ++y) {
        rowSamples(image, y, channels, row.data());
        filter.add(row.data(), rows);
    }
    Deflater deflater(PngEncoder::kPngCompressionLevel);
    const std::string_view compressed = deflater.compress(rows);
    if (compressed.empty()) throw std::bad_alloc();

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    appendBigEndian(header, std::uint32_t(image.width()));
    appendBigEndian(header, std::uint32_t(image.height()));
    const char colourType = channels == 1 ? 0 : channels == 3 ? 2 : 6;
    header += {8, colourType, 0, 0, 0};  // 8 bits a sample, deflate, adaptive filters, no interlace
    appendChunk(png, "IHDR", header);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        std::string density;
        appendBigEndian(density, std::uint32_t(image.dotsPerMeterX()));
        appendBigEndian(density, std::uint32_t(image.dotsPerMeterY()));
        density.push_back(1);  // pixels per metre
        appendChunk(png, "pHYs", density);
    }
    appendChunk(png, "IDAT", compressed);
    appendChunk(png, "IEND", {});
    return png;
}

}  // namespace

std::string PngEncoder::encode(const QImage& image) {
    if (image.isNull()) return {};
    try {
        if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) return encodeRgb(image);
        const QImage converted = image.convertToFormat(QImage::Format_ARGB32);
        return converted.isNull() ? std::string() : encodeRgb(converted);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

}  // namespace tw

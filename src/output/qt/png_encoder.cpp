#include "output/qt/png_encoder.h"

#include <QBuffer>
#include <algorithm>
#include <exception>
#include <new>
#include <system_error>

#if defined(__unix__)
#include <pthread.h>
#include <signal.h>
#endif

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

QByteArray PngEncoder::takeOldest() {
    std::unique_lock lock(mutex_);
    if (jobs_.empty()) return {};
    jobDone_.wait(lock, [&] { return jobs_.front()->done; });
    QByteArray png = std::move(jobs_.front()->png);
    jobs_.pop_front();
    // An image in memory fails to encode only when memory runs out.
    if (png.isEmpty()) throw std::bad_alloc();
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
        QByteArray png;
        try {
            png = encode(image);
        } catch (const std::exception&) {
            png.clear();  // out of memory: said by the thread that takes the page
        }
        lock.lock();
        job->png = std::move(png);
        job->running = false;
        job->done = true;
        jobDone_.notify_all();
    }
}

QImage PngEncoder::greyscaleCopy(const QImage& image) {
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) return {};
    const int width = image.width();
    QImage grey(width, image.height(), QImage::Format_Grayscale8);
    if (grey.isNull()) return {};
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = in[x];
            const int blue = qBlue(pixel);
            if (qRed(pixel) != blue || qGreen(pixel) != blue || (image.hasAlphaChannel() && qAlpha(pixel) != 255)) return {};
            out[x] = uchar(blue);
        }
    }
    grey.setDotsPerMeterX(image.dotsPerMeterX());
    grey.setDotsPerMeterY(image.dotsPerMeterY());
    return grey;
}

QByteArray PngEncoder::encode(const QImage& image) {
    const QImage grey = greyscaleCopy(image);
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !(grey.isNull() ? image : grey).save(&buffer, "PNG")) return {};
    buffer.close();
    return png;
}

}  // namespace tw
